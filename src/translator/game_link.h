#pragma once
// The link to the game: types a text into every running game client window (top-level windows of class
// "Ultima Online") as character messages, with the pauses of TypeIntoWindow.
//
// Use from the Translate command (window thread):
//   const TypingDelays delays{charDelay, lineDelay};       // read from the fields before the call
//   const SendResult sent = SendToGame(text, delays, stop);
//   if (sent.stopped) return;  // the window is closing: touch no control, leave the handler at once
// Every wait dispatches the window's messages, so handlers run nested inside SendToGame.
//
// Closing while typing: the translator page owns one CommandStop for the main window's lifetime. A close
// asked for while a command runs requests the stop and is put off; the command ends at its next wait, and
// the page closes the window once the command has returned, so no control is destroyed under it. A WM_QUIT
// met during a wait ends the typing as well, and is posted again so the message loop still ends.
#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "translator/command_stop.h"
#include "translator/game_client_class.h"
#include "translator/typing.h"

namespace kestrelle {

// How long one character may take a client before that client counts as not responding and is dropped
// for the rest of the text. A client the system already knows to be hung is dropped at once.
inline constexpr std::uint32_t kClientResponseTimeoutMs = 5000;

struct SendResult {
  int clients = 0;       // game client windows found
  int completed = 0;     // clients that took the whole text
  int dropped = 0;       // clients that stopped taking characters (closed or not responding)
  bool stopped = false;  // the command was asked to stop: the typing ended at a wait, later clients got nothing
};

// Every top-level window of class "Ultima Online", in the system's enumeration order.
std::vector<HWND> FindGameClientWindows();

// Types text into every game client window, one after the other in enumeration order, each receiving the
// whole text (WM_CHAR with the character code and 1). The windows are collected before the typing starts.
// A client that does not take a character is dropped and the typing goes on with the next one. Returns
// when all clients are done, or at the first wait after stop was requested. No client: nothing happens.
SendResult SendToGame(std::string_view text, const TypingDelays& delays, const CommandStop& stop);

}  // namespace kestrelle
