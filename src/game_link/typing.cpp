#include "game_link/typing.h"

#include "base/utf16.h"

namespace kestrelle {

namespace {

constexpr char32_t kCarriageReturn = U'\r';

bool IsControl(char32_t c) { return c < 32 || (c >= 127 && c <= 0x9F); }

bool EndsLine(char32_t c, int column) {
  if (column >= kTypedLineWidth) return true;
  if (column < kTypedLineBreakFrom) return false;
  switch (c) {
    case kCarriageReturn:
    case U' ':
    case U'!':
    case U',':
    case U'.':
    case U'?':
      return true;
    default:
      return false;
  }
}

// Counts the lines the typing starts, and nothing else.
class LineCounter final : public TypingTarget {
 public:
  bool Wait(std::int32_t) override { return true; }
  TypingOutcome Send(char32_t) override { return TypingOutcome::Typed; }
  TypingOutcome StartLine(int) override {
    ++lines;
    return TypingOutcome::Typed;
  }
  int lines = 0;
};

}  // namespace

bool IsTyped(char32_t c, TypedLetters letters) {
  if (c == kCarriageReturn) return true;
  if (letters == TypedLetters::Ascii) return c >= 32 && c <= 126;
  return !IsControl(c) && !IsSurrogate(c) && c <= 0x10FFFF;
}

bool IsLeftOut(char32_t c, TypedLetters letters) {
  return !IsControl(c) && !IsSurrogate(c) && c <= 0x10FFFF && !IsTyped(c, letters);
}

int CountLeftOut(std::u32string_view text, TypedLetters letters) {
  int count = 0;
  for (const char32_t c : text) count += IsLeftOut(c, letters) ? 1 : 0;
  return count;
}

int CountTypedLines(std::u32string_view text, TypedLetters letters) {
  LineCounter counter;
  TypeIntoWindow(text, {0, 0}, counter, letters);
  return counter.lines;
}

TypingOutcome TypeIntoWindow(std::u32string_view text, const TypingDelays& delays, TypingTarget& target,
                             TypedLetters letters) {
  int column = 0;
  int lineEnds = 0;
  int lines = 0;
  for (const char32_t c : text) {
    if (!IsTyped(c, letters)) continue;
    if (column == 0) {
      if (const TypingOutcome start = target.StartLine(lines); start != TypingOutcome::Typed) return start;
    }
    if (!target.Wait(delays.charDelay)) return TypingOutcome::Stopped;
    if (const TypingOutcome sent = target.Send(c); sent != TypingOutcome::Typed) return sent;
    ++column;
    if (!EndsLine(c, column)) continue;

    ++lines;
    if (++lineEnds == kLineEndsPerPause) {
      lineEnds = 0;
      if (!target.Wait(delays.lineDelay)) return TypingOutcome::Stopped;
    }
    for (; column < kTypedLineWidth; ++column) {
      if (!target.Wait(delays.charDelay)) return TypingOutcome::Stopped;
      if (const TypingOutcome sent = target.Send(U' '); sent != TypingOutcome::Typed) return sent;
    }
    if (c != kCarriageReturn) {
      if (const TypingOutcome sent = target.Send(kCarriageReturn); sent != TypingOutcome::Typed) return sent;
    }
    column = 0;
  }
  if (column > 0) return target.Send(kCarriageReturn);
  return TypingOutcome::Typed;
}

}  // namespace kestrelle
