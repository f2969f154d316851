// Before any X header: X defines None as a macro, which would break GameClientKind::None.
#include "game_link/client_kind.h"
#include "game_link/linux/native_clients.h"

#include <X11/Xatom.h>
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "game_link/linux/x_display.h"

namespace kestrelle::x11 {

namespace {

struct XFreeDeleter {
  void operator()(Window* data) const { XFree(data); }
};

struct DirectoryCloser {
  void operator()(DIR* directory) const { closedir(directory); }
};

std::vector<Window> ChildrenOf(Display* display, Window parent) {
  Window root = None;
  Window parentOfParent = None;
  Window* raw = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, parent, &root, &parentOfParent, &raw, &count)) return {};
  const std::unique_ptr<Window, XFreeDeleter> children(raw);
  return children ? std::vector<Window>(children.get(), children.get() + count) : std::vector<Window>{};
}

std::optional<std::string> ProgramPathOf(pid_t process) {
  if (process <= 0) return std::nullopt;
  const std::string link = "/proc/" + std::to_string(process) + "/exe";
  std::string path(4096, '\0');
  const ssize_t length = readlink(link.c_str(), path.data(), path.size());
  if (length <= 0) return std::nullopt;
  path.resize(static_cast<size_t>(length));
  return path;
}

pid_t ProcessOf(Display* display, Window window) {
  const std::vector<unsigned long> pid = LongProperty(display, window, AtomOf(display, "_NET_WM_PID"), XA_CARDINAL);
  return pid.empty() ? 0 : static_cast<pid_t>(pid.front());
}

// Shown, or managed by a window manager (which unmaps the iconified ones but keeps their WM_STATE).
bool IsInUse(Display* display, Window window) {
  XWindowAttributes attributes = {};
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  if (attributes.map_state == IsViewable) return true;
  const Atom wmState = AtomOf(display, "WM_STATE");
  return !LongProperty(display, window, wmState, wmState).empty();
}

// The window a program made: the top-level window itself, or under a window manager the child of its
// frame that carries the program's WM_CLASS.
std::optional<Window> ProgramWindowOf(Display* display, Window topLevel) {
  if (WindowClassOf(display, topLevel)) return topLevel;
  for (const Window child : ChildrenOf(display, topLevel)) {
    if (WindowClassOf(display, child)) return child;
  }
  return std::nullopt;
}

}  // namespace

std::vector<NativeClientWindow> FindNativeClients(Display* display) {
  // A window may close while it is looked at: its requests then fail, and it is left out.
  ErrorTrap trap(display);
  std::vector<NativeClientWindow> found;
  for (const Window topLevel : ChildrenOf(display, DefaultRootWindow(display))) {
    const std::optional<Window> window = ProgramWindowOf(display, topLevel);
    if (!window || !IsInUse(display, *window)) continue;
    const pid_t process = ProcessOf(display, *window);
    const std::optional<std::string> windowClass = WindowClassOf(display, *window);
    if (NativeClientKindOf(ProgramPathOf(process), windowClass.value_or("")) != GameClientKind::ClassicUO) continue;
    found.push_back({*window, process, TitleOf(display, *window)});
  }
  return found;
}

int ClientProcessesWithoutWindow(const std::vector<NativeClientWindow>& found) {
  const std::unique_ptr<DIR, DirectoryCloser> proc(opendir("/proc"));
  if (!proc) return 0;
  int count = 0;
  while (const dirent* entry = readdir(proc.get())) {
    char* end = nullptr;
    const long pid = std::strtol(entry->d_name, &end, 10);
    if (*end != '\0' || pid <= 0) continue;
    // Another user's program path cannot be read, so only this user's processes count.
    const std::optional<std::string> program = ProgramPathOf(static_cast<pid_t>(pid));
    if (!program || FileNameOf(*program) != kNativeClassicUOProgram) continue;
    const bool hasWindow = std::any_of(found.begin(), found.end(),
                                       [pid](const NativeClientWindow& client) { return client.process == pid; });
    if (!hasWindow) ++count;
  }
  return count;
}

bool IsWaylandSession() {
  const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
  const char* sessionType = std::getenv("XDG_SESSION_TYPE");
  return (waylandDisplay && *waylandDisplay) || (sessionType && std::strcmp(sessionType, "wayland") == 0);
}

}  // namespace kestrelle::x11
