#pragma once
// Which windows are game clients, and of which kind. Three clients are in use: the classic client and
// Orion, known by their window classes, and ClassicUO, an SDL program whose window bears SDL's default
// class; that class is shared by every SDL program, so ClassicUO is told apart by its program file (or, when
// that cannot be read, by its title; the title alone is not enough, plug-ins replace it).
// ClassicUO's Linux build runs outside Wine as a native X window: there the program file is named
// ClassicUO without an extension, and SDL names the window's WM_CLASS after it.
#include <optional>
#include <string>
#include <string_view>

#include "base/ascii_case.h"

namespace kestrelle {

inline constexpr std::string_view kGameClientClass = "Ultima Online";
inline constexpr std::string_view kOrionClientClass = "Orion UO Client";
inline constexpr std::string_view kSdlWindowClass = "SDL_app";
inline constexpr std::string_view kClassicUOProgram = "ClassicUO.exe";
inline constexpr std::string_view kClassicUOTitleMark = "ClassicUO";
inline constexpr std::string_view kNativeClassicUOProgram = "ClassicUO";

enum class GameClientKind {
  None,       // not a game client
  Classic,    // takes WM_CHAR, character 13 ends a line
  Orion,      // typed as the classic client
  ClassicUO,  // takes WM_CHAR only while in front; a line ends with a Return key press
};

// Class names are compared whole and with their letter case.
inline bool IsGameClientClass(std::string_view className) { return className == kGameClientClass; }

// The last component of a path, after either slash.
inline std::string_view FileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// True when the last component of a program path (either slash) is ClassicUO.exe in any letter case.
inline bool IsClassicUOProgram(std::string_view programPath) {
  return EqualIgnoringAsciiCase(FileNameOf(programPath), kClassicUOProgram);
}

// The kind of a top-level window. programPath() (the path of the window's program file, or nothing when
// it cannot be read) and title() are asked only for SDL windows, as reading them costs a look into
// another process.
template <typename ProgramPath, typename Title>
GameClientKind GameClientKindOf(std::string_view className, ProgramPath programPath, Title title) {
  if (IsGameClientClass(className)) return GameClientKind::Classic;
  if (className == kOrionClientClass) return GameClientKind::Orion;
  if (className != kSdlWindowClass) return GameClientKind::None;
  const std::optional<std::string> program = programPath();
  const bool classicUO = program ? IsClassicUOProgram(*program)
                                 : std::string(title()).find(kClassicUOTitleMark) != std::string::npos;
  return classicUO ? GameClientKind::ClassicUO : GameClientKind::None;
}

// The kind of a native top-level X window from its process's program path (/proc/PID/exe, or nothing when
// it cannot be read) and the class part of its WM_CLASS. Linux file names keep their letter case, so both
// compare whole and exactly: Wine's own windows, of a ClassicUO.exe under Wine, have the class
// "classicuo.exe" and the program wine64-preloader, and are left to the Windows side. The title is never
// looked at: other programs may carry "ClassicUO" in theirs.
inline GameClientKind NativeClientKindOf(const std::optional<std::string>& programPath, std::string_view windowClass) {
  const bool program = programPath && FileNameOf(*programPath) == kNativeClassicUOProgram;
  return program || windowClass == kNativeClassicUOProgram ? GameClientKind::ClassicUO : GameClientKind::None;
}

}  // namespace kestrelle
