/* unfocusable_client <lifetime-s>: an X window that counts as a native ClassicUO but never takes the focus,
 * like an iconified one whose window manager will not show it again (class ClassicUO, WM_STATE iconic). */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(NULL);
  if (!display || argc < 2) return 1;
  Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 100, 100, 0, 0, 0);
  XClassHint hint = {"ClassicUO", "ClassicUO"};
  XSetClassHint(display, window, &hint);
  Atom state = XInternAtom(display, "WM_STATE", False);
  long iconic[2] = {IconicState, None};
  XChangeProperty(display, window, state, state, 32, PropModeReplace, (unsigned char*)iconic, 2);
  XFlush(display);
  sleep((unsigned)atoi(argv[1]));
  return 0;
}
