#include "game_link/linux/focus.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "game_link/linux/x_display.h"

namespace kestrelle::x11 {

namespace {

using Clock = std::chrono::steady_clock;

std::int32_t MsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<std::int32_t>(std::max<long long>(left, 0));
}

bool Supports(Display* display, Window window, Atom list, Atom type, Atom wanted) {
  const std::vector<unsigned long> items = LongProperty(display, window, list, type);
  return std::find(items.begin(), items.end(), wanted) != items.end();
}

Window FocusOf(Display* display) {
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  return focus;
}

// Sends a window manager's or client's message of 32-bit items about window to target.
void SendMessage(Display* display, Window target, long mask, Window about, Atom type, const long (&items)[3]) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = about;
  event.xclient.message_type = type;
  event.xclient.format = 32;
  std::copy(std::begin(items), std::end(items), event.xclient.data.l);
  XSendEvent(display, target, False, mask, &event);
}

}  // namespace

FocusHandover::FocusHandover(Display* display) : display_(display), home_(FocusOf(display)) {}

FocusHandover::~FocusHandover() {
  if (!taken_ || home_ == None || home_ == PointerRoot) return;
  ErrorTrap trap(display_);  // the home window may have closed meanwhile
  Activate(home_);
}

void FocusHandover::Activate(Window window) {
  const Window root = DefaultRootWindow(display_);
  const Atom activeWindow = AtomOf(display_, "_NET_ACTIVE_WINDOW");
  if (Supports(display_, root, AtomOf(display_, "_NET_SUPPORTED"), XA_ATOM, activeWindow)) {
    constexpr long kFromPager = 2;
    SendMessage(display_, root, SubstructureRedirectMask | SubstructureNotifyMask, window, activeWindow,
                {kFromPager, CurrentTime, 0});
  }
  XSetInputFocus(display_, window, RevertToParent, CurrentTime);
}

bool FocusHandover::Holds(Window window) {
  ErrorTrap trap(display_);  // the focus may sit in a window that closes meanwhile
  return HoldsNow(window);
}

bool FocusHandover::HoldsNow(Window window) {
  for (Window focus = FocusOf(display_); focus != None && focus != PointerRoot;) {
    if (focus == window) return true;
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, focus, &root, &parent, &children, &count)) return false;
    if (children) XFree(children);
    if (parent == root) return false;
    focus = parent;
  }
  return false;
}

FocusGiven FocusHandover::GiveTo(Window window, std::int32_t timeoutMs, const WaitForReadable& wait) {
  // Errors are expected here and change nothing: an iconified window refuses the focus set directly until
  // its window manager has shown it again, which the manager does when asked for the window.
  ErrorTrap trap(display_);
  XWindowAttributes attributes = {};
  if (!XGetWindowAttributes(display_, window, &attributes)) return FocusGiven::Refused;  // gone
  taken_ = true;
  Activate(window);
  // The focus is looked at every few milliseconds, and a stop is read meanwhile.
  constexpr std::int32_t kLookPeriodMs = 2;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!HoldsNow(window)) {
    const std::int32_t left = MsLeft(deadline);
    if (left == 0) return FocusGiven::Refused;
    if (!wait(-1, std::min(left, kLookPeriodMs))) return FocusGiven::Stopped;
  }
  return FocusGiven::Given;
}

PingAnswer Answers(Display* display, Window window, std::int32_t timeoutMs, const WaitForReadable& wait) {
  const Atom protocols = AtomOf(display, "WM_PROTOCOLS");
  const Atom ping = AtomOf(display, "_NET_WM_PING");
  ErrorTrap trap(display);
  if (!Supports(display, window, protocols, XA_ATOM, ping)) return trap.Failed() ? PingAnswer::Silent : PingAnswer::Answered;
  // The answer goes to the root window, where this connection listens for it. Each question carries its
  // own number, so a late answer to an earlier one does not count.
  static long question = 0;
  const long asked = ++question;
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  SendMessage(display, window, NoEventMask, window, protocols, {static_cast<long>(ping), asked, static_cast<long>(window)});
  if (trap.Failed()) return PingAnswer::Silent;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      const XClientMessageEvent& message = event.xclient;
      if (event.type == ClientMessage && message.message_type == protocols &&
          static_cast<Atom>(message.data.l[0]) == ping && message.data.l[1] == asked) {
        return PingAnswer::Answered;
      }
    }
    const std::int32_t left = MsLeft(deadline);
    if (left == 0) return PingAnswer::Silent;
    if (!wait(ConnectionNumber(display), left)) return PingAnswer::Stopped;
  }
}

}  // namespace kestrelle::x11
