#pragma once
// Loading and saving the translator's text files. Both either succeed whole or throw with a message for
// the error box (UTF-8, naming the file), leaving what was there before untouched. File names are wide,
// so any name the system allows works; the text is UTF-8, as all of the program's text, and the file keeps
// its own encoding (UTF-8, UTF-16 or the system code page's 8-bit text) and line break.
#include <optional>
#include <string>
#include <string_view>

#include "translator/text_file_content.h"

namespace kestrelle {

// The whole file as the memo shows it (line breaks as carriage return and line feed), with the encoding it
// came in. Throws std::runtime_error "Cannot open file <path>: <why>" when it can't be read (with the
// system's reason), when it is a device or pipe rather than a file on disk, and for every reason that
// MemoTextOfFile gives.
MemoFileText ReadTextFile(const std::wstring& path);

// Writes text to a temporary file in the target's folder and only then puts it in the target's place, so
// a write that fails (full disk, no such folder, a read-only target) leaves the target as it was and no
// temporary file behind. Paths of any length work. Throws std::runtime_error "Cannot create file <path>:
// <the system's reason>", or "Cannot write file ..." when the file was made but could not be filled. In
// the code page's 8-bit text, a letter the code page lacks is refused the same way (see
// LetterTheCodePageLacks), never written as another. Every line break is written as lineEnd.
void WriteTextFile(const std::wstring& path, std::string_view text, TextEncoding encoding, LineEnd lineEnd);

// The first letter of the text that the system's 8-bit code page lacks, if any: a text that holds one can
// be saved in a Unicode encoding only.
std::optional<LetterNotHeld> LetterTheCodePageLacks(std::string_view text);

}  // namespace kestrelle
