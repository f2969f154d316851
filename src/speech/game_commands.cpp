#include "speech/game_commands.h"

#include <algorithm>

namespace kestrelle {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Where the line that goes on at pos ends: at its line break, or at the end of the text. Each break
// character is searched for on its own, which the library does many bytes at a time; find_first_of looks
// each character up in its set by a call of its own, and made this search a good part of the time that a
// short text (the filter's --lines) takes.
std::size_t LineEnd(std::string_view text, std::size_t pos) {
  const std::size_t end = std::min(text.find('\n', pos), text.size());
  return std::min(text.substr(0, end).find('\r', pos), end);
}

// The end of the line break that starts at pos: carriage return and line feed, or either alone.
std::size_t LineBreakEnd(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return pos;
  if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
  return pos + 1;
}

}  // namespace

bool IsGameCommandLine(std::string_view line) {
  return line.size() >= 2 && (line[0] == '[' || line[0] == '.') && IsAsciiLetter(line[1]);
}

bool HasGameCommandLine(std::string_view text) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = LineEnd(text, start);
    if (IsGameCommandLine(text.substr(start, end - start))) return true;
    start = LineBreakEnd(text, end);
  }
  return false;
}

bool TranslateAroundGameCommands(std::string_view text, const SpeechTranslation& translate, const TextWrite& write) {
  std::size_t speechStart = 0;
  // Translates the speech from speechStart up to the line break at breakStart, then writes that break.
  const auto flushSpeech = [&](std::size_t breakStart, std::size_t breakEnd) {
    if (breakStart > speechStart && !translate(text.substr(speechStart, breakStart - speechStart))) return false;
    write(text.substr(breakStart, breakEnd - breakStart));
    return true;
  };

  std::size_t lineStart = 0;
  std::size_t previousBreak = 0;  // where the line break before lineStart began
  while (lineStart < text.size()) {
    const std::size_t lineEnd = LineEnd(text, lineStart);
    const std::size_t next = LineBreakEnd(text, lineEnd);
    if (IsGameCommandLine(text.substr(lineStart, lineEnd - lineStart))) {
      if (lineStart > speechStart && !flushSpeech(previousBreak, lineStart)) return false;
      write(text.substr(lineStart, next - lineStart));
      speechStart = next;
    }
    previousBreak = lineEnd;
    lineStart = next;
  }
  if (speechStart == 0) return translate(text);
  return speechStart >= text.size() || translate(text.substr(speechStart));
}

}  // namespace kestrelle
