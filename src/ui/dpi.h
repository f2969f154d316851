#pragma once
// The scale of the screen a window is on. Layouts are written in pixels of a 96-DPI screen; the window
// layer turns them into the pixels of the window's screen, so a page looks the same, only larger, at 125,
// 150 or 200 % and stays exactly as written at 100 %.

#include <windows.h>

namespace kestrelle::ui {

// The DPI that layout numbers are written for.
inline constexpr int kLayoutDpi = 96;

// The DPI of the screen a window is on: GetDpiForWindow where the system has it (Windows 10 from 1607
// on, recent Wine), looked up when first needed so that the program still starts on older systems; the
// screen's DPI otherwise.
int WindowDpi(HWND window);

// The system DPI: the scale the primary screen had when the user signed in, which a new top-level window
// starts at until the system tells it the DPI of the screen it is on.
int ScreenDpi();

// A length of the layout at a DPI, rounded to the nearest pixel (halves away from zero).
int ScaleToDpi(int length, int dpi);

// The outer size of a window whose client area is `client`, with the frame metrics of a DPI (those of the
// screen where the system cannot give them for another DPI).
SIZE OuterSizeForDpi(SIZE client, DWORD style, bool hasMenu, DWORD exStyle, int dpi);

}  // namespace kestrelle::ui
