#pragma once
// The Tab order of a window's controls and the places the focus may go, as the dialog keyboard interface
// knows them, with one addition: a container that is a Tab stop itself (the tab strip that holds the pages)
// is visited too, after the controls it holds.

#include <windows.h>

namespace kestrelle::ui {

// The next control after from (before it, going backwards) that Tab stops at in container, round the
// ends; from may be anywhere in the container, also hidden or disabled, or elsewhere (then the first or
// the last is found). Null when there is no other.
HWND NextTabStop(HWND container, HWND from, bool backwards);

// Whether a window inside root could have the focus now: it exists, and it and every window up to root
// are shown and enabled.
bool CanTakeFocus(HWND window, HWND root);

// Gives a control the focus as the Tab key does: the text of a box that asks for it is selected whole.
void FocusAsTabStop(HWND control);

}  // namespace kestrelle::ui
