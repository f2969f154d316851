#pragma once
// The wait of the typing into the game: the window stays live (every message for the window thread is
// dispatched as it arrives) while the thread sleeps, so the game client beside Kestrelle keeps the
// processor.
#include <cstdint>
#include <functional>

#include "game_link/command_stop.h"

namespace kestrelle {

// Waits ms milliseconds of the tick count (its resolution is the tick's), dispatching pending window
// messages meanwhile; the thread sleeps between messages. With ms <= 0 it returns at once and dispatches
// nothing. Returns true when the time has run out, false as soon as stop is requested (also when it was
// requested before the call) or a WM_QUIT is met; that WM_QUIT is posted again for the message loop.
bool WaitPumping(std::int32_t ms, const CommandStop& stop);

enum class WaitEnd { Met, TimedOut, Stopped };

// Waits at most ms milliseconds for ready() to hold, dispatching pending window messages meanwhile; ready()
// is asked at once and then every millisecond or so, whether or not a message came. Stopped as for
// WaitPumping.
WaitEnd WaitPumpingUntil(const std::function<bool()>& ready, std::int32_t ms, const CommandStop& stop);

// Waits at most ms milliseconds for a waitable object (an event set by another thread) to be signalled,
// dispatching pending window messages meanwhile; the thread sleeps until one of them comes. Stopped as for
// WaitPumping.
WaitEnd WaitPumpingFor(void* object, std::int32_t ms, const CommandStop& stop);

}  // namespace kestrelle
