#pragma once
// Conversions at the edge to the system's wide-character functions. All of the program's own texts
// (captions, filters, the memos, what the game clients receive, messages for the error box) are UTF-8;
// the layer hands them to the system as UTF-16 and reads them back from it, so that every letter the
// system knows goes through whatever the system's code page. File names are wide, as the system gives them.

#include <string>
#include <string_view>

namespace kestrelle::ui {

// A sequence that is not UTF-8 becomes the replacement character U+FFFD.
std::wstring WideFromUtf8(std::string_view text);
// A lone surrogate becomes the replacement character U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace kestrelle::ui
