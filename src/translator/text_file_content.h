#pragma once
// What the translator's memos take from a text file and where a file is saved: the test for plain text,
// the limits of the input memo, line breaks as the memos show them, the folder beside a file for its
// temporary copy, and the form of a path that the system takes at any length.
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelle {

// Whether a file's bytes can be shown as text: a zero byte would end the text in the memo and silently
// drop the rest, so a file holding one is not plain text. Every other byte is a character of the code page.
bool IsPlainText(std::string_view bytes);

// The most the input memo holds, typed, pasted or opened. A chat memo is no place for a book: the system's
// edit control lays out a long text, and above all a long line, so slowly that the window would freeze
// for seconds to minutes; kestrelle-translate takes texts of any size.
inline constexpr std::size_t kMemoTextLimit = 32768;
inline constexpr std::size_t kMemoLineLimit = 2048;

// The length of the longest line, line breaks not counted.
std::size_t LongestLine(std::string_view text);

// Every line break (carriage return and line feed, a lone line feed, a lone carriage return) as carriage
// return and line feed, the only line break a memo shows as such.
std::string NormaliseLineBreaks(std::string_view text);

// The folder part of a file path ("C:\notes\a.txt" -> "C:\notes"); "." for a bare file name, the root
// itself for a file in a root folder ("C:\a.txt" -> "C:\", "C:a.txt" -> "C:").
std::wstring FolderOfFile(std::wstring_view path);

// A full path ("C:\notes\a.txt", "\\server\share\a.txt") in the form that lifts the system's limit of
// 260 characters ("\\?\C:\notes\a.txt", "\\?\UNC\server\share\a.txt"); a path already in that
// form and a device path ("\\.\nul") stay as they are.
std::wstring ExtendedLengthPath(std::wstring_view fullPath);

}  // namespace kestrelle
