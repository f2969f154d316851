#include "translator/wait_pumping.h"

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

}  // namespace kestrelle
