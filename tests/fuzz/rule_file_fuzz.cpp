// Fuzz target of the rule-file reader: any input is either rejected with a RuleFileError or gives a list
// that ends in "%STOP", pairs its rules and survives being written back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "speech/rule_file.h"

namespace {

std::string WriteRuleFile(const std::vector<std::string>& strings) {
  std::string file = "# written back\n";
  for (const std::string& s : strings) {
    file += '"';
    for (const char c : s) {
      if (c == '"' || c == '\\') file += '\\';
      file += c;
    }
    file += "\"\n\n";
  }
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> strings;
  try {
    strings = kestrelle::ParseRuleFile(input);
  } catch (const kestrelle::RuleFileError& error) {
    if (std::string_view(error.what()).empty()) std::abort();
    return 0;
  }
  if (strings.empty() || strings.back() != kestrelle::kEndMarker || strings.size() % 2 != 1) std::abort();
  for (const std::string& s : strings) {
    if (s.size() > kestrelle::kMaxRuleStringLength || s.find('\n') != std::string::npos) std::abort();
  }
  if (kestrelle::ParseRuleFile(WriteRuleFile(strings)) != strings) std::abort();
  return 0;
}
