#pragma once
// Messages to a game client window, answered or not: a client that has hung, or takes longer than
// kClientResponseTimeoutMs, does not hold Kestrelle. A healthy client answers at once, and until then
// nothing of Kestrelle's own is dispatched (characters with no delay go out back to back); a client slower
// than that is waited for with the window live, so the player can stop the typing meanwhile.
#include <windows.h>

#include <cstdint>

#include "game_link/command_stop.h"
#include "game_link/typing.h"

namespace kestrelle {

enum class ClientAnswer {
  Taken,       // the client handled the message
  NotAnswering,
  Gone,        // the window no longer exists
  Stopped,     // a stop came while the client had not answered yet
};

// Sends message to window and waits up to timeoutMs for the client to handle it. unicode: as a message to
// a Unicode window (a WM_CHAR then carries a UTF-16 unit), otherwise as to an 8-bit one (a WM_CHAR then
// carries a byte of the system's code page, which is the character itself for ASCII, all such clients
// take).
ClientAnswer SendToClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const CommandStop& stop,
                          bool unicode = false, std::int32_t timeoutMs = kClientResponseTimeoutMs);

}  // namespace kestrelle
