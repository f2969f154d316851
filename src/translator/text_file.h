#pragma once
// Loading and saving the translator's text files. Both either succeed whole or throw with a message for
// the error box (UTF-8, naming the file), leaving what was there before untouched. File names are wide,
// so any name the system allows works; the text itself is 8-bit, as the memos and the game client take it.
#include <string>
#include <string_view>

namespace kestrelle {

// The whole file as the memo shows it (line breaks as carriage return and line feed). Throws
// std::runtime_error "Cannot open file <path>" when it can't be read, and a message saying it is not a
// plain text file when it holds a zero byte.
std::string ReadTextFile(const std::wstring& path);

// Writes text to a temporary file in the target's folder and only then puts it in the target's place, so
// a write that fails (full disk, no such folder, a read-only target) leaves the target as it was and no
// temporary file behind. Throws std::runtime_error "Cannot create file <path>".
void WriteTextFile(const std::wstring& path, std::string_view text);

}  // namespace kestrelle
