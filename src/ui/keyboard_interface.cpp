#include "ui/keyboard_interface.h"

#include "ui/access_keys.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/navigation_rules.h"
#include "ui/page_control.h"
#include "ui/smart_handle.h"
#include "ui/tab_order.h"

namespace kestrelle::ui {
namespace {

bool IsKeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The program's form a key was pressed in; null for another window (a system dialog's).
HWND FormOf(const MSG& msg) {
  const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  return dynamic_cast<Form*>(Control::FromHandle(root)) != nullptr ? root : nullptr;
}

bool WantsKey(const MSG& msg, LRESULT codes) {
  return (SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) & codes) != 0;
}

// The focus rectangle shows from the first key that moves the focus on, as the dialog keyboard interface
// shows it for the keys it handles (the player's settings may show it always).
void ShowFocusCues(HWND form) { SendMessageA(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0); }

bool MoveToNextControl(const MSG& msg, bool backwards) {
  const HWND root = FormOf(msg);
  if (root == nullptr || WantsKey(msg, DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  if (const HWND next = NextTabStop(root, msg.hwnd, backwards)) FocusAsTabStop(next);
  ShowFocusCues(root);
  return true;
}

// The nearest tabs of that kind around the focus step on.
template <typename Tabs>
bool StepTabsAround(HWND focus, bool forward) {
  for (HWND at = focus; at != nullptr; at = GetAncestor(at, GA_PARENT)) {
    if (auto* tabs = dynamic_cast<Tabs*>(Control::FromHandle(at))) {
      Guarded([&] { tabs->StepTab(forward); });
      ShowFocusCues(GetAncestor(at, GA_ROOT));
      return true;
    }
  }
  return false;
}

bool IsTyping(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR || message == WM_SYSCHAR ||
         message == WM_DEADCHAR || message == WM_SYSDEADCHAR;
}

// Called by the message loops of the system's dialogs and message boxes before they translate a message;
// what it reports as handled, they leave untranslated and undispatched.
LRESULT CALLBACK DropKeyInModalLoop(int code, WPARAM flags, LPARAM message) {
  if (code >= 0 && IsKeyForDisabledWindow(*reinterpret_cast<const MSG*>(message))) return TRUE;
  return CallNextHookEx(nullptr, code, flags, message);
}

}  // namespace

bool HandleNavigationKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.hwnd == nullptr) return false;
  const Navigation navigation = NavigationOf(
      {static_cast<unsigned>(msg.wParam), IsKeyDown(VK_CONTROL), IsKeyDown(VK_SHIFT), IsKeyDown(VK_MENU)});
  const bool forward = IsForward(navigation);
  switch (navigation) {
    case Navigation::NextControl:
    case Navigation::PreviousControl:
      return MoveToNextControl(msg, !forward);
    case Navigation::NextPage:
    case Navigation::PreviousPage:
      return StepTabsAround<PageControl>(msg.hwnd, forward);
    case Navigation::NextTab:
    case Navigation::PreviousTab:
      return StepTabsAround<TabStepping>(msg.hwnd, forward);
    case Navigation::None:
      break;
  }
  return false;
}

bool HandleAccessKey(const MSG& msg) {
  if ((msg.message != WM_SYSCHAR && msg.message != WM_CHAR) || msg.hwnd == nullptr) return false;
  const char typed = static_cast<char>(msg.wParam);
  const HWND root = FormOf(msg);
  if (root == nullptr || static_cast<unsigned char>(typed) <= ' ') return false;
  if (msg.message == WM_CHAR && WantsKey(msg, DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  const std::optional<AccessKeyTarget> target = FindAccessKey(root, AccessKeyFor(typed));
  if (!target) return false;
  ShowFocusCues(root);
  if (target->press) {
    SendMessageA(target->window, BM_CLICK, 0, 0);
  } else {
    FocusAsTabStop(target->window);
  }
  return true;
}

// Key releases pass, so that no control is left thinking a key is still held.
bool IsKeyForDisabledWindow(const MSG& msg) {
  return msg.hwnd != nullptr && IsTyping(msg.message) && !IsWindowEnabled(GetAncestor(msg.hwnd, GA_ROOT));
}

void DropKeysForDisabledWindows() {
  thread_local const HookHandle hook(SetWindowsHookExA(WH_MSGFILTER, &DropKeyInModalLoop, nullptr, GetCurrentThreadId()));
  (void)hook;
}

}  // namespace kestrelle::ui
