#pragma once
// Where the game keeps the tune that the about box plays: beside the game's program, in its music folder.
#include <string>
#include <string_view>

namespace kestrelle {

// The tune's path (UTF-8) for the game's program path (UTF-8) as the game's installation records it: a
// program named "UO.EXE" (in any case) is cut off and "music\stones2.mid" is appended; the rest of the path
// keeps its case. A path whose program has another name is kept whole, and an empty one gives a path
// relative to the current folder.
std::string GameMusicPath(std::string_view startExePath);

}  // namespace kestrelle
