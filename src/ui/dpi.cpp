#include "ui/dpi.h"

#include "ui/library_function.h"

namespace kestrelle::ui {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

}  // namespace

int WindowDpi(HWND window) {
  static const auto getDpiForWindow = OptionalLibraryFunction<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLayoutDpi;
}

int ScaleToDpi(int length, int dpi) { return dpi == kLayoutDpi ? length : MulDiv(length, dpi, kLayoutDpi); }

SIZE OuterSizeForDpi(SIZE client, DWORD style, bool hasMenu, DWORD exStyle, int dpi) {
  static const auto adjustForDpi = OptionalLibraryFunction<AdjustWindowRectExForDpiFunction>("user32.dll", "AdjustWindowRectExForDpi");
  RECT outer{0, 0, client.cx, client.cy};
  if (adjustForDpi != nullptr) {
    adjustForDpi(&outer, style, hasMenu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&outer, style, hasMenu ? TRUE : FALSE, exStyle);
  }
  return {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace kestrelle::ui
