#pragma once
// Command line of the kestrelle-translate filter.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelle {

struct FilterOptions {
  std::string style = "normal";
  std::optional<std::string> rulesFile;
  std::uint32_t seed = 0;
  bool lines = false;
  bool commandsAsSpeech = false;  // game command lines ("[bank", ".resync") translated like speech
  bool help = false;
  std::vector<std::string> inputs;  // none: standard input; "-" also stands for it
};

// An unknown option, a missing or bad value, an unknown style.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

FilterOptions ParseFilterOptions(const std::vector<std::string_view>& args);

extern const char* const kFilterUsage;

}  // namespace kestrelle
