#pragma once
// The link to the game: types a text into every running game client window (the classic client, Orion
// and ClassicUO; see client_kind.h) as character messages, with the pauses of TypeIntoWindow, and tells
// client by client how far each got; then, when Kestrelle runs under Wine with a native link
// (native_link.h), into the native ClassicUO windows of the player's X display, which are told alike.
//
// Use from the Translate command (window thread):
//   const TypingDelays delays{charDelay, lineDelay};       // read from the fields before the call
//   const SendResult sent = SendToGame(text, delays, stop, {.home = mainWindow, .onProgress = show});
//   if (closing) return;  // the window is closing: touch no control, leave the handler at once
// Every wait dispatches the window's messages (with no delays, every 50 ms or so of typing), so handlers
// run nested inside SendToGame; a handler that requests the stop (the Stop button, a close of the window)
// ends the typing at once: no further character goes to any client.
//
// ClassicUO takes typed text only while its window is in front (key presses arrive either way), so it is
// brought to the front before its lines (see foreground.h); once all clients are done, the front goes
// back to home, so the player can type the next line at once.
//
// Closing while typing: a close asked for while a command runs requests the stop and is put off; the
// command ends at once, and the page closes the window once the command has returned, so no control is
// destroyed under it. A WM_QUIT met during a wait ends the typing as well, and is posted again so the
// message loop still ends.
#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "game_link/client_kind.h"
#include "game_link/command_stop.h"
#include "game_link/foreground.h"
#include "game_link/send_result.h"
#include "game_link/typing.h"

namespace kestrelle {

struct GameClientWindow {
  HWND window;
  GameClientKind kind;
};

// Every top-level game client window with its kind, in the system's enumeration order.
std::vector<GameClientWindow> FindGameClients();

struct SendOptions {
  HWND home = nullptr;  // given the front back at the end, when a client was brought to the front
  std::function<void(const TypingProgress&)> onProgress;  // told as every line starts
  Foreground* foreground = nullptr;                        // the system's when none
};

// Types text (UTF-8, as all of the program's text) into every game client window, one after the other
// in enumeration order, each receiving the whole text as its kind takes it (see client_typing.h); the
// windows are collected before the typing starts. A client that stops answering, closes or cannot be
// brought to the front is given up and the typing goes on with the next one. After a stop, no client gets
// anything more; the clients not reached count as stopped. No client: nothing happens.
SendResult SendToGame(std::string_view text, const TypingDelays& delays, const CommandStop& stop,
                      const SendOptions& options = {});

}  // namespace kestrelle
