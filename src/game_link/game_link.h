#pragma once
// The link to the game: types a text into every running game client window (the classic client, Orion
// and ClassicUO; see client_kind.h) as character messages, with the pauses of TypeIntoWindow; then, when
// Kestrelle runs under Wine with a native link (native_link.h), into the native ClassicUO windows of the
// player's X display.
//
// Use from the Translate command (window thread):
//   const TypingDelays delays{charDelay, lineDelay};       // read from the fields before the call
//   const SendResult sent = SendToGame(text, delays, stop, mainWindow);
//   if (sent.stopped) return;  // the window is closing: touch no control, leave the handler at once
// Every wait dispatches the window's messages, so handlers run nested inside SendToGame.
//
// ClassicUO takes typed text only while its window is in front (key presses arrive either way), so it is
// brought to the front before its first character, and again should it lose the front meanwhile; once all
// clients are done, the front goes back to the main window, so the player can type the next line at once.
// Windows lets a program take the front only while it may (it received the last input, or is in front):
// a ClassicUO window that does not come to the front in time gets nothing, as its text would be lost.
//
// Closing while typing: the translator page owns one CommandStop for the main window's lifetime. A close
// asked for while a command runs requests the stop and is put off; the command ends at its next wait, and
// the page closes the window once the command has returned, so no control is destroyed under it. A WM_QUIT
// met during a wait ends the typing as well, and is posted again so the message loop still ends.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game_link/command_stop.h"
#include "game_link/client_kind.h"
#include "game_link/typing.h"

namespace kestrelle {

// ClassicUO's end of a typed line: a Return key press (SDL ignores character 13, and SDL 2 builds a
// Return without the key's scan code). The key message parameters: repeat count 1, scan code 0x1C, and
// for the release the previous-state and transition bits.
inline constexpr LPARAM kReturnDownKeyData = 0x001C0001;
inline constexpr LPARAM kReturnUpKeyData = static_cast<LPARAM>(0xC01C0001u);

struct SendResult {
  int clients = 0;       // game client windows found
  int completed = 0;     // clients that took the whole text
  int dropped = 0;       // clients that stopped taking characters (closed, not responding, or kept from the front)
  bool stopped = false;  // the command was asked to stop: the typing ended at a wait, later clients got nothing
  std::string notice;    // something the player should be told about the native clients, once; empty if none
};

struct GameClientWindow {
  HWND window;
  GameClientKind kind;
};

// Every top-level game client window with its kind, in the system's enumeration order.
std::vector<GameClientWindow> FindGameClients();
// The windows of FindGameClients.
std::vector<HWND> FindGameClientWindows();

// Types text into every game client window, one after the other in enumeration order, each receiving the
// whole text (WM_CHAR with the character code and 1; for ClassicUO a carriage return goes as a Return key
// press, and its window is brought to the front first). The windows are collected before the typing starts.
// A client that does not take a character, or cannot be brought to the front, is dropped and the typing
// goes on with the next one. When a client was brought to the front, home (if any) is given the front back
// at the end. Returns when all clients are done, or at the first wait after stop was requested. No client:
// nothing happens.
SendResult SendToGame(std::string_view text, const TypingDelays& delays, const CommandStop& stop,
                      HWND home = nullptr);

}  // namespace kestrelle
