#pragma once
// The speech styles in the order of the style selector, with the id base of their rules.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelle {

struct SpeechStyle {
  std::string_view caption;   // as the selector shows it
  std::string_view name;      // command-line name and rule file stem
  int base;                   // StyleBase: rule k is ids base + 1 + 2k (pattern) and base + 2 + 2k
};

inline constexpr std::array<SpeechStyle, 4> kSpeechStyles{{
    {"Normal", "normal", 0},
    {"Valley Girl", "valley-girl", 1000},
    {"Jive Talk", "jive-talk", 2000},
    {"Courtly", "courtly", 3000},
}};

// The style with this command-line name, if any.
std::optional<SpeechStyle> FindSpeechStyle(std::string_view name);

// The captions in selector order, for the "Speech Style" radio group.
std::vector<std::string> SpeechStyleCaptions();

}  // namespace kestrelle
