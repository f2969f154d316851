#include "speech/text_encoding.h"

#include <cstdio>

namespace kestrelle {
namespace {

constexpr char32_t kLastCharacter = 0x10FFFF;

// The character that starts at bytes[at], moving at past it; nothing for a sequence that is not
// UTF-8 (a stray continuation byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
std::optional<char32_t> NextUtf8(std::string_view bytes, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(bytes[at++]);
  if (lead < 0x80) return lead;
  std::size_t length = 0;
  char32_t c = 0;
  char32_t least = 0;  // the smallest character that needs this many bytes
  if ((lead & 0xE0) == 0xC0) {
    length = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  for (; length > 0; --length, ++at) {
    if (at >= bytes.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(bytes[at]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < least || c > kLastCharacter || IsSurrogate(c)) return std::nullopt;
  return c;
}

std::optional<std::u32string> DecodeUtf8(std::string_view bytes) {
  std::u32string characters;
  characters.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    const std::optional<char32_t> c = NextUtf8(bytes, at);
    if (!c) return std::nullopt;
    characters += *c;
  }
  return characters;
}

char16_t Unit(std::string_view bytes, std::size_t at, bool bigEndian) {
  const auto first = static_cast<unsigned char>(bytes[at]);
  const auto second = static_cast<unsigned char>(bytes[at + 1]);
  return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return TextEncoding::Utf8Bom;
  if (bytes.starts_with(kUtf16LEMark)) return TextEncoding::Utf16LE;
  if (bytes.starts_with(kUtf16BEMark)) return TextEncoding::Utf16BE;
  for (std::size_t at = 0; at < bytes.size();) {
    if (!NextUtf8(bytes, at)) return TextEncoding::CodePage;
  }
  return TextEncoding::Utf8;
}

std::optional<std::u32string> DecodeUtf16(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) units[i] = Unit(bytes, 2 * i, bigEndian);
  std::u32string characters = CharactersFromUtf16(units);
  for (char32_t c : characters) {
    if (IsSurrogate(c)) return std::nullopt;
  }
  return characters;
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8Bom:
      return kUtf8Mark;
    case TextEncoding::Utf16LE:
      return kUtf16LEMark;
    case TextEncoding::Utf16BE:
      return kUtf16BEMark;
    case TextEncoding::CodePage:
    case TextEncoding::Utf8:
      break;
  }
  return {};
}

std::optional<std::u32string> DecodeUnicode(std::string_view bytes, TextEncoding encoding) {
  const std::string_view mark = ByteOrderMark(encoding);
  if (bytes.starts_with(mark)) bytes.remove_prefix(mark.size());
  switch (encoding) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
      return DecodeUtf16(bytes, encoding == TextEncoding::Utf16BE);
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
    case TextEncoding::CodePage:
      break;
  }
  return DecodeUtf8(bytes);
}

std::string EncodeUnicode(std::u32string_view characters, TextEncoding encoding) {
  std::string bytes(ByteOrderMark(encoding));
  if (encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE) {
    return bytes + Utf8FromCharacters(characters);
  }
  const bool bigEndian = encoding == TextEncoding::Utf16BE;
  for (char16_t unit : Utf16FromCharacters(characters)) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

std::size_t WholeUtf16Characters(std::string_view bytes, bool bigEndian) {
  std::size_t whole = bytes.size() & ~std::size_t{1};
  // A high surrogate at the end waits for its low one.
  if (whole >= 2 && IsHighSurrogate(Unit(bytes, whole - 2, bigEndian))) whole -= 2;
  return whole;
}

std::string Utf8FromCharacters(std::u32string_view characters) {
  std::string out;
  out.reserve(characters.size());
  for (char32_t c : characters) AppendUtf8(out, c);
  return out;
}

std::u32string CharactersOfUtf8(std::string_view text) {
  constexpr char32_t kReplacement = 0xFFFD;
  std::u32string characters;
  characters.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const std::optional<char32_t> c = NextUtf8(text, at);
    if (!c) at = start + 1;
    characters += c.value_or(kReplacement);
  }
  return characters;
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (const char byte : text) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b & 0xC0) != 0x80) ++units;  // a sequence's continuation bytes add nothing
    if (b >= 0xF0) ++units;           // a character beyond the first 65536: a pair of surrogates
  }
  return units;
}

std::string DescribeCharacter(char32_t character) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
  // A control character or a lone surrogate would show as nothing, or not at all.
  const bool printable = character >= 0x20 && character != 0x7F && !IsSurrogate(character) &&
                         character <= kLastCharacter;
  return printable ? Utf8FromCharacters(std::u32string_view(&character, 1)) + " (" + code + ")" : std::string(code);
}

std::size_t LineOfCharacter(std::u32string_view characters, std::size_t index) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < index && i < characters.size(); ++i) {
    const char32_t c = characters[i];
    const bool crBeforeLf = c == U'\r' && i + 1 < characters.size() && characters[i + 1] == U'\n';
    if ((c == U'\n' || c == U'\r') && !crBeforeLf) ++line;
  }
  return line;
}

}  // namespace kestrelle
