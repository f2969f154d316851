#pragma once
// Reader of rule files, the human-readable source of a speech style's rules: one string a line in double
// quotes (inside, \" is a quote and \\ a backslash), pattern and replacement alternating, ended by the
// line "%STOP". Empty lines and lines starting with '#' are comments.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelle {

// A rule string is read through a 1024-byte buffer on Windows, so only 1023 characters of it could count.
inline constexpr std::size_t kMaxRuleStringLength = 1023;

// Each style's ids stay below its base + 1000, so a list holds at most 999 strings, "%STOP" included.
inline constexpr std::size_t kMaxRuleStrings = 999;

inline constexpr std::string_view kEndMarker = "%STOP";

// A rule file that breaks the format; line() is 1-based, 0 when the fault is not tied to one line.
class RuleFileError : public std::runtime_error {
 public:
  RuleFileError(int line, const std::string& message);
  int line() const { return line_; }

 private:
  int line_;
};

// The strings of a rule file in id order, "%STOP" last; string i gets the id base + 1 + i.
std::vector<std::string> ParseRuleFile(std::string_view content);

// Reads and parses a rule file; an unreadable file is a RuleFileError with line 0. The messages do not name
// the file: the caller, who knows how the user named it, puts the name before them.
std::vector<std::string> ReadRuleFile(const std::filesystem::path& path);

}  // namespace kestrelle
