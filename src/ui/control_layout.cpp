#include "ui/control.h"

#include <vector>

#include "ui/dpi.h"

// Controls are laid out in pixels of a 96-DPI screen; these place and size them at their window's DPI and
// lay them out again when it changes.
namespace kestrelle::ui {
namespace {

BOOL CALLBACK CollectControl(HWND window, LPARAM controls) {
  if (Control* control = Control::FromHandle(window)) reinterpret_cast<std::vector<Control*>*>(controls)->push_back(control);
  return TRUE;
}

}  // namespace

Rect Control::Bounds() const {
  RECT window;
  GetWindowRect(hwnd_, &window);
  if ((GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) != 0) {
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&window), 2);
  }
  return {window.left, window.top, window.right - window.left, window.bottom - window.top};
}

void Control::SetBounds(const Rect& bounds) {
  layoutBounds_ = bounds;
  const Rect pixels = Scale(bounds);
  SetWindowPos(hwnd_, nullptr, pixels.left, pixels.top, pixels.width, pixels.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SetPixelBounds(const Rect& bounds) {
  layoutBounds_.reset();
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Control::Scale(int length) const { return ScaleToDpi(length, dpi_); }

// Each edge is scaled on its own, so that neighbours that meet in the layout still meet.
Rect Control::Scale(const Rect& bounds) const {
  const int left = Scale(bounds.left);
  const int top = Scale(bounds.top);
  return {left, top, Scale(bounds.Right()) - left, Scale(bounds.Bottom()) - top};
}

HFONT Control::ScaledFont() const { return SharedFont(Font(), dpi_); }

void Control::ChangeDpi(int dpi) {
  dpi_ = dpi;
  if (layoutBounds_) {
    const Rect pixels = Scale(*layoutBounds_);
    SetWindowPos(hwnd_, nullptr, pixels.left, pixels.top, pixels.width, pixels.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ScaledFont()), TRUE);
  OnDpiChanged();
}

void Control::ChangeDpiOfTree(int dpi) {
  std::vector<Control*> controls{this};
  // Every descendant window, parents before their children.
  EnumChildWindows(hwnd_, &CollectControl, reinterpret_cast<LPARAM>(&controls));
  for (Control* control : controls) control->ChangeDpi(dpi);
}

Rect Control::ClientRect() const {
  RECT client;
  GetClientRect(hwnd_, &client);
  return {0, 0, client.right, client.bottom};
}

}  // namespace kestrelle::ui
