#include "ui/tab_order.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "ui/access_keys.h"
#include "ui/control.h"
#include "ui/navigation_rules.h"

namespace kestrelle::ui {
namespace {

constexpr const char* kLeadsProperty = "KestrelleLeadsTabOrder";

bool HasStyle(HWND window, DWORD style) { return (GetWindowLongPtrA(window, GWL_STYLE) & style) == style; }

struct TabEntry {
  HWND window;
  bool usable;  // it and everything up to the root are shown and enabled
  bool stop;    // usable, and Tab stops at it
};

// Every window in the order Tab visits them: siblings from the top of the z-order (those marked to lead
// first), into containers that hold controls of their own. reachable: whether the container and everything
// up to the root are shown and enabled.
void Collect(HWND parent, bool reachable, std::vector<TabEntry>& entries) {
  std::size_t leadersEnd = entries.size();
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::size_t start = entries.size();
    const bool usable = reachable && HasStyle(child, WS_VISIBLE) && !HasStyle(child, WS_DISABLED);
    if ((GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0) Collect(child, usable, entries);
    entries.push_back({child, usable, usable && HasStyle(child, WS_TABSTOP)});
    if (GetPropA(child, kLeadsProperty) != nullptr) {
      const auto at = [&entries](std::size_t index) { return entries.begin() + static_cast<std::ptrdiff_t>(index); };
      std::rotate(at(leadersEnd), at(start), entries.end());
      leadersEnd += entries.size() - start;
    }
  }
}

std::vector<TabEntry> EntriesOf(HWND container) {
  std::vector<TabEntry> entries;
  Collect(container, true, entries);
  return entries;
}

std::vector<bool> StopsOf(const std::vector<TabEntry>& entries) {
  std::vector<bool> stops;
  for (const TabEntry& entry : entries) stops.push_back(entry.stop);
  return stops;
}

}  // namespace

void LeadTabOrder(HWND window, bool leads) {
  if (leads) {
    SetPropA(window, kLeadsProperty, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropA(window, kLeadsProperty);
  }
}

HWND NextTabStop(HWND container, HWND from, bool backwards) {
  const std::vector<TabEntry> entries = EntriesOf(container);
  // A window inside a control (the edit box of a combo box) stands at the place of that control.
  std::optional<std::size_t> position;
  for (HWND at = from; at != nullptr && at != container && !position; at = GetParent(at)) {
    const auto found =
        std::find_if(entries.begin(), entries.end(), [at](const TabEntry& entry) { return entry.window == at; });
    if (found != entries.end()) position = static_cast<std::size_t>(found - entries.begin());
  }
  const std::optional<std::size_t> next = NextStop(StopsOf(entries), position, backwards);
  return next ? entries[*next].window : nullptr;
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

// Labels, groups and buttons answer to their captions, as the dialog keyboard interface reads them; the
// text of any other window (a box's contents) marks nothing.
std::optional<AccessKeyTarget> FindAccessKey(HWND container, char key) {
  const std::vector<TabEntry> entries = EntriesOf(container);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const HWND window = entries[i].window;
    if (!entries[i].usable) continue;
    const LRESULT code = SendMessageA(window, WM_GETDLGCODE, 0, 0);
    if ((code & (DLGC_STATIC | DLGC_BUTTON)) == 0 || AccessKeyOf(WindowTextOf(window)) != key) continue;
    if ((code & DLGC_BUTTON) != 0) return AccessKeyTarget{window, true};
    HWND field = nullptr;
    if ((GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0) {
      field = NextTabStop(window, nullptr, false);
    } else if (const std::optional<std::size_t> next = NextStop(StopsOf(entries), i, false)) {
      field = entries[*next].window;
    }
    if (field != nullptr) return AccessKeyTarget{field, false};
  }
  return std::nullopt;
}

}  // namespace kestrelle::ui
