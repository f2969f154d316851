#pragma once
// Processing of pending window messages on request, for the waits that keep the window live while a
// long command (a translation, the typing into the game) runs on the window thread.

namespace kestrelle::ui {

// Dispatches every message waiting for this thread, then returns. A WM_QUIT taken from the queue is
// posted again, so the message loop still ends when the command is over; the result is true then, so a
// wait can end instead of finding the same WM_QUIT again and again.
bool ProcessPendingMessages();

}  // namespace kestrelle::ui
