#pragma once
// Where the game keeps the tune that the about box plays: beside the game's program, in its music folder.
#include <string>
#include <string_view>

namespace kestrelle {

// The tune's path for the game's program path as the game's installation records it: a last part named
// "UO.EXE" (in any case) is cut off and "music\stones2.mid" is appended; the rest of the path keeps its
// case. A path whose program has another name is kept whole, and an empty one gives a path relative to
// the current folder.
std::wstring GameMusicPath(std::wstring_view startExePath);

}  // namespace kestrelle
