#pragma once
// A player of one media file at a time (the about box's tune). The system's media device stands behind it
// in the program (MciPlayer); tests put a stand-in in its place, since a test machine may have no device.

#include <functional>
#include <string>

namespace kestrelle::ui {

class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // Raised when a play ends, or is cut short, by the device that is open.
  std::function<void()> onNotify;

  // Opens the file on a device (closing any open one first); throws with the device's message when it
  // cannot.
  virtual void Open(const std::string& fileName) = 0;
  virtual bool IsOpen() const = 0;
  // Moves to the start and returns when the device is there.
  virtual void SeekToStart() = 0;
  // Plays from where the device stands (from the start when it stands at the end) and reports the end
  // through onNotify.
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Close() = 0;
};

}  // namespace kestrelle::ui
