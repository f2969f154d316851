#pragma once
// Letter case as the program's texts know it: only the ASCII letters have one. Every other byte, the code
// page's accented letters among them, stays as it is, so that a text means the same on every system
// whatever its locale.
#include <algorithm>
#include <string_view>

namespace kestrelle {

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace kestrelle
