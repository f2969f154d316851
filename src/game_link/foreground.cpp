#include "game_link/foreground.h"

#include "game_link/client_messages.h"
#include "game_link/wait_pumping.h"

namespace kestrelle {

namespace {

class SystemCalls final : public Foreground {
 public:
  HWND Current() override { return GetForegroundWindow(); }

  bool Bring(HWND window) override {
    if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
    return SetForegroundWindow(window) != FALSE;
  }

  bool IsActive(HWND window) override {
    if (GetForegroundWindow() != window || IsIconic(window)) return false;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndActive == window;
  }
};

// The client's activation is looked at this often: it happens in another process, which sends nothing here.
constexpr std::int32_t kFrontLookPeriodMs = 1;

}  // namespace

Foreground& SystemForeground() {
  static SystemCalls calls;
  return calls;
}

FrontResult BringToFront(HWND window, Foreground& foreground, const CommandStop& stop) {
  if (stop.Requested()) return FrontResult::Stopped;
  if (!IsWindow(window)) return FrontResult::Closed;
  if (!foreground.Bring(window)) return FrontResult::Refused;
  const DWORD start = GetTickCount();
  const WaitCondition active{[&] { return foreground.IsActive(window); }, kFrontLookPeriodMs};
  if (WaitPumping(kComeToFrontTimeoutMs, stop, active) == WaitEnd::Stopped) return FrontResult::Stopped;
  // The client handles its activation on its own thread before it answers a message sent after it; one
  // that does not answer has hung (on its way to the front or before). Both take one response time.
  const auto left = kClientResponseTimeoutMs - static_cast<std::int32_t>(GetTickCount() - start);
  switch (SendToClient(window, WM_NULL, 0, 0, stop, false, left)) {
    case ClientAnswer::Taken:
      break;
    case ClientAnswer::NotAnswering:
      return FrontResult::NotAnswering;
    case ClientAnswer::Gone:
      return FrontResult::Closed;
    case ClientAnswer::Stopped:
      return FrontResult::Stopped;
  }
  return foreground.IsActive(window) ? FrontResult::InFront : FrontResult::Refused;
}

}  // namespace kestrelle
