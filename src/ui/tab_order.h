#pragma once
// The Tab order of a window's controls and the places the focus may go, as the dialog keyboard interface
// knows them, with two additions: a container that is a Tab stop itself (the tab strip that holds the
// pages) is visited too, after the controls it holds; and a window marked to lead (the tab strip under
// the controls on its tabs, which stands above them on the screen) comes before its siblings.

#include <windows.h>

#include <optional>

namespace kestrelle::ui {

// Marks a window to come before its siblings in the Tab order, or no longer. A marked window must be
// unmarked before it is destroyed.
void LeadTabOrder(HWND window, bool leads);

// The next control after from (before it, going backwards) that Tab stops at in container, round the
// ends; from may be anywhere in the container, also hidden or disabled, or elsewhere (then the first or
// the last is found). Null when there is no other.
HWND NextTabStop(HWND container, HWND from, bool backwards);

// Whether a window inside root could have the focus now: it exists, and it and every window up to root
// are shown and enabled.
bool CanTakeFocus(HWND window, HWND root);

// Gives a control the focus as the Tab key does: the text of a box that asks for it is selected whole.
void FocusAsTabStop(HWND control);

// What an access key reaches in a container: the first control in the Tab order, shown and enabled, whose
// caption marks it. A push button, check box or radio item is pressed; a label gives the focus to the
// control after it that Tab stops at (its field), a group's caption to the first one inside the group.
struct AccessKeyTarget {
  HWND window;
  bool press;
};
std::optional<AccessKeyTarget> FindAccessKey(HWND container, char key);

}  // namespace kestrelle::ui
