#include "translator/game_client_class.h"

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

// The program path and title of a window; asking for either when the class alone settles it is a fault.
struct KindCase {
  const char* className;
  std::optional<std::string> programPath;  // nothing: it cannot be read
  const char* title;
  GameClientKind kind;
  bool looksIntoProcess;
};

TEST(GameClientClass, KindByClassThenProgramFileThenTitle) {
  using enum GameClientKind;
  const std::string cuo = "C:\\Games\\ClassicUO\\ClassicUO.exe";
  const KindCase cases[] = {
      {"Ultima Online", cuo, "ClassicUO", Classic, false},
      {"Orion UO Client", std::nullopt, "Ultima Online - Bob", Orion, false},
      {"orion uo client", std::nullopt, "", None, false},
      {"Other", cuo, "Ultima Online", None, false},
      {"Chrome_WidgetWin_1", cuo, "ClassicUO - Launcher", None, false},
      {"SDL_app", cuo, "UO - Bob", ClassicUO, true},
      {"SDL_app", "Z:/home/p/cuo/CLASSICUO.EXE", "", ClassicUO, true},
      {"SDL_app", "classicuo.exe", "", ClassicUO, true},
      {"SDL_app", "C:\\ClassicUO.exe\\game.exe", "ClassicUO - 1.0", None, true},
      {"SDL_app", "C:\\ClassicUO.exe.bak", "", None, true},
      {"SDL_app", "C:\\MyClassicUO.exe", "", None, true},
      {"SDL_app", std::nullopt, "Bob - ClassicUO - 1.1.0", ClassicUO, true},
      {"SDL_app", std::nullopt, "UO - Bob", None, true},
      {"SDL_app", std::nullopt, "classicuo", None, true},
      {"sdl_app", cuo, "ClassicUO", None, false},
  };
  for (const KindCase& c : cases) {
    bool looked = false;
    const GameClientKind kind = GameClientKindOf(
        c.className, [&] { looked = true; return c.programPath; }, [&] { looked = true; return c.title; });
    EXPECT_EQ(kind, c.kind) << c.className << " " << c.programPath.value_or("(unreadable)") << " " << c.title;
    EXPECT_EQ(looked, c.looksIntoProcess) << c.className;
  }
}

}  // namespace
}  // namespace kestrelle
