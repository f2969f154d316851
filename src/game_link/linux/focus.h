#pragma once
// The keyboard focus of the X display, handed to a game client for its text and given back afterwards. A
// client takes Return only while it has the focus (characters arrive either way). Under a window manager
// that follows the window manager conventions the focus is asked for as a pager does (_NET_ACTIVE_WINDOW),
// so the manager raises the window and knows of the change; the focus is set directly as well, which is
// all there is on a display without a manager.
#include <X11/Xlib.h>

#include <cstdint>
#include <functional>

namespace kestrelle::x11 {

// Waits up to ms for descriptor to become readable (-1: for none, the whole time); false when the typing is
// to end meanwhile.
using WaitForReadable = std::function<bool(int descriptor, std::int32_t ms)>;

enum class FocusGiven { Given, Refused, Stopped };

class FocusHandover {
 public:
  // Remembers the window that has the focus now: the one the player typed in.
  explicit FocusHandover(Display* display);
  // Gives the remembered window the focus back, if a client took it.
  ~FocusHandover();
  FocusHandover(const FocusHandover&) = delete;
  FocusHandover& operator=(const FocusHandover&) = delete;

  // Gives window the focus and waits up to timeoutMs for it to arrive, through wait: Refused when it did not
  // (the window is gone, not shown, or the window manager refused), Stopped when wait was.
  FocusGiven GiveTo(Window window, std::int32_t timeoutMs, const WaitForReadable& wait);
  // True while window, or a window inside it, has the focus.
  bool Holds(Window window);

 private:
  void Activate(Window window);
  bool HoldsNow(Window window);  // without a trap of its own

  Display* display_;
  Window home_ = None;
  bool taken_ = false;
};

enum class PingAnswer { Answered, Silent, Stopped };

// Asks a client window whether its program still handles its events (_NET_WM_PING) and waits up to
// timeoutMs for the answer, through wait, so that a stop need not sit out a hung client's time-out. A
// window that does not take part in the protocol counts as answering. The answer also tells that the
// program has handled every event sent to the window before the question.
PingAnswer Answers(Display* display, Window window, std::int32_t timeoutMs, const WaitForReadable& wait);

}  // namespace kestrelle::x11
