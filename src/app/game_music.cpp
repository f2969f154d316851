#include "app/game_music.h"

#include "base/ascii_case.h"

namespace kestrelle {

std::string GameMusicPath(std::string_view startExePath) {
  // The program's name follows the last folder separator (or a drive's colon): a folder whose name holds
  // "uo.exe" is not the program.
  const std::size_t separator = startExePath.find_last_of("\\/:");
  const std::size_t program = separator == std::string_view::npos ? 0 : separator + 1;
  std::string path(startExePath);
  if (EqualIgnoringAsciiCase(startExePath.substr(program), "UO.EXE")) path.erase(program);
  return path + "music\\stones2.mid";
}

}  // namespace kestrelle
