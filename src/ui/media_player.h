#pragma once
// A player of one media file at a time (the about box's tune). The system's media device stands behind it
// in the program (MciPlayer); tests put a stand-in in its place, since a test machine may have no device.

#include <functional>
#include <string>

namespace kestrelle::ui {

// How a play ended: run to its end, stopped or cut short by a later command, or failed on the device.
enum class PlayEnd { Finished, Aborted, Superseded, Failed };

class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // Raised when a play on the device that is open ends, however it ended.
  std::function<void(PlayEnd)> onNotify;

  // Opens the file, named in UTF-8, on a device (closing any open one first); throws with the device's
  // message when it cannot.
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
