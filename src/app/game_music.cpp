#include "app/game_music.h"

#include <algorithm>

namespace kestrelle {
namespace {

// Only the ASCII letters change case, as everywhere in the program's texts.
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string GameMusicPath(std::string_view startExePath) {
  // The program's name follows the last folder separator (or a drive's colon): a folder whose name holds
  // "uo.exe" is not the program.
  const std::size_t separator = startExePath.find_last_of("\\/:");
  const std::size_t program = separator == std::string_view::npos ? 0 : separator + 1;
  std::string name(startExePath.substr(program));
  std::transform(name.begin(), name.end(), name.begin(), AsciiUpper);
  std::string path(startExePath);
  if (name == "UO.EXE") path.erase(program);
  return path + "music\\stones2.mid";
}

}  // namespace kestrelle
