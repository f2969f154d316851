#include "game_link/wait_pumping.h"

#include <windows.h>

#include "ui/message_pump.h"

namespace kestrelle {

bool WaitPumping(std::int32_t ms, const CommandStop& stop) {
  if (ms <= 0) return !stop.Requested();
  const DWORD start = GetTickCount();
  for (;;) {
    if (stop.Requested()) return false;
    // The tick count wraps; the difference taken modulo 2^32 stays right across the wrap.
    const auto elapsed = static_cast<std::int32_t>(GetTickCount() - start);
    if (elapsed >= ms) return true;
    // MWMO_INPUTAVAILABLE: wake also for messages that were already in the queue before this wait.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(ms - elapsed), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (ui::ProcessPendingMessages()) return false;
  }
}

WaitEnd WaitPumpingUntil(const std::function<bool()>& ready, std::int32_t ms, const CommandStop& stop) {
  // What is waited for happens in another process, which sends nothing here: look at it on a short period.
  constexpr DWORD kLookPeriodMs = 1;
  const DWORD start = GetTickCount();
  for (;;) {
    if (stop.Requested()) return WaitEnd::Stopped;
    if (ready()) return WaitEnd::Met;
    if (static_cast<std::int32_t>(GetTickCount() - start) >= ms) return WaitEnd::TimedOut;
    MsgWaitForMultipleObjectsEx(0, nullptr, kLookPeriodMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (ui::ProcessPendingMessages()) return WaitEnd::Stopped;
  }
}

WaitEnd WaitPumpingFor(void* object, std::int32_t ms, const CommandStop& stop) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (stop.Requested()) return WaitEnd::Stopped;
    const auto left = ms - static_cast<std::int32_t>(GetTickCount() - start);
    if (left <= 0) return WaitEnd::TimedOut;
    const HANDLE handle = object;
    if (MsgWaitForMultipleObjectsEx(1, &handle, static_cast<DWORD>(left), QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
        WAIT_OBJECT_0) {
      return WaitEnd::Met;
    }
    if (ui::ProcessPendingMessages()) return WaitEnd::Stopped;
  }
}

}  // namespace kestrelle
