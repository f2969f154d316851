#include "ui/tab_order.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "ui/navigation_rules.h"

namespace kestrelle::ui {
namespace {

bool HasStyle(HWND window, DWORD style) { return (GetWindowLongPtrA(window, GWL_STYLE) & style) == style; }

// Every window in the order Tab visits them: siblings from the top of the z-order, into containers that
// hold controls of their own. reachable: whether the container and everything up to the root are shown
// and enabled.
void Collect(HWND parent, bool reachable, std::vector<HWND>& windows, std::vector<bool>& stops) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool usable = reachable && HasStyle(child, WS_VISIBLE) && !HasStyle(child, WS_DISABLED);
    if ((GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0) Collect(child, usable, windows, stops);
    windows.push_back(child);
    stops.push_back(usable && HasStyle(child, WS_TABSTOP));
  }
}

}  // namespace

HWND NextTabStop(HWND container, HWND from, bool backwards) {
  std::vector<HWND> windows;
  std::vector<bool> stops;
  Collect(container, true, windows, stops);
  // A window inside a control (the edit box of a combo box) stands at the place of that control.
  std::optional<std::size_t> position;
  for (HWND at = from; at != nullptr && at != container && !position; at = GetParent(at)) {
    if (const auto found = std::find(windows.begin(), windows.end(), at); found != windows.end()) {
      position = static_cast<std::size_t>(found - windows.begin());
    }
  }
  const std::optional<std::size_t> next = NextStop(stops, position, backwards);
  return next ? windows[*next] : nullptr;
}

bool CanTakeFocus(HWND window, HWND root) {
  if (window == nullptr || !IsWindow(window) || (window != root && !IsChild(root, window))) return false;
  for (HWND at = window; at != nullptr; at = at == root ? nullptr : GetParent(at)) {
    if (!HasStyle(at, WS_VISIBLE) || HasStyle(at, WS_DISABLED)) return false;
  }
  return true;
}

void FocusAsTabStop(HWND control) {
  SetFocus(control);
  if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) SendMessageA(control, EM_SETSEL, 0, -1);
}

}  // namespace kestrelle::ui
