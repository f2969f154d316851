#pragma once
// The X display connection of the native link, and the catching of X protocol errors: a game client window
// that closes meanwhile makes the next request about it fail with BadWindow, which must drop that client
// rather than end the program (Xlib's default handler exits).
#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrelle::x11 {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// The display that DISPLAY names; null when there is none or it refuses the connection.
DisplayConnection OpenDisplay();

// Catches the X errors of its lifetime (one at a time: they do not nest). Failed() makes the requests sent
// so far reach the server and tells whether one of them failed.
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* display);
  ~ErrorTrap();
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;
  bool Failed();

 private:
  Display* display_;
  XErrorHandler previous_;
};

Atom AtomOf(Display* display, const char* name);

// A window's property of 32-bit items (XA_WINDOW, XA_CARDINAL, XA_ATOM...), as unsigned longs as Xlib
// hands them out; empty when the window lacks it or is gone.
std::vector<unsigned long> LongProperty(Display* display, Window window, Atom property, Atom type);

// Whether the window still exists.
bool WindowExists(Display* display, Window window);

// The window's title (_NET_WM_NAME, else WM_NAME) in UTF-8; empty when it has none.
std::string TitleOf(Display* display, Window window);

// The class part of the window's WM_CLASS; nothing when it has none.
std::optional<std::string> WindowClassOf(Display* display, Window window);

}  // namespace kestrelle::x11
