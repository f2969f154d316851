#include "ui/form.h"

#include <algorithm>
#include <vector>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/dpi.h"
#include "ui/menu.h"
#include "ui/tab_order.h"

namespace kestrelle::ui {
namespace {

Form* mainForm = nullptr;

// A single frame is a sizing frame (the system's sizing border, on newer systems with a padded border
// around it); its edges are made inert (see WM_NCHITTEST), so the window keeps the look and metrics of a
// fixed frame whose size only the program changes.
DWORD StyleOf(FormBorder border) {
  return border == FormBorder::Single
             ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN
             : WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}

DWORD ExStyleOf(FormBorder border) {
  return WS_EX_CONTROLPARENT | (border == FormBorder::Dialog ? WS_EX_DLGMODALFRAME : 0);
}

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM windows) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

Form::Form(std::string_view caption, const FormOptions& options)
    : border_(options.border),
      centreAtFirstShowing_(options.position == FormPosition::ScreenCentre),
      clientSize_{options.clientWidth, options.clientHeight} {
  const int dpi = ScreenDpi();
  const SIZE outer = OuterSizeForDpi({ScaleToDpi(options.clientWidth, dpi), ScaleToDpi(options.clientHeight, dpi)},
                                     StyleOf(border_), false, ExStyleOf(border_), dpi);
  Create({.className = kFormClass,
          .style = StyleOf(border_),
          .exStyle = ExStyleOf(border_),
          .owner = options.owner != nullptr ? options.owner->Handle() : nullptr,
          .bounds = {CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy},
          .text = caption,
          .font = options.font,
          .fillsBackground = true});
  // The system may have placed the window on a screen of another scale.
  if (Dpi() != dpi) {
    ChangeDpiOfTree(Dpi());
    SetClientSize(options.clientWidth, options.clientHeight);
  }
  if (border_ == FormBorder::Single) DeleteMenu(GetSystemMenu(Handle(), FALSE), SC_SIZE, MF_BYCOMMAND);
  if (mainForm == nullptr) mainForm = this;
}

Form::~Form() {
  if (mainForm == this) mainForm = nullptr;
}

Form* Form::MainForm() { return mainForm; }

void Form::Show() {
  if (Visible()) return;
  Guarded([this] {
    if (onShow) onShow();
  });
  if (centreAtFirstShowing_) {
    centreAtFirstShowing_ = false;
    const Rect outer = Bounds();
    MoveTo(std::max(0, (GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2),
           std::max(0, (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2));
  }
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void Form::Hide() {
  if (!Visible()) return;
  Guarded([this] {
    if (onHide) onHide();
  });
  SetVisible(false);
}

void Form::Close() {
  if (onCloseQuery && !onCloseQuery()) return;
  if (this == mainForm) {
    Hide();
    PostQuitMessage(0);
    return;
  }
  if (modal_) {
    // ShowModal hides the form once the windows it disabled are enabled again. A close sent from another
    // thread is handled inside GetMessage, which goes on waiting; the null message wakes the loop.
    modal_ = false;
    PostMessageA(Handle(), WM_NULL, 0, 0);
    return;
  }
  Hide();
}

void Form::ShowModal() {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  const HWND activeBefore = GetActiveWindow();
  for (HWND window : disabled) EnableWindow(window, FALSE);
  modal_ = true;
  Show();
  MSG msg;
  while (modal_ && Visible()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT goes back to the queue for the main loop; on failure (-1) msg holds nothing to pass on.
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
      break;
    }
    DispatchQueuedMessage(msg);
  }
  modal_ = false;
  // Enabled again and given the activation back before this form hides: a hidden active window would
  // otherwise hand the activation to whatever window lies next (another program's, or none while the
  // program's own windows are still disabled).
  for (HWND window : disabled) EnableWindow(window, TRUE);
  if (GetActiveWindow() == Handle() && IsWindow(activeBefore) && activeBefore != Handle()) {
    SetForegroundWindow(activeBefore);
  }
  Hide();
}

void Form::SetMainMenu(MainMenu& menu) { menu.AttachTo(Handle()); }

void Form::SetOuterPixelSize(int width, int height) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(Handle(), &placement);
  if (placement.showCmd == SW_SHOWMINIMIZED || placement.showCmd == SW_SHOWMAXIMIZED) {
    RECT& normal = placement.rcNormalPosition;
    if (normal.right - normal.left == width && normal.bottom - normal.top == height) return;
    normal.right = normal.left + width;
    normal.bottom = normal.top + height;
    placement.flags = 0;
    SetWindowPlacement(Handle(), &placement);
    if (placement.showCmd == SW_SHOWMINIMIZED) return;
  }
  const Rect bounds = Bounds();
  if (bounds.width == width && bounds.height == height) return;
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Form::OuterSizeAtDpi(SIZE client, int dpi) const {
  return OuterSizeForDpi({ScaleToDpi(client.cx, dpi), ScaleToDpi(client.cy, dpi)},
                         static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), GetMenu(Handle()) != nullptr,
                         static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)), dpi);
}

SIZE Form::OuterSizeForClient(int width, int height) const { return OuterSizeAtDpi({width, height}, Dpi()); }

void Form::SetClientSize(int width, int height) {
  clientSize_ = {width, height};
  const SIZE outer = OuterSizeForClient(width, height);
  SetOuterPixelSize(outer.cx, outer.cy);
}

void Form::MoveTo(int left, int top) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Cancel() {
  if (cancelButton_ != nullptr && cancelButton_->Enabled() && IsWindowVisible(cancelButton_->Handle())) {
    cancelButton_->Click();
  } else if (modal_) {
    Close();
  }
}

void Form::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(Handle(), focus)) lastFocus_ = focus;
}

// A control that can no longer take the focus passes it to the next one after it in the Tab order.
void Form::RestoreFocus() {
  const HWND target = CanTakeFocus(lastFocus_, Handle()) ? lastFocus_ : NextTabStop(Handle(), lastFocus_, false);
  if (target != nullptr) ::SetFocus(target);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
        break;
      }
      // A minimised window takes the focus when it is restored (WM_SETFOCUS below).
      if (HIWORD(wParam) != 0) break;
      RestoreFocus();
      return 0;
    case WM_SYSCOMMAND:
      // A window being minimised loses the focus before it is deactivated, if it is at all.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) RememberFocus();
      break;
    case WM_CANCELMODE:
      // Sent before the window is disabled for a modal box, which may take the focus away before the
      // window is deactivated.
      RememberFocus();
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SIZE:
      if (onResize) onResize();
      return 0;
    case WM_GETMINMAXINFO:
      DefaultHandling(message, wParam, lParam);
      if (onGetMinMaxInfo) onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_NCHITTEST: {
      const LRESULT hit = DefaultHandling(message, wParam, lParam);
      const bool sizingEdge = hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
      return border_ == FormBorder::Single && sizingEdge ? HTBORDER : hit;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_GETDPISCALEDSIZE:
      // Asked before a move to a screen of another scale: the size the form will have there, so that the
      // place suggested by WM_DPICHANGED already fits it (the system's own guess scales the frame too).
      *reinterpret_cast<SIZE*>(lParam) = OuterSizeAtDpi(clientSize_, static_cast<int>(wParam));
      return TRUE;
    case WM_DPICHANGED: {
      // Moved to a screen of another scale: the whole form is laid out again at the new DPI, then takes
      // the place the system suggests (the form's own size rules may still adjust its size).
      ChangeDpiOfTree(LOWORD(wParam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_COMMAND:
      // Enter and Esc as the dialog keyboard interface reports them (no control window given).
      if (lParam == 0 && LOWORD(wParam) == IDOK && defaultButton_ != nullptr) {
        if (defaultButton_->Enabled()) defaultButton_->Click();
        return 0;
      }
      if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
        Cancel();
        return 0;
      }
      break;
    default:
      break;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace kestrelle::ui
