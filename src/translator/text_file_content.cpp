#include "translator/text_file_content.h"

#include <algorithm>

namespace kestrelle {

bool IsPlainText(std::string_view text) { return text.find('\0') == std::string_view::npos; }

std::size_t LongestLine(std::string_view text) {
  std::size_t longest = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    longest = std::max(longest, Utf16Length(text.substr(start, end - start)));
    if (end == text.size()) return longest;
    start = end + 1;
  }
}

std::string NormaliseLineBreaks(std::string_view text) { return WithLineEnds(text, LineEnd::CrLf); }

LineEnd FirstLineEnd(std::string_view text) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos) return kNewFileLineEnd;
  if (text[end] == '\n') return LineEnd::Lf;
  return end + 1 < text.size() && text[end + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

std::string WithLineEnds(std::string_view text, LineEnd lineEnd) {
  const std::string_view lineBreak = lineEnd == LineEnd::CrLf ? "\r\n" : lineEnd == LineEnd::Lf ? "\n" : "\r";
  std::string result;
  result.reserve(text.size() + text.size() / 32);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += lineBreak;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += c;
    }
  }
  return result;
}

std::string TooLargeReason(const std::string& what) {
  return what + "; " + kLargeTextAdvice;
}

namespace {

const std::string kMemoLimit = "the memo's limit of " + std::to_string(kMemoTextLimit) + " characters";

}  // namespace

std::string LargerThanTheMemoReason() { return TooLargeReason("it is larger than " + kMemoLimit); }

namespace {

std::string_view EncodingName(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE ? "UTF-16" : "UTF-8";
}

std::u32string CharactersOfFile(std::string_view bytes, TextEncoding encoding, const CodePage& codePage) {
  if (encoding == TextEncoding::CodePage) return codePage.ToCharacters(bytes);
  std::optional<std::u32string> characters = DecodeUnicode(bytes, encoding);
  if (!characters) throw FileTextError("it is not valid " + std::string(EncodingName(encoding)) + " text");
  return std::move(*characters);
}

}  // namespace

MemoFileText MemoTextOfFile(std::string_view bytes, const CodePage& codePage) {
  const TextEncoding encoding = DetectEncoding(bytes);
  const std::string text = Utf8FromCharacters(CharactersOfFile(bytes, encoding, codePage));
  if (!IsPlainText(text)) throw FileTextError("it is not a plain text file");
  if (LongestLine(text) > kMemoLineLimit) {
    throw FileTextError(TooLargeReason("it has a line longer than the memo's limit of " +
                                       std::to_string(kMemoLineLimit) + " characters"));
  }
  std::string shown = NormaliseLineBreaks(text);
  const std::size_t length = Utf16Length(shown);
  if (length > kMemoTextLimit && Utf16Length(text) > kMemoTextLimit) throw FileTextError(LargerThanTheMemoReason());
  if (length > kMemoTextLimit) {
    // A file of lone line feeds grows as the memo holds it: the message says why a smaller file is refused.
    throw FileTextError(TooLargeReason("with each line break as carriage return and line feed, as the memo holds it, "
                                       "it takes " + std::to_string(length) + " characters, more than " +
                                       kMemoLimit));
  }
  return {std::move(shown), encoding, FirstLineEnd(text)};
}

std::optional<LetterNotHeld> FirstLetterNotHeld(std::string_view text, const CodePage& codePage) {
  const std::u32string characters = CharactersOfUtf8(text);
  if (codePage.FromCharacters(characters)) return std::nullopt;  // at once, rather than letter by letter
  const auto notHeld =
      std::find_if(characters.begin(), characters.end(), [&codePage](char32_t c) { return !codePage.Holds(c); });
  if (notHeld == characters.end()) return std::nullopt;
  const auto index = static_cast<std::size_t>(notHeld - characters.begin());
  return LetterNotHeld{*notHeld, LineOfCharacter(characters, index)};
}

std::string DescribeLetterNotHeld(const LetterNotHeld& notHeld) {
  return "line " + std::to_string(notHeld.line) + " holds the letter " + DescribeCharacter(notHeld.letter);
}

std::string FileBytesOfMemoText(std::string_view text, TextEncoding encoding, const CodePage& codePage) {
  const std::u32string characters = CharactersOfUtf8(text);
  if (encoding != TextEncoding::CodePage) return EncodeUnicode(characters, encoding);
  if (std::optional<std::string> bytes = codePage.FromCharacters(characters)) return std::move(*bytes);
  const std::optional<LetterNotHeld> notHeld = FirstLetterNotHeld(text, codePage);
  throw FileTextError((notHeld ? DescribeLetterNotHeld(*notHeld) : std::string("it holds letters")) +
                      ", which the system's 8-bit code page, the file's encoding, lacks");
}

std::wstring FolderOfFile(std::wstring_view path) {
  const size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring_view::npos) {
    const size_t drive = path.find(L':');
    return drive == std::wstring_view::npos ? L"." : std::wstring(path.substr(0, drive + 1));
  }
  // A separator right after the drive (or at the very start) belongs to the root folder's name.
  const bool root = separator == 0 || path[separator - 1] == L':';
  return std::wstring(path.substr(0, root ? separator + 1 : separator));
}

std::wstring ExtendedLengthPath(std::wstring_view fullPath) {
  if (fullPath.starts_with(L"\\\\?\\") || fullPath.starts_with(L"\\\\.\\")) return std::wstring(fullPath);
  if (fullPath.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + std::wstring(fullPath.substr(2));
  return L"\\\\?\\" + std::wstring(fullPath);
}

}  // namespace kestrelle
