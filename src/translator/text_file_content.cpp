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
