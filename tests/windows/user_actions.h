#pragma once
// Choices made as a player makes them: the window receives what the system sends when the user clicks a
// button, chooses a list entry or clicks a tab. Shared by the Windows-side tests and the screenshots.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/combo_box.h"
#include "ui/page_control.h"

namespace kestrelle::test {

inline void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

// Chooses the entry of that text from the list; false when there is none.
inline bool ChooseItem(const ui::ComboBox& box, const std::string& item) {
  const LRESULT index =
      SendMessageA(box.Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
  if (index == CB_ERR) return false;
  SendMessageA(box.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(GetParent(box.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box.Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(box.Handle()));
  return true;
}

// Clicks the tab of that caption (as stored, "Knives && Daggers"); false when there is none.
inline bool ChooseTab(const ui::TabControl& tabs, const std::string& caption) {
  for (int i = 0; i < tabs.TabCount(); ++i) {
    if (tabs.TabCaption(i) != caption) continue;
    const HWND strip = tabs.StripHandle();
    SendMessageA(strip, TCM_SETCURSEL, static_cast<WPARAM>(i), 0);
    NMHDR header{strip, static_cast<UINT_PTR>(GetDlgCtrlID(strip)), TCN_SELCHANGE};
    SendMessageA(GetParent(strip), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return true;
  }
  return false;
}

}  // namespace kestrelle::test
