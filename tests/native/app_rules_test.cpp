// The rules of the application shell: the single-instance marker's name, where the game's tune is found,
// and the shape of the credits.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/credits.h"
#include "app/game_music.h"
#include "app/instance_marker.h"

namespace kestrelle {
namespace {

TEST(InstanceMarkerName, TakesTheFirstTwentyCharactersOfTheTitle) {
  const struct {
    const char* title;
    const char* name;
  } cases[] = {
      {"Kestrelle", "OnlyOneKestrelle"},
      {"", "OnlyOne"},
      {"Twenty characters!!!", "OnlyOneTwenty characters!!!"},
      {"Twenty characters!!! and more", "OnlyOneTwenty characters!!!"},
  };
  for (const auto& c : cases) EXPECT_EQ(InstanceMarkerName(c.title), c.name) << c.title;
  EXPECT_EQ(InstanceMarkerName("Kestrelle companion A"), InstanceMarkerName("Kestrelle companion B"));
  EXPECT_NE(InstanceMarkerName("Kestrelle companionA"), InstanceMarkerName("Kestrelle companionB"));
}

TEST(GameMusicPath, ReplacesTheGameProgramByTheTune) {
  const struct {
    const char* startExePath;
    const char* music;
  } cases[] = {
      {"C:\\Games\\UO\\uo.exe", "C:\\Games\\UO\\music\\stones2.mid"},
      {"D:\\Origin\\Ultima\\UO.EXE", "D:\\Origin\\Ultima\\music\\stones2.mid"},
      {"C:\\Games\\Uo.Exe\\uo.exe", "C:\\Games\\Uo.Exe\\music\\stones2.mid"},  // the program only
      {"C:\\Games\\client.exe", "C:\\Games\\client.exemusic\\stones2.mid"},
      {"", "music\\stones2.mid"},
  };
  for (const auto& c : cases) EXPECT_EQ(GameMusicPath(c.startExePath), c.music) << c.startExePath;
}

TEST(Credits, NinetySixLinesFortyOneBlankNoneWiderThanTheControl) {
  const auto& lines = CreditLines();
  EXPECT_EQ(lines.size(), 96u);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 41);
  for (const std::string& line : lines) EXPECT_LE(line.size(), 51u) << line;
}

}  // namespace
}  // namespace kestrelle
