#pragma once
// Which windows of the X display are native game clients (see NativeClientKindOf), and whether a client
// runs without an X window at all (a Wayland window, out of reach of the X display).
#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace kestrelle::x11 {

struct NativeClientWindow {
  Window window;
  pid_t process;  // 0 when the window does not say
  std::string title;
};

// The game client windows among the display's top-level windows (also under a window manager's frame),
// in the server's stacking order; windows that are neither shown nor managed (iconified) are left out.
std::vector<NativeClientWindow> FindNativeClients(Display* display);

// How many processes of this user run the client's program while none of the windows found is theirs.
int ClientProcessesWithoutWindow(const std::vector<NativeClientWindow>& found);

// True in a Wayland session (where X programs run through XWayland beside native Wayland windows).
bool IsWaylandSession();

}  // namespace kestrelle::x11
