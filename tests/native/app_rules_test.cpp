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
    const wchar_t* startExePath;
    const wchar_t* music;
  } cases[] = {
      {L"C:\\Games\\UO\\uo.exe", L"C:\\Games\\UO\\music\\stones2.mid"},
      {L"D:\\Origin\\Ultima\\UO.EXE", L"D:\\Origin\\Ultima\\music\\stones2.mid"},
      {L"C:\\Games\\Uo.Exe\\uo.exe", L"C:\\Games\\Uo.Exe\\music\\stones2.mid"},  // only the program's name
      {L"C:\\Games\\myuo.exe", L"C:\\Games\\myuo.exemusic\\stones2.mid"},
      {L"C:\\Games\\client.exe", L"C:\\Games\\client.exemusic\\stones2.mid"},
      {L"C:uo.exe", L"C:music\\stones2.mid"},
      {L"C:\\\u30b2\u30fc\u30e0\\uo.exe", L"C:\\\u30b2\u30fc\u30e0\\music\\stones2.mid"},
      {L"", L"music\\stones2.mid"},
  };
  for (const auto& c : cases) EXPECT_EQ(GameMusicPath(c.startExePath), c.music);
}

TEST(Credits, NinetySixLinesFortyOneBlankNoneWiderThanTheControl) {
  const auto& lines = CreditLines();
  EXPECT_EQ(lines.size(), 96u);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 41);
  for (const std::string& line : lines) EXPECT_LE(line.size(), 51u) << line;
}

}  // namespace
}  // namespace kestrelle
