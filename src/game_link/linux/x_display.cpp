#include "game_link/linux/x_display.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <vector>

namespace kestrelle::x11 {

namespace {

// Xlib calls the handler with no context; one trap is active at a time, on the link's only thread.
bool errorSeen = false;

int RecordError(Display*, XErrorEvent*) {
  errorSeen = true;
  return 0;
}

struct XFreeDeleter {
  void operator()(void* data) const { XFree(data); }
};

struct StringListDeleter {
  void operator()(char** list) const { XFreeStringList(list); }
};

}  // namespace

DisplayConnection OpenDisplay() { return DisplayConnection(XOpenDisplay(nullptr)); }

ErrorTrap::ErrorTrap(Display* display) : display_(display) {
  XSync(display_, False);  // errors of earlier requests are not this trap's
  errorSeen = false;
  previous_ = XSetErrorHandler(RecordError);
}

ErrorTrap::~ErrorTrap() {
  XSync(display_, False);
  XSetErrorHandler(previous_);
}

bool ErrorTrap::Failed() {
  XSync(display_, False);
  return errorSeen;
}

Atom AtomOf(Display* display, const char* name) { return XInternAtom(display, name, False); }

std::vector<unsigned long> LongProperty(Display* display, Window window, Atom property, Atom type) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* raw = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &count,
                         &remaining, &raw) != Success) {
    return {};
  }
  const std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
  if (!data || actualType != type || format != 32) return {};
  const auto* items = reinterpret_cast<const unsigned long*>(data.get());
  return std::vector<unsigned long>(items, items + count);
}

bool WindowExists(Display* display, Window window) {
  ErrorTrap trap(display);
  XWindowAttributes attributes = {};
  return XGetWindowAttributes(display, window, &attributes) != 0 && !trap.Failed();
}

std::string TitleOf(Display* display, Window window) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* raw = nullptr;
  if (XGetWindowProperty(display, window, AtomOf(display, "_NET_WM_NAME"), 0, 256, False,
                         AtomOf(display, "UTF8_STRING"), &actualType, &format, &count, &remaining, &raw) == Success) {
    const std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (data && format == 8) return std::string(reinterpret_cast<const char*>(data.get()), count);
  }
  // WM_NAME comes in the encoding it names (Latin-1, compound text or UTF-8).
  XTextProperty name = {};
  if (!XGetWMName(display, window, &name) || !name.value) return {};
  const std::unique_ptr<unsigned char, XFreeDeleter> value(name.value);
  char** list = nullptr;
  int items = 0;
  if (Xutf8TextPropertyToTextList(display, &name, &list, &items) < Success || !list) return {};
  const std::unique_ptr<char*, StringListDeleter> strings(list);
  return items > 0 ? std::string(list[0]) : std::string();
}

std::optional<std::string> WindowClassOf(Display* display, Window window) {
  XClassHint hint = {};
  if (!XGetClassHint(display, window, &hint)) return std::nullopt;
  const std::unique_ptr<char, XFreeDeleter> instance(hint.res_name);
  const std::unique_ptr<char, XFreeDeleter> windowClass(hint.res_class);
  if (!windowClass) return std::nullopt;
  return std::string(windowClass.get());
}

}  // namespace kestrelle::x11
