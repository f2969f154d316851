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
#include <thread>
#include <utility>
#include <vector>

#include "app/about_box.h"
#include "app/game_installation.h"
#include "test_support.h"
#include "ui/wide_text.h"
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

// The game's key as the game's setup records it, made for a test with the program path given (or without
// the value) and removed afterwards with its maker's key. Not made where that key is there already.
class RecordedGameInstallation {
 public:
  explicit RecordedGameInstallation(const std::optional<std::string>& startExePath) {
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
      const std::wstring wide = ui::WideFromUtf8(*startExePath);
      RegSetValueExW(key, L"StartExePath", 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                     static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
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
      std::filesystem::temp_directory_path() / (L"kestrelle-\u30b2\u30fc\u30e0-" + std::to_wstring(GetCurrentProcessId()));
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

// The box opened from the menu is modal, with its OK button; however it closes (from another thread here,
// as the user or another program would), the main window is enabled and active again at once.
TEST(AboutBox, ModalFromTheMenuAndClosingGivesTheActivationBack) {
  auto form = test::ShowMainForm();
  const struct { const char* name; void (*close)(HWND box, HWND ok); } closings[] = {
      {"OK", [](HWND, HWND ok) { PostMessageA(ok, BM_CLICK, 0, 0); }},
      {"Esc", [](HWND, HWND ok) { PostMessageA(ok, WM_KEYDOWN, VK_ESCAPE, 1); }},
      {"close button", [](HWND box, HWND) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"WM_CLOSE sent from another thread", [](HWND box, HWND) { SendMessageA(box, WM_CLOSE, 0, 0); }},
  };
  for (const auto& closing : closings) {
    SCOPED_TRACE(closing.name);
    bool mainEnabledWhileOpen = true;
    std::string okCaption;
    std::thread closer([&] {
      HWND box = nullptr;
      for (int attempt = 0; attempt < 500 && !IsWindowVisible(box); ++attempt, Sleep(10)) {
        box = FindWindowA(ui::Control::kFormClass, "About");
      }
      mainEnabledWhileOpen = IsWindowEnabled(form->Handle()) != FALSE;
      const HWND ok = FindWindowExA(box, nullptr, "Button", nullptr);
      okCaption = test::WindowText(ok);
      closing.close(box, ok);
    });
    form->About1.Click();
    closer.join();
    EXPECT_FALSE(mainEnabledWhileOpen);
    EXPECT_EQ(okCaption, "OK");
    EXPECT_FALSE(form->AboutBox().Visible());
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_EQ(GetActiveWindow(), form->Handle());
  }
}

TEST(AboutBox, GameTunePlaysInALoopWhileTheBoxIsOpen) {
  const GameFolder game;
  const std::string gamePath = ui::Utf8FromWide(game.path.wstring());
  const std::string tune = "open " + gamePath + "\\music\\stones2.mid";
  const struct {
    const char* name;
    std::optional<std::string> startExePath;
    bool refuseOpen;
    Calls opening;
    Calls closing;
  } cases[] = {
      {"game installed", gamePath + "\\uo.exe", false, {tune, "seek", "play"}, {"stop", "close"}},
      {"no program path recorded", std::nullopt, false, {}, {}},
      {"device refuses the tune", gamePath + "\\uo.exe", true, {tune}, {}},
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
        EXPECT_FALSE(watcher->Result().found);
      }
      EXPECT_EQ(about.player->Take(), c.opening);
      EXPECT_EQ(about.box.Marquee1.Active(), opening == 1) << "credits that have run stay idle";
      EXPECT_NE(about.box.Version.Text(), "1.0");
      if (about.player->IsOpen()) {
        using enum ui::PlayEnd;
        for (const auto end : {Finished, Aborted, Superseded, Failed}) about.player->onNotify(end);
        EXPECT_EQ(about.player->Take(), Calls{"play"}) << "the end of a play while open";
      }
      about.box.Hide();
      EXPECT_EQ(about.player->Take(), c.closing);
      about.player->onNotify(ui::PlayEnd::Finished);
      EXPECT_EQ(about.player->Take(), Calls{}) << "the end of a play after closing";
    }
  }
}

}  // namespace
}  // namespace kestrelle
