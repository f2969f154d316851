#include "translator/text_file_content.h"

#include <algorithm>

namespace kestrelle {

bool IsPlainText(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos; }

std::size_t LongestLine(std::string_view text) {
  std::size_t longest = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    longest = std::max(longest, end - start);
    if (end == text.size()) return longest;
    start = end + 1;
  }
}

std::string NormaliseLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 32);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += "\r\n";
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

const std::string kMemoLimit = "the memo's limit of " + std::to_string(kMemoTextLimit / 1024) + " KB";

}  // namespace

std::string LargerThanTheMemoReason() { return TooLargeReason("it is larger than " + kMemoLimit); }

namespace {

std::string_view EncodingName(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE ? "UTF-16" : "UTF-8";
}

// The memo's text of a file in a Unicode encoding, every character of it held by the code page.
std::string CodePageTextOf(std::string_view bytes, TextEncoding encoding, const CodePage& codePage) {
  const std::optional<std::u32string> characters = DecodeUnicode(bytes, encoding);
  if (!characters) throw FileTextError("it is not valid " + std::string(EncodingName(encoding)) + " text");
  std::optional<std::string> text = codePage.FromCharacters(*characters);
  if (text) return std::move(*text);
  const auto notHeld = std::find_if(characters->begin(), characters->end(),
                                    [&codePage](char32_t c) { return !codePage.Holds(c); });
  std::string what = "it holds characters";
  if (notHeld != characters->end()) {
    const auto index = static_cast<std::size_t>(notHeld - characters->begin());
    what = "line " + std::to_string(LineOfCharacter(*characters, index)) + " holds the character " +
           DescribeCharacter(*notHeld) + ",";
  }
  throw FileTextError(what + " " + kNotHeldReason);
}

}  // namespace

MemoFileText MemoTextOfFile(std::string_view bytes, const CodePage& codePage) {
  const TextEncoding encoding = DetectEncoding(bytes);
  std::string text =
      encoding == TextEncoding::CodePage ? std::string(bytes) : CodePageTextOf(bytes, encoding, codePage);
  if (!IsPlainText(text)) throw FileTextError("it is not a plain text file");
  if (LongestLine(text) > kMemoLineLimit) {
    throw FileTextError(TooLargeReason("it has a line longer than the memo's limit of " +
                                       std::to_string(kMemoLineLimit) + " characters"));
  }
  std::string shown = NormaliseLineBreaks(text);
  if (shown.size() > kMemoTextLimit && text.size() > kMemoTextLimit) throw FileTextError(LargerThanTheMemoReason());
  if (shown.size() > kMemoTextLimit) {
    // A file of lone line feeds grows as the memo holds it: the message says why a smaller file is refused.
    throw FileTextError(TooLargeReason("with each line break as carriage return and line feed, as the memo holds it, "
                                       "it takes " + std::to_string(shown.size()) + " characters, more than " +
                                       kMemoLimit));
  }
  return {std::move(shown), encoding};
}

std::string FileBytesOfMemoText(std::string_view text, TextEncoding encoding, const CodePage& codePage) {
  if (encoding == TextEncoding::CodePage) return std::string(text);
  return EncodeUnicode(codePage.ToCharacters(text), encoding);
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
