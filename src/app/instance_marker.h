#pragma once
// The name of the marker that the running copy of the program holds, so that a copy started later can tell
// that it is not the first.
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelle {

// How many characters of the application title go into the marker's name.
inline constexpr std::size_t kMarkerTitleLength = 20;

// "OnlyOne" followed by the first 20 characters of the title (the whole title when it is shorter), so
// that two programs whose titles agree in their first 20 characters count as the same program.
std::string InstanceMarkerName(std::string_view applicationTitle);

}  // namespace kestrelle
