#pragma once
// The media player over the system's media control interface: a hidden child window that receives the
// device's notifications, and the device it has open, closed when the player goes.

#include <windows.h>

#include "ui/control.h"
#include "ui/media_player.h"

namespace kestrelle::ui {

class MciPlayer final : public Control, public MediaPlayer {
 public:
  MciPlayer(Control& parent, const Rect& bounds);
  ~MciPlayer() override;

  void Open(const std::string& fileName) override;
  bool IsOpen() const override { return device_ != 0; }
  void SeekToStart() override;
  void Play() override;
  void Stop() override;
  void Close() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Sends a command to the open device; throws with the device's message when there is none or it fails.
  void Command(UINT message, DWORD_PTR flags, void* parameters) const;

  UINT device_ = 0;  // the open device's id; 0 when none is open
};

}  // namespace kestrelle::ui
