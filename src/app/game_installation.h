#pragma once
// The game's installation as its setup recorded it in the registry, read only.

#include <windows.h>

#include <string>

namespace kestrelle {

// An absolute key path under HKEY_LOCAL_MACHINE, and the value that holds the game's program path.
inline constexpr const wchar_t* kGameKeyPath = L"\\SOFTWARE\\Origin Worlds Online\\Ultima Online\\1.0";
inline constexpr const wchar_t* kGameProgramValue = L"StartExePath";
// The game is a 32-bit program, so its setup writes to the registry's 32-bit view; a 64-bit build of
// this program has to ask for that view (a 32-bit build reads it anyway).
inline constexpr REGSAM kGameKeyView = KEY_WOW64_32KEY;

// The game's program path in UTF-8, read wide so that any folder name survives; empty when the key or the
// value is missing. Throws when the value is not text.
std::string ReadGameProgramPath();

}  // namespace kestrelle
