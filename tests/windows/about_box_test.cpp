// The about box: where it opens, its credits on the first opening and the labels afterwards, the version
// label, and the game's tune from the path the game's setup records (played through a stand-in, as this
// machine may have no media device).

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/about_box.h"
#include "app/game_installation.h"
#include "test_support.h"
#include "version.h"

namespace kestrelle {
namespace {

using Calls = std::vector<std::wstring>;

// Stands in for the media device: records what the box asks of it, and opens any file unless told to
// refuse it.
class StandInPlayer : public ui::MediaPlayer {
 public:
  Calls calls;
  bool refuseOpen = false;

  void Open(const std::wstring& fileName) override {
    calls.push_back(L"open " + fileName);
    if (refuseOpen) throw std::runtime_error("The device cannot play this file");
    open_ = true;
  }
  bool IsOpen() const override { return open_; }
  void SeekToStart() override { calls.push_back(L"seek"); }
  void Play() override { calls.push_back(L"play"); }
  void Stop() override { calls.push_back(L"stop"); }
  void Close() override {
    calls.push_back(L"close");
    open_ = false;
  }

  Calls Take() { return std::exchange(calls, {}); }

 private:
  bool open_ = false;
};

struct BoxWithStandIn {
  BoxWithStandIn() : player(new StandInPlayer), box(std::unique_ptr<ui::MediaPlayer>(player)) {}
  StandInPlayer* player;  // owned by the box
  TAboutBox box;
};

// The game's key as the game's setup records it, made for a test with the program path given (or without
// the value) and removed afterwards with its maker's key. Not made where that key is there already.
class RecordedGameInstallation {
 public:
  explicit RecordedGameInstallation(const std::optional<std::wstring>& startExePath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Origin Worlds Online", 0, KEY_READ | kGameKeyView, &key) ==
        ERROR_SUCCESS) {
      RegCloseKey(key);
      return;
    }
    made_ = RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Origin Worlds Online\\Ultima Online\\1.0", 0, nullptr, 0,
                            KEY_WRITE | kGameKeyView, nullptr, &key, nullptr) == ERROR_SUCCESS;
    const ui::RegistryKeyHandle made(key);
    if (made_ && startExePath) {
      RegSetValueExW(key, L"StartExePath", 0, REG_SZ, reinterpret_cast<const BYTE*>(startExePath->c_str()),
                     static_cast<DWORD>((startExePath->size() + 1) * sizeof(wchar_t)));
    }
  }
  ~RecordedGameInstallation() {
    if (!made_) return;
    HKEY software = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | kGameKeyView, &software);
    const ui::RegistryKeyHandle opened(software);
    RegDeleteTreeA(software, "Origin Worlds Online");
  }
  RecordedGameInstallation(const RecordedGameInstallation&) = delete;
  RecordedGameInstallation& operator=(const RecordedGameInstallation&) = delete;

  bool Made() const { return made_; }

 private:
  bool made_ = false;
};

// A game folder with the tune in its music folder (a file no device plays), removed afterwards.
struct GameFolder {
  explicit GameFolder(const std::wstring& name = L"kestrelle-game-")
      : path(std::filesystem::temp_directory_path() / (name + std::to_wstring(GetCurrentProcessId()))) {
    std::filesystem::create_directories(path / "music");
    std::ofstream(path / "music" / "stones2.mid") << "MThd";
  }
  ~GameFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  const std::filesystem::path path;
};

// The first opening is centred on the screen and scrolls the credits until they end or the box closes;
// later ones are centred over the main window and show the copyright and comments instead.
TEST(AboutBox, OpeningsFirstWithTheCreditsThenWithTheLabels) {
  auto form = test::ShowMainForm();
  const std::string version =
      "Version " + std::to_string(KESTRELLE_VERSION_MAJOR) + "." + std::to_string(KESTRELLE_VERSION_MINOR);
  const struct {
    const char* name;
    bool runToTheEnd;
  } firstOpenings[] = {{"the credits run to their end", true}, {"the box closes during the run", false}};
  for (const auto& first : firstOpenings) {
    SCOPED_TRACE(first.name);
    form->MoveTo(20, 30);
    BoxWithStandIn about;
    TAboutBox& box = about.box;
    box.Show();
    ui::Rect placed = box.Bounds();
    EXPECT_EQ(placed.left, std::max(0, (GetSystemMetrics(SM_CXSCREEN) - placed.width) / 2));
    EXPECT_EQ(placed.top, std::max(0, (GetSystemMetrics(SM_CYSCREEN) - placed.height) / 2));
    EXPECT_EQ(box.Version.Text(), version);
    EXPECT_TRUE(box.Marquee1.Visible());
    EXPECT_TRUE(box.Marquee1.Active());
    if (first.runToTheEnd) {
      for (int tick = 0; tick < 100000 && box.Marquee1.Active(); ++tick) box.Marquee1.Step();
      EXPECT_FALSE(box.Marquee1.Visible()) << "hidden as the credits end";
    }
    box.Hide();
    EXPECT_FALSE(box.Marquee1.Active());

    for (const POINT mainAt : {POINT{20, 30}, POINT{400, 200}}) {
      form->MoveTo(mainAt.x, mainAt.y);
      box.Show();
      placed = box.Bounds();
      const ui::Rect main = form->Bounds();
      EXPECT_EQ(placed.left, main.left + (main.width - placed.width) / 2);
      EXPECT_EQ(placed.top, main.top + (main.height - placed.height) / 2);
      EXPECT_FALSE(box.Marquee1.Visible()) << "the labels show";
      box.Hide();
    }
  }
}

// The tune loops while the box is open; the version and the credits show whatever becomes of it.
TEST(AboutBox, GameTunePlaysInALoopWhileTheBoxIsOpen) {
  const GameFolder game;
  const GameFolder foreignScript(L"\u30b2\u30fc\u30e0-");  // outside the system code page
  const auto tune = [](const GameFolder& folder) { return L"open " + (folder.path / L"music\\stones2.mid").wstring(); };
  const struct {
    const char* name;
    std::optional<std::wstring> startExePath;
    bool refuseOpen;
    Calls opening;
    Calls closing;
  } cases[] = {
      {"game installed", game.path.wstring() + L"\\uo.exe", false, {tune(game), L"seek", L"play"}, {L"stop", L"close"}},
      {"game in a folder named in another script", foreignScript.path.wstring() + L"\\UO.EXE", false,
       {tune(foreignScript), L"seek", L"play"}, {L"stop", L"close"}},
      {"no program path recorded", std::nullopt, false, {}, {}},
      // Nothing was opened, so closing the box has nothing to stop.
      {"device refuses the tune", game.path.wstring() + L"\\uo.exe", true, {tune(game)}, {}},
  };
  const std::string version = "Version " + std::to_string(KESTRELLE_VERSION_MAJOR) + "." + std::to_string(KESTRELLE_VERSION_MINOR);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RecordedGameInstallation installation(c.startExePath);
    if (!installation.Made()) GTEST_SKIP() << "the game's installation is recorded on this machine";
    BoxWithStandIn about;
    about.player->refuseOpen = c.refuseOpen;
    for (int opening = 1; opening <= 2; ++opening) {
      SCOPED_TRACE("opening " + std::to_string(opening));
      test::ErrorBoxWatcher watcher("Kestrelle");
      about.box.Show();
      EXPECT_FALSE(watcher.StopWatching().found) << "no error box";
      EXPECT_EQ(about.player->Take(), c.opening);
      EXPECT_EQ(about.box.Marquee1.Active(), opening == 1) << "the credits run at the first opening only";
      EXPECT_EQ(about.box.Version.Text(), version);
      if (about.player->IsOpen()) {
        for (const auto& [end, again] : {std::pair{ui::PlayEnd::Finished, Calls{L"play"}}, {ui::PlayEnd::Aborted, Calls{}},
                                         {ui::PlayEnd::Superseded, Calls{}}, {ui::PlayEnd::Failed, Calls{}}}) {
          about.player->onNotify(end);
          EXPECT_EQ(about.player->Take(), again) << "the end of a play while open: " << static_cast<int>(end);
        }
      }
      about.box.Hide();
      EXPECT_EQ(about.player->Take(), c.closing);
      about.player->onNotify(ui::PlayEnd::Finished);
      EXPECT_EQ(about.player->Take(), Calls{}) << "the end of a play after closing";
    }
  }
}

// The system's own device, given a file it cannot play: the box opens whole, silently.
TEST(AboutBox, SystemDeviceRefusingTheTuneLeavesTheRestOfTheBox) {
  const GameFolder game;
  const RecordedGameInstallation installation(game.path.wstring() + L"\\uo.exe");
  if (!installation.Made()) GTEST_SKIP() << "the game's installation is recorded on this machine";
  TAboutBox box;
  test::ErrorBoxWatcher watcher("Kestrelle");
  box.Show();
  EXPECT_FALSE(watcher.StopWatching().found) << watcher.Result().message;
  EXPECT_TRUE(box.Marquee1.Active());
  EXPECT_NE(box.Version.Text(), "1.0");
  box.Hide();
}

}  // namespace
}  // namespace kestrelle
