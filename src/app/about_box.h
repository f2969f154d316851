#pragma once
// The about box: a small modal dialog opened from "&About ...", made at its first opening and kept,
// hidden between openings, until the end. It shows the program's name, icon and version, scrolls the
// credits the first time it opens (the copyright and comments show from then on), and plays the game's
// own tune in a loop while it is open, when the game is installed on the machine and its device plays
// the tune.

#include <memory>

#include "app/marquee.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/media_player.h"
#include "ui/panel.h"

namespace kestrelle {

class TAboutBox : public ui::Form {
 public:
  // The tune plays through the system's media device, or through the player given (a test's stand-in).
  // owner: the window the box belongs to (the main window), which it stays above.
  explicit TAboutBox(std::unique_ptr<ui::MediaPlayer> mediaPlayer = nullptr, const ui::Form* owner = nullptr);

  ui::Panel Panel1;
  ui::Label Version;
  ui::Label ProductName;
  ui::Image ProgramIcon;
  ui::Label Copyright;
  ui::Label Comments;
  const std::unique_ptr<ui::MediaPlayer> MediaPlayer1;
  ui::Button OKButton;
  TMarquee Marquee1;

  // Set while the box is closing or closed: the end of a play must not start the tune again.
  bool StopMusic = false;

  void FormShow();
  void FormHide();
  void OKButtonClick();
  void Marquee1Done();
  void MediaPlayer1Notify(ui::PlayEnd end);
};

}  // namespace kestrelle
