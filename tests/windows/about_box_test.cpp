// The about box: its credits on the first opening and the labels afterwards, the version label, the game's
// tune from the path the game's setup records (played through a stand-in, as this machine may have no
// media device), and where it opens.

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

using Calls = std::vector<std::string>;

// Stands in for the media device: records what the box asks of it, and opens any file unless told to
// refuse it.
class StandInPlayer : public ui::MediaPlayer {
 public:
  Calls calls;
  bool refuseOpen = false;

  void Open(const std::string& fileName) override {
    calls.push_back("open " + fileName);
    if (refuseOpen) throw std::runtime_error("The device cannot play this file");
    open_ = true;
  }
  bool IsOpen() const override { return open_; }
  void SeekToStart() override { calls.push_back("seek"); }
  void Play() override { calls.push_back("play"); }
  void Stop() override { calls.push_back("stop"); }
  void Close() override {
    calls.push_back("close");
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

// The game's key, made for a test with the program path given (or none) and removed afterwards with
// everything in it. Not made where the game's setup has already recorded an installation.
class RecordedGameInstallation {
 public:
  explicit RecordedGameInstallation(const std::optional<std::string>& startExePath) {
    const std::string path = std::string(kGameKeyPath).substr(1);
    for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
      HKEY existing = nullptr;
      if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.substr(0, end).c_str(), 0, KEY_READ | kGameKeyView, &existing) !=
          ERROR_SUCCESS) {
        created_ = path.substr(0, end);
        break;
      }
      RegCloseKey(existing);
      if (end == std::string::npos) return;  // recorded by the game's setup: left alone
    }
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE | kGameKeyView, nullptr, &key, nullptr);
    const ui::RegistryKeyHandle made(key);
    if (startExePath) {
      RegSetValueExA(key, kGameProgramValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(startExePath->c_str()),
                     static_cast<DWORD>(startExePath->size() + 1));
    }
  }
  ~RecordedGameInstallation() {
    if (created_.empty()) return;
    const std::size_t slash = created_.rfind('\\');
    HKEY parent = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, created_.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS | kGameKeyView, &parent);
    const ui::RegistryKeyHandle opened(parent);
    RegDeleteTreeA(parent, created_.substr(slash + 1).c_str());
  }
  RecordedGameInstallation(const RecordedGameInstallation&) = delete;
  RecordedGameInstallation& operator=(const RecordedGameInstallation&) = delete;

  bool Made() const { return !created_.empty(); }

 private:
  std::string created_;  // the outermost key made for the test
};

// A game folder with the tune in its music folder, removed afterwards.
struct GameFolder {
  GameFolder() {
    std::filesystem::create_directories(path / "music");
    std::ofstream(path / "music" / "stones2.mid") << "MThd";
  }
  ~GameFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("kestrelle-game-" + std::to_string(GetCurrentProcessId()));
};

TEST(AboutBox, CreditsScrollAtTheFirstOpeningThenTheLabelsShow) {
  auto form = test::ShowMainForm();
  const std::string version =
      "Version " + std::to_string(KESTRELLE_VERSION_MAJOR) + "." + std::to_string(KESTRELLE_VERSION_MINOR);
  const struct {
    const char* name;
    bool runToTheEnd;
  } firstOpenings[] = {{"the credits run to their end", true}, {"the box closes during the run", false}};
  for (const auto& first : firstOpenings) {
    SCOPED_TRACE(first.name);
    BoxWithStandIn about;
    TAboutBox& box = about.box;
    EXPECT_EQ(box.Version.Text(), "1.0");
    box.Show();
    test::Pump();
    EXPECT_EQ(box.Version.Text(), version);
    EXPECT_TRUE(box.Marquee1.Visible());
    EXPECT_TRUE(box.Marquee1.Active());
    if (first.runToTheEnd) {
      for (int tick = 0; tick < 100000 && box.Marquee1.Active(); ++tick) box.Marquee1.Step();
      EXPECT_FALSE(box.Marquee1.Active());
      EXPECT_FALSE(box.Marquee1.Visible()) << "hidden as the credits end";
    }
    box.Hide();
    EXPECT_FALSE(box.Marquee1.Active());
    EXPECT_FALSE(box.Marquee1.Visible());

    box.Show();
    test::Pump();
    EXPECT_FALSE(box.Marquee1.Visible()) << "later openings show the labels";
    EXPECT_TRUE(IsWindowVisible(box.Copyright.Handle()));
    EXPECT_TRUE(IsWindowVisible(box.Comments.Handle()));
    box.Hide();
  }
}

TEST(AboutBox, GameTunePlaysInALoopWhileTheBoxIsOpen) {
  const GameFolder game;
  const std::string tune = "open " + game.path.string() + "\\music\\stones2.mid";
  const struct {
    const char* name;
    std::optional<std::string> startExePath;
    bool refuseOpen;
    Calls opening;
    Calls closing;
  } cases[] = {
      {"game installed", game.path.string() + "\\uo.exe", false, {tune, "seek", "play"}, {"stop", "close"}},
      {"game installed, program name in capitals", game.path.string() + "\\UO.EXE", false, {tune, "seek", "play"},
       {"stop", "close"}},
      {"no program path recorded", std::nullopt, false, {}, {}},
      // Nothing was opened, so closing the box has nothing to stop; the rest of the opening is skipped.
      {"device refuses the tune", game.path.string() + "\\uo.exe", true, {tune}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RecordedGameInstallation installation(c.startExePath);
    if (!installation.Made()) GTEST_SKIP() << "the game's installation is recorded on this machine";
    BoxWithStandIn about;
    about.player->refuseOpen = c.refuseOpen;
    for (int opening = 1; opening <= 2; ++opening) {
      SCOPED_TRACE("opening " + std::to_string(opening));
      std::optional<test::ErrorBoxWatcher> watcher;
      if (c.refuseOpen) watcher.emplace("Kestrelle");
      about.box.Show();
      if (watcher) {
        EXPECT_EQ(watcher->Result().message, "The device cannot play this file");
      }
      EXPECT_EQ(about.player->Take(), c.opening);
      EXPECT_EQ(about.box.Marquee1.Active(), !c.refuseOpen) << "the credits run unless the opening failed";
      EXPECT_EQ(about.box.Version.Text() == "1.0", c.refuseOpen) << "the version shows unless the opening failed";
      if (about.player->IsOpen()) {
        about.player->onNotify();
        EXPECT_EQ(about.player->Take(), Calls{"play"}) << "the end of a play while open";
      }
      about.box.Hide();
      EXPECT_EQ(about.player->Take(), c.closing);
      about.player->onNotify();
      EXPECT_EQ(about.player->Take(), Calls{}) << "the end of a play after closing";
    }
  }
}

TEST(AboutBox, OpensCentredOnTheScreenFirstThenOverTheMainWindow) {
  auto form = test::ShowMainForm();
  form->MoveTo(20, 30);
  BoxWithStandIn about;
  TAboutBox& box = about.box;
  box.Show();
  ui::Rect placed = box.Bounds();
  EXPECT_EQ(placed.left, std::max(0, (GetSystemMetrics(SM_CXSCREEN) - placed.width) / 2));
  EXPECT_EQ(placed.top, std::max(0, (GetSystemMetrics(SM_CYSCREEN) - placed.height) / 2));
  box.Hide();
  for (const POINT mainAt : {POINT{20, 30}, POINT{400, 200}}) {
    form->MoveTo(mainAt.x, mainAt.y);
    box.Show();
    placed = box.Bounds();
    const ui::Rect main = form->Bounds();
    EXPECT_EQ(placed.left, main.left + (main.width - placed.width) / 2);
    EXPECT_EQ(placed.top, main.top + (main.height - placed.height) / 2);
    box.Hide();
  }
}

}  // namespace
}  // namespace kestrelle
