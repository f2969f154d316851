#include "game_link/wait_pumping.h"

#include <windows.h>

#include <algorithm>

#include "ui/message_pump.h"

namespace kestrelle {

WaitEnd WaitPumping(std::int32_t ms, const CommandStop& stop, const WaitCondition& until) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (stop.Requested()) return WaitEnd::Stopped;
    if (until.ready && until.ready()) return WaitEnd::Met;
    // The tick count wraps; the difference taken modulo 2^32 stays right across the wrap.
    const auto elapsed = static_cast<std::int32_t>(GetTickCount() - start);
    if (elapsed >= ms) return WaitEnd::TimeUp;
    std::int32_t sleepMs = ms - elapsed;
    if (until.ready && until.lookPeriodMs > 0) sleepMs = std::min(sleepMs, until.lookPeriodMs);
    // MWMO_INPUTAVAILABLE: wake also for messages that were already in the queue before this wait.
    const HANDLE wakeUp = until.wakeUp;
    MsgWaitForMultipleObjectsEx(wakeUp ? 1 : 0, wakeUp ? &wakeUp : nullptr, static_cast<DWORD>(sleepMs), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    if (ui::ProcessPendingMessages()) return WaitEnd::Stopped;
  }
}

}  // namespace kestrelle
