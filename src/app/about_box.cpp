#include "app/about_box.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/credits.h"
#include "app/game_installation.h"
#include "app/game_music.h"
#include "ui/application.h"
#include "ui/mci_player.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

constexpr const char* kCopyright = "\xA9 2026 Eyrie";
constexpr const char* kComments =
    "The latest version is on the project's releases page. Report problems in its issue tracker: say what "
    "you did and what you saw.";

// The running program's path, however long.
std::wstring OwnProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);  // cut short: the buffer was full
  }
}

// "Version major.minor" from the file version in the program's own version record; none without one.
std::optional<std::string> OwnVersionCaption() {
  const std::wstring path = OwnProgramPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> record(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, record.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed) {
    return std::nullopt;
  }
  return "Version " + std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS));
}

ui::IconHandle ProgramIcon32() {
  return ui::IconHandle(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, 32, 32, 0)));
}

bool FileExists(const std::string& utf8Path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(ui::WideFromUtf8(utf8Path)), error);
}

// The tune greets the player when it can: a machine without the game or without a MIDI device, or a file
// the device refuses, leaves the box silent and says nothing.
template <typename Action>
void Quietly(Action&& action) noexcept {
  try {
    action();
  } catch (const std::exception&) {
  }
}

}  // namespace

TAboutBox::TAboutBox(std::unique_ptr<ui::MediaPlayer> mediaPlayer, const ui::Form* owner)
    : Form("About", {.clientWidth = 297,
                     .clientHeight = 215,
                     .font = {"Courier New", -11},
                     .border = ui::FormBorder::Dialog,
                     .position = ui::FormPosition::ScreenCentre,
                     .owner = owner}),
      Panel1(*this, {8, 8, 281, 161}, "", {.bevelOuter = ui::Bevel::Lowered, .bevelInner = ui::Bevel::Raised}),
      Version(Panel1, {8, 40, 265, 16}, "1.0",
              {.alignment = ui::Alignment::Centre,
               .font = ui::FontSpec{.name = "MS Sans Serif", .height = -13, .colour = ui::colours::Red}}),
      ProductName(Panel1, {8, 16, 265, 24}, "Kestrelle",
                  {.alignment = ui::Alignment::Centre,
                   .font = ui::FontSpec{.name = "MS Sans Serif", .height = -24, .colour = ui::colours::Navy}}),
      ProgramIcon(Panel1, {72, 16, 32, 32}),
      Copyright(Panel1, {8, 80, 98, 14}, kCopyright),
      Comments(Panel1, {8, 98, 250, 58}, kComments, {.wordWrap = true}),
      MediaPlayer1(mediaPlayer ? std::move(mediaPlayer) : std::make_unique<ui::MciPlayer>(Panel1, ui::Rect{0, 112, 253, 30})),
      OKButton(*this, {111, 180, 75, 25}, "OK", {.isDefault = true}),
      Marquee1(*this, {12, 67, 273, 97}, {.font = ui::FontSpec{.name = "Times New Roman", .height = -11}}) {
  ProgramIcon.SetIcon(ProgramIcon32());
  ProgramIcon.BringToFront();  // over the name and the version, which it overlaps
  Marquee1.Items = CreditLines();
  Marquee1.BringToFront();  // over the panel's lower half while it shows

  onShow = [this] { FormShow(); };
  onHide = [this] { FormHide(); };
  OKButton.onClick = [this] { OKButtonClick(); };
  Marquee1.OnDone = [this] { Marquee1Done(); };
  MediaPlayer1->onNotify = [this](ui::PlayEnd end) { MediaPlayer1Notify(end); };
}

// The tune, the credits and the version each work or fail on their own.
void TAboutBox::FormShow() {
  if (const ui::Form* main = ui::Form::MainForm(); main != nullptr && main != this) {
    const ui::Rect over = main->Bounds();
    const ui::Rect own = Bounds();
    MoveTo(over.left + (over.width - own.width) / 2, over.top + (over.height - own.height) / 2);
  }
  Quietly([this] {
    const std::string music = GameMusicPath(ReadGameProgramPath());
    if (!FileExists(music)) return;
    StopMusic = false;
    MediaPlayer1->Open(music);
    MediaPlayer1->SeekToStart();
    MediaPlayer1->Play();
  });
  // Credits that have run once stay hidden, and so stay idle.
  if (Marquee1.Visible()) ui::Guarded([this] { Marquee1.Activate(); });
  if (const auto caption = OwnVersionCaption()) Version.SetText(*caption);
}

// The stop and close come only when a device is open: after a failed open there is nothing to stop. The
// device is closed also when it refuses to stop.
void TAboutBox::FormHide() {
  StopMusic = true;
  Marquee1.Deactivate();
  if (MediaPlayer1->IsOpen()) {
    Quietly([this] { MediaPlayer1->Stop(); });
    Quietly([this] { MediaPlayer1->Close(); });
  }
}

void TAboutBox::OKButtonClick() { Close(); }

// The credits have run once: from now on the copyright and comments show in their place.
void TAboutBox::Marquee1Done() { Marquee1.SetVisible(false); }

// The tune loops: a play that ran to its end starts again from the beginning. One that was stopped, cut
// short or failed does not.
void TAboutBox::MediaPlayer1Notify(ui::PlayEnd end) {
  if (!StopMusic && end == ui::PlayEnd::Finished) Quietly([this] { MediaPlayer1->Play(); });
}

}  // namespace kestrelle
