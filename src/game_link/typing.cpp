#include "game_link/typing.h"

namespace kestrelle {

namespace {

constexpr char kCarriageReturn = '\r';

bool IsTyped(char c) {
  const auto code = static_cast<unsigned char>(c);
  return (code >= 32 && code <= 126) || c == kCarriageReturn;
}

bool EndsLine(char c, int column) {
  if (column >= kTypedLineWidth) return true;
  if (column < kTypedLineBreakFrom) return false;
  switch (c) {
    case kCarriageReturn:
    case ' ':
    case '!':
    case ',':
    case '.':
    case '?':
      return true;
    default:
      return false;
  }
}

}  // namespace

TypingOutcome TypeIntoWindow(std::string_view text, const TypingDelays& delays, TypingTarget& target) {
  int column = 0;
  int lineEnds = 0;
  for (const char c : text) {
    if (!IsTyped(c)) continue;
    if (!target.Wait(delays.charDelay)) return TypingOutcome::Stopped;
    if (!target.Send(c)) return TypingOutcome::WindowLost;
    ++column;
    if (!EndsLine(c, column)) continue;

    if (++lineEnds == kLineEndsPerPause) {
      lineEnds = 0;
      if (!target.Wait(delays.lineDelay)) return TypingOutcome::Stopped;
    }
    for (; column < kTypedLineWidth; ++column) {
      if (!target.Wait(delays.charDelay)) return TypingOutcome::Stopped;
      if (!target.Send(' ')) return TypingOutcome::WindowLost;
    }
    if (c != kCarriageReturn && !target.Send(kCarriageReturn)) return TypingOutcome::WindowLost;
    column = 0;
  }
  if (column > 0 && !target.Send(kCarriageReturn)) return TypingOutcome::WindowLost;
  return TypingOutcome::Typed;
}

}  // namespace kestrelle
