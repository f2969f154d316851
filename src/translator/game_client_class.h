#pragma once
// What marks a game client window: its window class name, compared whole and with its letter case.
#include <string_view>

namespace kestrelle {

inline constexpr std::string_view kGameClientClass = "Ultima Online";

inline bool IsGameClientClass(std::string_view className) { return className == kGameClientClass; }

}  // namespace kestrelle
