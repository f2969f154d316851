#pragma once
// The wait of the typing into the game: the window stays live (every message for the window thread is
// dispatched as it arrives) while the thread sleeps, so the game client beside Kestrelle keeps the
// processor.
#include <cstdint>
#include <functional>

#include "game_link/command_stop.h"

namespace kestrelle {

enum class WaitEnd {
  TimeUp,   // the time ran out (for a wait with a condition: it never held)
  Met,      // the condition held
  Stopped,  // a stop was requested (also before the call), or a WM_QUIT was met
};

// What a wait may wait for besides the time: ready() is asked at once, after every dispatched message,
// and every lookPeriodMs when no message comes (0: only on messages; for what happens in another process,
// which sends nothing here, give a period).
// wakeUp: a waitable object (an event another thread sets) whose signal has ready() asked at once.
struct WaitCondition {
  std::function<bool()> ready;
  std::int32_t lookPeriodMs = 0;
  void* wakeUp = nullptr;
};

// Waits at most ms milliseconds of the tick count (its resolution is the tick's), dispatching pending
// window messages meanwhile; the thread sleeps between messages. With ms <= 0 and no condition it returns
// at once and dispatches nothing. A WM_QUIT met is posted again for the message loop.
WaitEnd WaitPumping(std::int32_t ms, const CommandStop& stop, const WaitCondition& until = {});

}  // namespace kestrelle
