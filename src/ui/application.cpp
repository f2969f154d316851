#include "ui/application.h"

#include <commctrl.h>

#include <exception>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/keyboard_interface.h"
#include "ui/menu.h"
#include "ui/wide_text.h"

namespace kestrelle::ui {
namespace {

std::string& TitleStorage() {
  static std::string title;
  return title;
}

// The pop-up menu of the control with the focus or of its nearest ancestor that has one.
PopupMenu* PopupMenuAround(HWND window) {
  for (Control* control = Control::FromHandle(window); control != nullptr; control = control->Parent()) {
    if (PopupMenu* menu = control->AttachedPopupMenu()) return menu;
  }
  return nullptr;
}

bool IsKeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// A shortcut's key is used up also when its command fails: translated after the command's error box, when
// Ctrl has been released meanwhile, it would type its letter into the control.
bool HandleMenuShortcut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  PopupMenu* menu = PopupMenuAround(msg.hwnd);
  if (menu == nullptr) return false;
  const Shortcut pressed{static_cast<UINT>(msg.wParam), IsKeyDown(VK_CONTROL), IsKeyDown(VK_SHIFT), IsKeyDown(VK_MENU)};
  MenuItem* item = menu->ItemWithShortcut(pressed);
  if (item == nullptr) return false;
  Guarded([item] { item->Click(); });
  return true;
}

}  // namespace

void InitialiseControls() {
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  DropKeysForDisabledWindows();
}

void SetApplicationTitle(std::string_view title) { TitleStorage() = title; }

const std::string& ApplicationTitle() { return TitleStorage(); }

void ShowErrorBox(const std::string& message) noexcept {
  MessageBoxW(GetActiveWindow(), WideFromUtf8(message).c_str(), WideFromUtf8(TitleStorage()).c_str(),
              MB_OK | MB_ICONERROR);
}

void ReportCurrentException() noexcept {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowErrorBox(error.what());
  } catch (...) {
    ShowErrorBox("An unknown error occurred.");
  }
}

void DispatchQueuedMessage(MSG& msg) {
  if (IsKeyForDisabledWindow(msg) || HandleMenuShortcut(msg) || HandleNavigationKey(msg) || HandleAccessKey(msg)) {
    return;
  }
  const HWND active = GetActiveWindow();
  if (active != nullptr && dynamic_cast<Form*>(Control::FromHandle(active)) != nullptr &&
      IsDialogMessageW(active, &msg)) {
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop(Form& mainForm) {
  mainForm.Show();
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) DispatchQueuedMessage(msg);
  return got == 0 ? static_cast<int>(msg.wParam) : 1;  // -1: the loop failed and msg holds nothing
}

}  // namespace kestrelle::ui
