#pragma once
// What the translator's memos take from a text file and where a file is saved: the test for plain text,
// the limits of the input memo, line breaks as the memos show them, a file's encoding to the memo's text
// (UTF-8, as all of the program's text) and back, the folder beside a file for its temporary copy, and the
// form of a path that the system takes at any length.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "speech/text_encoding.h"

namespace kestrelle {

// Whether a text can be shown: a zero character would end the text in the memo and silently drop the
// rest, so a file holding one is not plain text. Every other character is shown.
bool IsPlainText(std::string_view text);

// The most the input memo holds, typed, pasted or opened, in characters as the system's text box counts
// them (UTF-16 units: a line break counts two, a character beyond the first 65536, such as an emoji, two).
// A chat memo is no place for a book: the system's edit control lays out a long text, and above all a long
// line, so slowly that the window would freeze for seconds to minutes; kestrelle-translate takes texts of
// any size.
inline constexpr std::size_t kMemoTextLimit = 32768;
inline constexpr std::size_t kMemoLineLimit = 2048;

// The length of the longest line in characters as the memo counts them, line breaks not counted.
std::size_t LongestLine(std::string_view text);

// Every line break (carriage return and line feed, a lone line feed, a lone carriage return) as carriage
// return and line feed, the only line break a memo shows as such.
std::string NormaliseLineBreaks(std::string_view text);

// The line break a file keeps when it is saved again, as it keeps its encoding.
enum class LineEnd { CrLf, Lf, Cr };
inline constexpr LineEnd kNewFileLineEnd = LineEnd::CrLf;
// The line break that ends a text's first line; a text of one line takes the one new files get. A file
// whose lines end in different ways is saved in its first line's way.
LineEnd FirstLineEnd(std::string_view text);
// Every line break of a text (as NormaliseLineBreaks takes them) as the one given.
std::string WithLineEnds(std::string_view text, LineEnd lineEnd);

// The system's 8-bit code page, in which files older than Unicode come: the window side gives the system's
// conversions, tests a code page of their own.
class CodePage {
 public:
  virtual ~CodePage() = default;
  // Nothing when a character is not held: the system would put another in its place without a word.
  virtual std::optional<std::string> FromCharacters(std::u32string_view characters) const = 0;
  virtual bool Holds(char32_t character) const = 0;
  virtual std::u32string ToCharacters(std::string_view text) const = 0;
};

// Why a file's text cannot go into the input memo or into a file, as the part of the message after the
// file's name.
class FileTextError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MemoFileText {
  std::string text;       // UTF-8, as the memo shows it, line breaks as carriage return and line feed
  TextEncoding encoding = kNewFileEncoding;  // what Save writes it back in
  LineEnd lineEnd = kNewFileLineEnd;         // and the line break it writes
};

// The most a file may hold for its text to fit the memo: three bytes of UTF-8 may be one character of the
// memo. A larger file is refused before it is read whole.
inline constexpr std::size_t kMostFileBytes = 3 * kMemoTextLimit + kUtf8Mark.size();
// What a text over the memo's limits is pointed to.
inline constexpr const char* kLargeTextAdvice = "translate large texts with kestrelle-translate";
// The reason given for a file over the memo's limits: what is too large, and the advice.
std::string TooLargeReason(const std::string& what);
// The reason given for a file larger than the memo holds.
std::string LargerThanTheMemoReason();

// A file's text as the input memo shows it, whatever letters it holds. Throws FileTextError when it is not
// plain text (it holds a zero character), breaks its Unicode encoding, or is over the memo's limits.
MemoFileText MemoTextOfFile(std::string_view bytes, const CodePage& codePage);

// A letter of a text that a code page lacks, and the line (from 1) that holds it.
struct LetterNotHeld {
  char32_t letter;
  std::size_t line;
};
// The first letter of the memo's text that the code page lacks, if any.
std::optional<LetterNotHeld> FirstLetterNotHeld(std::string_view text, const CodePage& codePage);
// The letter for a message: "line 2 holds the letter ... (U+03BB)".
std::string DescribeLetterNotHeld(const LetterNotHeld& notHeld);

// The memo's text as the bytes of a file in the encoding given (with its byte-order mark, if it has one).
// Throws FileTextError for the code page's 8-bit text when the code page lacks a letter of the text, which
// it would otherwise turn into another.
std::string FileBytesOfMemoText(std::string_view text, TextEncoding encoding, const CodePage& codePage);
// The folder part of a file path ("C:\notes\a.txt" -> "C:\notes"); "." for a bare file name, the root
// itself for a file in a root folder ("C:\a.txt" -> "C:\", "C:a.txt" -> "C:").
std::wstring FolderOfFile(std::wstring_view path);

// A full path ("C:\notes\a.txt", "\\server\share\a.txt") in the form that lifts the system's limit of
// 260 characters ("\\?\C:\notes\a.txt", "\\?\UNC\server\share\a.txt"); a path already in that
// form and a device path ("\\.\nul") stay as they are.
std::wstring ExtendedLengthPath(std::wstring_view fullPath);

}  // namespace kestrelle
