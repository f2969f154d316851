#include "speech/command_text.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "speech/game_commands.h"
#include "speech/text_tools.h"

namespace kestrelle {

namespace {

bool IsBreak(char c) { return c == ' ' || c == '\r'; }

}  // namespace

std::string JoinDisplayedLines(const std::vector<std::string>& lines, bool wordWrap) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!wordWrap) {
      if (i > 0) text += "\r\n";
    } else {
      if (line.empty()) continue;
      if (!text.empty() && !IsBreak(text.back()) && !IsBreak(line.front())) text += ' ';
    }
    text += line;
  }
  return text;
}

std::string JoinKeepingGameCommands(const std::vector<std::string>& displayedLines,
                                    const std::vector<std::string>& paragraphs, bool wordWrap) {
  if (!wordWrap || std::none_of(paragraphs.begin(), paragraphs.end(), [](const std::string& p) { return IsGameCommandLine(p); })) {
    return JoinDisplayedLines(displayedLines, wordWrap);
  }
  std::string text;
  std::vector<std::string> speech;
  const auto addLine = [&text](const std::string& line) {
    if (line.empty()) return;
    if (!text.empty()) text += "\r\n";
    text += line;
  };
  for (const std::string& paragraph : paragraphs) {
    if (!IsGameCommandLine(paragraph)) {
      speech.push_back(paragraph);
      continue;
    }
    addLine(JoinDisplayedLines(speech, true));
    speech.clear();
    addLine(paragraph);
  }
  addLine(JoinDisplayedLines(speech, true));
  return text;
}

std::vector<std::string> SplitParagraphs(std::string_view text) {
  std::vector<std::string> paragraphs;
  for (;;) {
    const std::size_t end = text.find("\r\n");
    paragraphs.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return paragraphs;
    text.remove_prefix(end + 2);
  }
}

bool IsBlankText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::int32_t ParseDelayField(std::string_view field, std::string_view fieldName) {
  const std::string digits = RemoveChar(field, ' ');
  std::int32_t value = 0;
  const char* first = digits.data();
  const char* last = first + digits.size();
  if (first != last && *first == '+') ++first;  // a sign the mask can't type but a set text may hold
  const auto [end, error] = std::from_chars(first, last, value);
  if (digits.empty() || error != std::errc() || end != last) {
    const std::string what = digits.empty() ? " is empty" : " holds \"" + digits + "\", which is no number";
    throw std::invalid_argument(std::string(fieldName) + what +
                                ": type the delay as a whole number of milliseconds, from 0 to 9999.");
  }
  return value;
}

}  // namespace kestrelle
