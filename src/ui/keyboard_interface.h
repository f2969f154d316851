#pragma once
// The keyboard interface of the program's windows, beyond what the system's dialog keyboard interface
// does: the keys that move between controls and pages, and the keys that must not reach a window while a
// modal box is over it.

#include <windows.h>

namespace kestrelle::ui {

// Handles a key that moves the focus or the page, taken from the queue before it is translated (so that
// no character comes of it): Tab and Shift+Tab in the program's forms, over every control including the
// tab strip that holds the pages; Ctrl+Tab and Ctrl+Shift+Tab step through the pages of the window;
// Ctrl+PgDn and Ctrl+PgUp through the nearest tabs around the focus (a reference page's categories, else
// the pages). Returns whether the key was used.
bool HandleNavigationKey(const MSG& msg);

// Handles an access key in the program's forms: Alt and a character, or the character alone on a control
// that takes no characters (a button, a radio item), as in any dialog. The control whose caption marks it
// is pressed, or its field gets the focus (tab_order.h, FindAccessKey). Returns whether the key was used;
// an Alt key that marks nothing goes on to the menu bar.
bool HandleAccessKey(const MSG& msg);

// Keys pressed before a modal box (a message box, a file dialog, the about box) took the keyboard are still
// queued for the control that had the focus, and the box's own message loop would translate them and type
// their characters into that control behind the box: a shortcut's letter whose Ctrl was released first
// (the key's repeat), or keys typed ahead. Such a key is one for a window disabled under a modal box.
bool IsKeyForDisabledWindow(const MSG& msg);

// From this call on, the message loops of the system's dialogs and message boxes on this thread drop the
// keys for disabled windows (the program's own loops drop them in DispatchQueuedMessage).
void DropKeysForDisabledWindows();

}  // namespace kestrelle::ui
