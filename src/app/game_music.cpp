#include "app/game_music.h"

#include <algorithm>

namespace kestrelle {
namespace {

// Only the ASCII letters change case, as everywhere in the program's texts.
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string GameMusicPath(std::string_view startExePath) {
  std::string upper(startExePath);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  std::string path(startExePath);
  if (const std::size_t program = upper.find("UO.EXE"); program != std::string::npos) path.erase(program);
  return path + "music\\stones2.mid";
}

}  // namespace kestrelle
