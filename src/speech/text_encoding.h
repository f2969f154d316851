#pragma once
// The encodings a text file comes in, as the system's editors write them today: UTF-8 (with or without a
// byte-order mark), UTF-16 in either byte order (with its mark), or 8-bit text of the system's code page,
// for files older than any of them. Shared by the Translator page's file commands and kestrelle-translate,
// so that both read a file the same way.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/utf16.h"  // characters as the system's wide functions take them, and back

namespace kestrelle {

enum class TextEncoding {
  CodePage,  // no byte-order mark and not valid UTF-8: 8-bit text, taken as it is
  Utf8,      // valid UTF-8 without a mark, plain ASCII included
  Utf8Bom,
  Utf16LE,   // with its mark
  Utf16BE,   // with its mark
};

// What a new file gets: UTF-8 without a mark, what the system's own tools write and read by default.
inline constexpr TextEncoding kNewFileEncoding = TextEncoding::Utf8;

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
inline constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
inline constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

// The encoding by the byte-order mark, else by whether the bytes are valid UTF-8.
TextEncoding DetectEncoding(std::string_view bytes);

// The byte-order mark that starts a file of this encoding ("" for none).
std::string_view ByteOrderMark(TextEncoding encoding);

// The characters of a file in a Unicode encoding, its mark left out; nothing when the bytes break the
// encoding (an odd byte or a lone surrogate in UTF-16, a bad sequence in UTF-8).
std::optional<std::u32string> DecodeUnicode(std::string_view bytes, TextEncoding encoding);

// The characters of UTF-16 without its mark; nothing for an odd byte or a lone surrogate.
std::optional<std::u32string> DecodeUtf16(std::string_view bytes, bool bigEndian);

// The characters in a Unicode encoding, with that encoding's mark first.
std::string EncodeUnicode(std::u32string_view characters, TextEncoding encoding);

// How many leading bytes of UTF-16 (without its mark) make whole characters: a character split between
// two reads waits for the rest. 0 only when fewer than a whole character has come.
std::size_t WholeUtf16Characters(std::string_view bytes, bool bigEndian);

// Plain UTF-8 of the characters, without a mark.
std::string Utf8FromCharacters(std::u32string_view characters);

// The characters of the program's UTF-8 text, each byte of a sequence that is not UTF-8 read as U+FFFD
// (the replacement character), so that nothing is dropped or misread without a trace.
std::u32string CharactersOfUtf8(std::string_view text);

// How many UTF-16 units the UTF-8 text takes, the count of the system's text boxes: one a character, two
// for one beyond the first 65536.
std::size_t Utf16Length(std::string_view text);

// A character for a message: itself and its code, as in "\xC5\x82 (U+0142)", in UTF-8.
std::string DescribeCharacter(char32_t character);

// The line (from 1) that holds the character at index; a carriage return and line feed, a lone line feed
// and a lone carriage return each end a line.
std::size_t LineOfCharacter(std::u32string_view characters, std::size_t index);

}  // namespace kestrelle
