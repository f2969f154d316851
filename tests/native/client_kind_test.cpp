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

TEST(GameClientClass, KindByClassThenProgramFileThenTitle) {
  using enum GameClientKind;
  constexpr auto unreadable = std::nullopt;
  const struct {
    const char* className;
    std::optional<std::string> programPath;
    const char* title;
    GameClientKind kind;
  } cases[] = {
      {"Ultima Online", "C:\\UO\\ClassicUO.exe", "ClassicUO", Classic},
      {"Orion UO Client", unreadable, "Ultima Online - Bob", Orion},
      {"Other", unreadable, "Ultima Online", None},
      {"Launcher", "C:\\CUO\\ClassicUO.exe", "ClassicUO Launcher", None},
      {"SDL_app", "C:\\Games\\ClassicUO\\ClassicUO.exe", "UO - Bob", ClassicUO},
      {"SDL_app", "Z:/home/bob/cuo/CLASSICUO.EXE", "", ClassicUO},
      {"SDL_app", "C:\\ClassicUO.exe\\game.exe", "ClassicUO - 1.0", None},
      {"SDL_app", "C:\\MyClassicUO.exe", "", None},
      {"SDL_app", unreadable, "Bob - ClassicUO - 1.1.0", ClassicUO},
      {"SDL_app", unreadable, "classicuo", None},
      {"sdl_app", "ClassicUO.exe", "ClassicUO", None},
  };
  for (const auto& c : cases) {
    const GameClientKind kind =
        GameClientKindOf(c.className, [&] { return c.programPath; }, [&] { return c.title; });
    EXPECT_EQ(kind, c.kind) << c.className << " " << c.programPath.value_or("(unreadable)") << " " << c.title;
  }
}

}  // namespace
}  // namespace kestrelle
