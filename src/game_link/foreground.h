#pragma once
// Bringing a game client window to the front, where ClassicUO takes typed text.
//
// Windows lets a program make another window the foreground window only while it has the right to: it
// received the player's last input (the press of Translate or Stop), or is in front itself. Kestrelle
// keeps that right for the whole command by using only what the system documents for it: it takes no
// input meanwhile and gives the front away only to the clients it types into, one at a time, and takes it
// back at the end. Once the player uses another program, the right is gone, and a client that is no
// longer in front can only be reported. So the front is checked before every line and every character:
// a line starts only in front, and a client that loses the front mid-line and cannot get it back is
// reported with the part of the line it took. Threads are never attached to a client's input, which a
// hung client would hold.
//
// The system's calls are behind Foreground, so that tests can make the system refuse, take the front
// away, or hang a client while it is brought forward.
#include <windows.h>

#include <cstdint>

#include "game_link/command_stop.h"
#include "game_link/typing.h"

namespace kestrelle {

class Foreground {
 public:
  virtual ~Foreground() = default;
  // The window in front.
  virtual HWND Current() = 0;
  // Asks the system to bring window to the front (restoring it first when minimised); false when refused.
  virtual bool Bring(HWND window) = 0;
  // In front, and its own thread has made it the active window (what the client learns from its activation).
  virtual bool IsActive(HWND window) = 0;
};

// The system's own foreground calls.
Foreground& SystemForeground();

enum class FrontResult { InFront, Refused, NotAnswering, Closed, Stopped };

// Brings window to the front and waits, with the window live, until its client has handled the activation,
// for one client response time at most.
FrontResult BringToFront(HWND window, Foreground& foreground, const CommandStop& stop);

}  // namespace kestrelle
