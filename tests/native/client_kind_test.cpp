#include "game_link/client_kind.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kestrelle {
namespace {

TEST(GameClientClass, OnlyTheWholeNameInItsLetterCase) {
  EXPECT_TRUE(IsGameClientClass("Ultima Online"));
  for (const char* other : {"ultima online", "ULTIMA ONLINE", "Ultima Online 2", "Ultima Online ", "Ultima Onlin",
                            " Ultima Online", "UltimaOnline", ""}) {
    EXPECT_FALSE(IsGameClientClass(other)) << other;
  }
}

// Windows rows: window class, program path, title. Native X rows: the class part of WM_CLASS, the program
// of /proc/PID/exe, and the title, which must not count.
TEST(GameClientClass, KindByClassThenProgramFileThenTitle) {
  using enum GameClientKind;
  constexpr auto unreadable = std::nullopt;
  enum Side { Windows, NativeX };
  const struct {
    Side side;
    const char* className;
    std::optional<std::string> programPath;
    const char* title;
    GameClientKind kind;
  } cases[] = {
      {Windows, "Ultima Online", "C:\\UO\\ClassicUO.exe", "ClassicUO", Classic},
      {Windows, "Orion UO Client", unreadable, "Ultima Online - Bob", Orion},
      {Windows, "Other", unreadable, "Ultima Online", None},
      {Windows, "Launcher", "C:\\CUO\\ClassicUO.exe", "ClassicUO Launcher", None},
      {Windows, "SDL_app", "C:\\Games\\ClassicUO\\ClassicUO.exe", "UO - Bob", ClassicUO},
      {Windows, "SDL_app", "Z:/home/bob/cuo/CLASSICUO.EXE", "", ClassicUO},
      {Windows, "SDL_app", "C:\\ClassicUO.exe\\game.exe", "ClassicUO - 1.0", None},
      {Windows, "SDL_app", "C:\\MyClassicUO.exe", "", None},
      {Windows, "SDL_app", unreadable, "Bob - ClassicUO - 1.1.0", ClassicUO},
      {Windows, "SDL_app", unreadable, "classicuo", None},
      {Windows, "sdl_app", "ClassicUO.exe", "ClassicUO", None},
      {NativeX, "ClassicUO", "/home/bob/ClassicUO/ClassicUO", "ClassicUO - 1.1.0", ClassicUO},
      {NativeX, "dotnet", "/opt/cuo/ClassicUO", "UO - Bob", ClassicUO},
      {NativeX, "ClassicUO", unreadable, "UO - Bob", ClassicUO},
      {NativeX, "ClassicUO", "/usr/bin/dotnet", "", ClassicUO},
      {NativeX, "notes", "/usr/bin/notes", "ClassicUO - notes", None},
      {NativeX, "notes", unreadable, "ClassicUO - 1.1.0", None},
      {NativeX, "classicuo.exe", "/usr/lib/wine/wine64-preloader", "ClassicUO - 1.1.0", None},
      {NativeX, "classicuo", "/opt/cuo/classicuo", "ClassicUO", None},
      {NativeX, "ClassicUO.exe", "/opt/cuo/ClassicUO.exe", "ClassicUO", None},
      {NativeX, "Launcher", "/opt/cuo/ClassicUO Launcher", "ClassicUO Launcher", None},
      {NativeX, "SDL_app", "/opt/ClassicUO/game", "", None},
  };
  for (const auto& c : cases) {
    const GameClientKind kind =
        c.side == NativeX ? NativeClientKindOf(c.programPath, c.className)
                          : GameClientKindOf(c.className, [&] { return c.programPath; }, [&] { return c.title; });
    EXPECT_EQ(kind, c.kind) << c.className << " " << c.programPath.value_or("(unreadable)") << " " << c.title;
  }
}

}  // namespace
}  // namespace kestrelle
