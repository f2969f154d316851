#pragma once
// What the translator's memos take from a text file and where a file is saved: the test for plain text,
// line breaks as the memos show them, and the folder beside a file for its temporary copy.
#include <string>
#include <string_view>

namespace kestrelle {

// Whether a file's bytes can be shown as text: a zero byte would end the text in the memo and silently
// drop the rest, so a file holding one is not plain text. Every other byte is a character of the code page.
bool IsPlainText(std::string_view bytes);

// Every line break (carriage return and line feed, a lone line feed, a lone carriage return) as carriage
// return and line feed, the only line break a memo shows as such.
std::string NormaliseLineBreaks(std::string_view text);

// The folder part of a file path ("C:\notes\a.txt" -> "C:\notes"); "." for a bare file name, the root
// itself for a file in a root folder ("C:\a.txt" -> "C:\", "C:a.txt" -> "C:").
std::wstring FolderOfFile(std::wstring_view path);

}  // namespace kestrelle
