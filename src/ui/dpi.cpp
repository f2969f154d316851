#include "ui/dpi.h"

namespace kestrelle::ui {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// A function of user32 that older systems lack, or null. (Through a plain function pointer type, which
// any function pointer may be cast from and back.)
template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  const FARPROC found = user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

int WindowDpi(HWND window) {
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
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
  static const auto adjustForDpi = User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT outer{0, 0, client.cx, client.cy};
  if (adjustForDpi != nullptr) {
    adjustForDpi(&outer, style, hasMenu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&outer, style, hasMenu ? TRUE : FALSE, exStyle);
  }
  return {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace kestrelle::ui
