#include "kestrelle_window.h"

#include <commctrl.h>

#include <vector>

namespace kestrelle::test {
namespace {

struct MainSearch {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<MainSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  // The about box shares the class.
  if ((search.processId == 0 || owner == search.processId) && lstrcmpA(className, "KestrelleForm") == 0 &&
      lstrcmpA(caption, "Kestrelle") == 0 && IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

bool IsClass(HWND window, const char* name) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, name) == 0;
}

bool IsMultiLineEdit(HWND window) {
  return IsClass(window, "Edit") && (GetWindowLongPtrA(window, GWL_STYLE) & ES_MULTILINE) != 0;
}

bool IsReadOnly(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & ES_READONLY) != 0; }

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> windows;
  EnumChildWindows(window, &CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND FindInputMemo(HWND mainWindow) {
  for (HWND child : Descendants(mainWindow)) {
    if (IsMultiLineEdit(child) && !IsReadOnly(child)) return child;
  }
  return nullptr;
}

}  // namespace

HWND FindKestrelleWindow(DWORD processId, DWORD timeoutMs) {
  MainSearch search{processId};
  const DWORD start = GetTickCount();
  EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
  while (!search.found && GetTickCount() - start < timeoutMs) {
    Sleep(20);
    EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

// The input memo is the one multi-line box that is not read-only; the output memo is the read-only one on
// the same page. A page's controls exist once the page has been shown, so the pages are brought to the
// front in turn, as a player clicks their tabs (TCM_SETCURFOCUS tells the window as a click does), until
// the memo is there.
TranslatorControls FindTranslatorControls(HWND mainWindow) {
  TranslatorControls controls;
  controls.inputMemo = FindInputMemo(mainWindow);
  const HWND pages = FindWindowExA(mainWindow, nullptr, WC_TABCONTROLA, nullptr);
  const int pageCount = pages ? static_cast<int>(SendMessageA(pages, TCM_GETITEMCOUNT, 0, 0)) : 0;
  for (int page = 0; !controls.inputMemo && page < pageCount; ++page) {
    SendMessageA(pages, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
    controls.inputMemo = FindInputMemo(mainWindow);
  }
  if (!controls.inputMemo) return controls;
  for (HWND sibling : Descendants(GetParent(controls.inputMemo))) {
    if (IsMultiLineEdit(sibling) && IsReadOnly(sibling)) controls.outputMemo = sibling;
    if (IsClass(sibling, "Button") && TextOf(sibling) == "&Translate") controls.translateButton = sibling;
  }
  return controls;
}

void StartTranslate(const TranslatorControls& controls, const std::string& text) {
  SendMessageA(controls.inputMemo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  PostMessageA(GetParent(controls.translateButton), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(controls.translateButton), BN_CLICKED),
               reinterpret_cast<LPARAM>(controls.translateButton));
}

// Asked with WM_GETTEXT, which the system carries across processes: GetWindowText would read only a
// caption there, not an edit box's text.
std::string TextOf(HWND window) {
  std::string text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

}  // namespace kestrelle::test
