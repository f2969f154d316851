#include "ui/mci_player.h"

#include <mmsystem.h>

#include <stdexcept>
#include <string>

#include "ui/library_function.h"
#include "ui/wide_text.h"

namespace kestrelle::ui {
namespace {

// The media layer is loaded with the first player's first command.
MCIERROR SendMci(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
  static const auto send = LibraryFunction<decltype(&mciSendCommandW)>("winmm.dll", "mciSendCommandW");
  return send(device, message, flags, parameters);
}

// The device's own words, taken wide: its narrow texts are in the system's code page, which the error box
// (reading UTF-8) would garble.
[[noreturn]] void ThrowMciError(MCIERROR error) {
  static const auto errorString = LibraryFunction<decltype(&mciGetErrorStringW)>("winmm.dll", "mciGetErrorStringW");
  wchar_t message[MAXERRORLENGTH] = {};
  if (!errorString(error, message, MAXERRORLENGTH)) {
    throw std::runtime_error("Media device error " + std::to_string(error));
  }
  throw std::runtime_error(Utf8FromWide(message));
}

PlayEnd PlayEndOf(WPARAM notification) {
  switch (notification) {
    case MCI_NOTIFY_SUCCESSFUL:
      return PlayEnd::Finished;
    case MCI_NOTIFY_SUPERSEDED:
      return PlayEnd::Superseded;
    case MCI_NOTIFY_ABORTED:
      return PlayEnd::Aborted;
    default:
      return PlayEnd::Failed;
  }
}

}  // namespace

MciPlayer::MciPlayer(Control& parent, const Rect& bounds) {
  Create({.parent = &parent, .bounds = bounds});
}

MciPlayer::~MciPlayer() {
  if (!IsOpen()) return;
  MCI_GENERIC_PARMS close{};
  SendMci(device_, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
}

void MciPlayer::Command(UINT message, DWORD_PTR flags, void* parameters) const {
  if (!IsOpen()) ThrowMciError(MCIERR_INVALID_DEVICE_ID);
  if (const MCIERROR error = SendMci(device_, message, flags, reinterpret_cast<DWORD_PTR>(parameters))) {
    ThrowMciError(error);
  }
}

void MciPlayer::Open(const std::string& fileName) {
  if (IsOpen()) Close();
  const std::wstring name = WideFromUtf8(fileName);
  MCI_OPEN_PARMSW open{};
  open.lpstrElementName = name.c_str();
  if (const MCIERROR error = SendMci(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open))) {
    ThrowMciError(error);
  }
  device_ = open.wDeviceID;
}

void MciPlayer::SeekToStart() {
  MCI_SEEK_PARMS seek{};
  Command(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &seek);
}

void MciPlayer::Play() {
  MCI_STATUS_PARMS position{};
  position.dwItem = MCI_STATUS_POSITION;
  Command(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &position);
  MCI_STATUS_PARMS length{};
  length.dwItem = MCI_STATUS_LENGTH;
  Command(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &length);
  if (position.dwReturn >= length.dwReturn) SeekToStart();
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Command(MCI_PLAY, MCI_NOTIFY, &play);
}

void MciPlayer::Stop() {
  MCI_GENERIC_PARMS stop{};
  Command(MCI_STOP, MCI_WAIT, &stop);
}

void MciPlayer::Close() {
  if (!IsOpen()) ThrowMciError(MCIERR_INVALID_DEVICE_ID);
  const UINT device = device_;
  device_ = 0;  // closed for this player even if the device reports an error
  MCI_GENERIC_PARMS close{};
  if (const MCIERROR error = SendMci(device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close))) {
    ThrowMciError(error);
  }
}

LRESULT MciPlayer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Only the open device's notifications count: one posted by a device closed since (the stopped play of
  // an earlier opening, say) must not start the tune again.
  if (message == MM_MCINOTIFY) {
    if (IsOpen() && static_cast<UINT>(lParam) == device_ && onNotify) onNotify(PlayEndOf(wParam));
    return 0;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace kestrelle::ui
