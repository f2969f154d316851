#include "kestrelle_window.h"

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
  // The about box shares the class but is hidden until asked for.
  if ((search.processId == 0 || owner == search.processId) && lstrcmpA(className, "KestrelleForm") == 0 &&
      IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

bool IsMultiLineEdit(HWND window) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, "Edit") == 0 && (GetWindowLongPtrA(window, GWL_STYLE) & ES_MULTILINE) != 0;
}

bool IsReadOnly(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & ES_READONLY) != 0; }

BOOL CALLBACK CollectChildren(HWND window, LPARAM children) {
  reinterpret_cast<std::vector<HWND>*>(children)->push_back(window);
  return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, &CollectChildren, reinterpret_cast<LPARAM>(&children));
  return children;
}

// The input memo is the one multi-line box that is not read-only; the output memo is the read-only one
// on the same page.
void FindTranslatorControls(KestrelleWindow& window) {
  for (HWND child : Descendants(window.main)) {
    if (IsMultiLineEdit(child) && !IsReadOnly(child)) window.inputMemo = child;
  }
  if (!window.inputMemo) return;
  for (HWND sibling : Descendants(GetParent(window.inputMemo))) {
    char className[64] = {};
    GetClassNameA(sibling, className, sizeof className);
    if (IsMultiLineEdit(sibling) && IsReadOnly(sibling)) window.outputMemo = sibling;
    if (lstrcmpiA(className, "Button") == 0 && TextOf(sibling) == "Translate") window.translateButton = sibling;
  }
}

}  // namespace

KestrelleWindow FindKestrelle(DWORD processId, DWORD timeoutMs) {
  KestrelleWindow window;
  const DWORD start = GetTickCount();
  MainSearch search{processId};
  while (!search.found && GetTickCount() - start < timeoutMs) {
    EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(20);
  }
  window.main = search.found;
  if (window.main) FindTranslatorControls(window);
  return window;
}

void StartTranslate(const KestrelleWindow& window, const std::string& text) {
  SendMessageA(window.inputMemo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  PostMessageA(GetParent(window.translateButton), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(window.translateButton), BN_CLICKED),
               reinterpret_cast<LPARAM>(window.translateButton));
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
