#include "speech/rule_file.h"

#include <fstream>

#include "speech/stream_reading.h"

namespace kestrelle {

namespace {

bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

std::string Describe(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code >= 32 && code < 127) return std::string("'") + c + "'";
  return "character code " + std::to_string(code);
}

// The string of one quoted line. A carriage return before the line feed is part of the line break.
std::string ParseQuotedLine(std::string_view line, int lineNumber) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  size_t i = 0;
  while (i < line.size() && IsBlankOrTab(line[i])) ++i;
  if (line[i] != '"') {
    throw RuleFileError(lineNumber, "expected a string in double quotes, found " + Describe(line[i]));
  }
  ++i;
  std::string text;
  for (;; ++i) {
    if (i == line.size()) throw RuleFileError(lineNumber, "unterminated string (no closing quote)");
    const char c = line[i];
    if (c == '"') break;
    if (c == '\\') {
      if (i + 1 == line.size()) throw RuleFileError(lineNumber, "unterminated string (backslash at the end)");
      const char escaped = line[++i];
      if (escaped != '"' && escaped != '\\') {
        throw RuleFileError(lineNumber, "unknown escape \\" + std::string(1, escaped) +
                                            " (only \\\" and \\\\ are escapes)");
      }
      text.push_back(escaped);
      continue;
    }
    const auto code = static_cast<unsigned char>(c);
    if ((code < 32 && c != '\t') || code == 127) {
      throw RuleFileError(lineNumber, "control character (code " + std::to_string(code) + ") in a string");
    }
    text.push_back(c);
  }
  for (++i; i < line.size(); ++i) {
    if (!IsBlankOrTab(line[i])) {
      throw RuleFileError(lineNumber, "text after the closing quote: " + Describe(line[i]));
    }
  }
  if (text.size() > kMaxRuleStringLength) {
    throw RuleFileError(lineNumber, "string of " + std::to_string(text.size()) + " characters (at most " +
                                        std::to_string(kMaxRuleStringLength) + ")");
  }
  return text;
}

// The choices of a "%RANDOM(" run to the first ')' after it; without one the engine would draw from nothing
// and print the rest as it stands, so a replacement must close every one it opens.
bool LeavesRandomOpen(std::string_view replacement) {
  const size_t lastOpen = replacement.rfind("%RANDOM(");
  return lastOpen != std::string_view::npos && replacement.find(')', lastOpen) == std::string_view::npos;
}

bool IsComment(std::string_view line) {
  size_t i = 0;
  while (i < line.size() && (IsBlankOrTab(line[i]) || line[i] == '\r')) ++i;
  return i == line.size() || line[i] == '#';
}

}  // namespace

RuleFileError::RuleFileError(int line, const std::string& message)
    : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + message : message), line_(line) {}

std::vector<std::string> ParseRuleFile(std::string_view content) {
  std::vector<std::string> strings;
  int lineNumber = 0;
  int patternLine = 0;  // line of the last pattern, for the message when its replacement is missing
  bool ended = false;
  // Some editors put these three invisible bytes first when they save UTF-8.
  if (content.starts_with("\xEF\xBB\xBF")) {
    throw RuleFileError(1, "the file starts with a UTF-8 byte-order mark; save it as plain text without one");
  }
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    const std::string_view line = content.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (IsComment(line)) continue;
    if (ended) throw RuleFileError(lineNumber, "text after the end marker \"%STOP\"");
    std::string text = ParseQuotedLine(line, lineNumber);
    const bool patternSlot = strings.size() % 2 == 0;
    if (text == kEndMarker) {
      if (!patternSlot) {
        throw RuleFileError(lineNumber, "\"%STOP\" where a replacement belongs: the pattern on line " +
                                            std::to_string(patternLine) + " has no replacement");
      }
      ended = true;
    } else if (patternSlot) {
      if (strings.size() + 1 >= kMaxRuleStrings) {
        throw RuleFileError(lineNumber, "too many rules: a rule file holds at most " +
                                            std::to_string(kMaxRuleStrings / 2) + " rules before \"%STOP\"");
      }
      patternLine = lineNumber;
    } else if (LeavesRandomOpen(text)) {
      throw RuleFileError(lineNumber, "%RANDOM( without its closing ')'");
    }
    strings.push_back(std::move(text));
  }
  if (!ended) {
    if (strings.size() % 2 == 1) {
      throw RuleFileError(patternLine, "the pattern has no replacement, and the end marker \"%STOP\" is missing");
    }
    throw RuleFileError(lineNumber, "missing end marker \"%STOP\" at the end of the file");
  }
  return strings;
}

std::vector<std::string> ReadRuleFile(const std::filesystem::path& path) {
  // Some systems open a directory as an empty file; it is refused by name instead.
  std::error_code unknown;
  if (std::filesystem::is_directory(path, unknown)) throw RuleFileError(0, "is a directory, not a rule file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw RuleFileError(0, "cannot open the rule file");
  std::string content;
  if (!AppendStream(in, content)) throw RuleFileError(0, "cannot read the rule file");
  return ParseRuleFile(content);
}

}  // namespace kestrelle
