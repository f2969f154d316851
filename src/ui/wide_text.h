#pragma once
// Conversions at the edge to the system's wide-character functions. The program's own texts (captions,
// filters, the memos, what the game client receives) are 8-bit text of the ANSI code page; file names are
// wide, so that any name the system allows can be opened and saved; messages for the error box are UTF-8,
// so that a file name in one shows as it is.

#include <optional>
#include <string>
#include <string_view>

namespace kestrelle::ui {

std::wstring WideFromAnsi(std::string_view text);
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
// Characters the ANSI code page lacks become '?'.
std::string AnsiFromWide(std::wstring_view text);
// The text in the ANSI code page, or nothing when it holds a character the code page lacks (which the
// system would replace by another without a word).
std::optional<std::string> AnsiFromWideExactly(std::wstring_view text);
// The first character of the text that the ANSI code page lacks, if any.
std::optional<char32_t> FirstCharacterAnsiLacks(std::wstring_view text);

}  // namespace kestrelle::ui
