#pragma once
// What the keyboard's moving keys mean in a window, whichever control has the focus, and the order in which
// they visit controls and tabs. Kept free of any window so that the rules can be tested on their own.

#include <cstddef>
#include <optional>
#include <vector>

namespace kestrelle::ui {

enum class Navigation {
  None,
  NextControl,      // Tab
  PreviousControl,  // Shift+Tab
  NextPage,         // Ctrl+Tab: the window's pages, from any control
  PreviousPage,     // Ctrl+Shift+Tab
  NextTab,          // Ctrl+PgDn: the nearest tab strip around the focus (a page's own tabs before the pages)
  PreviousTab,      // Ctrl+PgUp
};

// A key pressed, as its virtual-key code with the modifiers held.
struct KeyPress {
  unsigned key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

Navigation NavigationOf(const KeyPress& press);
bool IsForward(Navigation navigation);

// The neighbouring tab of a row of count tabs, round the ends; from none selected (-1) the first or the last.
int NeighbourTab(int index, int count, bool forward);

// In a list of controls in Tab order, of which those marked can take the focus, the next marked one after
// position from (before it, going backwards), round the ends; without a position, the first (the last).
// None when no control is marked, or when only the one at from is.
std::optional<std::size_t> NextStop(const std::vector<bool>& isStop, std::optional<std::size_t> from, bool backwards);

}  // namespace kestrelle::ui
