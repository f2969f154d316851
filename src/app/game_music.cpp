#include "app/game_music.h"

#include <algorithm>

namespace kestrelle {
namespace {

// Only the ASCII letters change case, as everywhere in the program's texts.
wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace

std::wstring GameMusicPath(std::wstring_view startExePath) {
  // The program's own name follows the last folder separator or drive colon; a folder whose name merely
  // contains "uo.exe" is not the program.
  const std::size_t separator = startExePath.find_last_of(L"\\/:");
  const std::size_t program = separator == std::wstring_view::npos ? 0 : separator + 1;
  std::wstring path(startExePath);
  if (EqualIgnoringAsciiCase(startExePath.substr(program), L"UO.EXE")) path.erase(program);
  return path + L"music\\stones2.mid";
}

}  // namespace kestrelle
