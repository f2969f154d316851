#pragma once
// UTF-16, as the system's wide functions use it, and the characters (Unicode code points) it holds: one
// unit each in the first plane, a surrogate pair beyond it.
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelle {

constexpr bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
constexpr bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

inline std::u16string Utf16FromCharacters(std::u32string_view characters) {
  std::u16string units;
  units.reserve(characters.size());
  for (char32_t c : characters) {
    if (c < 0x10000) {
      units += static_cast<char16_t>(c);
    } else {
      c -= 0x10000;
      units += static_cast<char16_t>(0xD800 | (c >> 10));
      units += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
  }
  return units;
}

// A lone surrogate is kept as it is, for the caller to refuse or pass on.
inline std::u32string CharactersFromUtf16(std::u16string_view units) {
  std::u32string characters;
  characters.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      characters += 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00);
    } else {
      characters += unit;
    }
  }
  return characters;
}

}  // namespace kestrelle
