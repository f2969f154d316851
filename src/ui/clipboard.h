#pragma once
// Reading the clipboard's text, as the edit boxes paste it.

#include <windows.h>

#include <string>

namespace kestrelle::ui {

// The clipboard's text up to its first zero character: empty when it holds no text or another program
// has it open.
std::wstring ClipboardText(HWND owner);

}  // namespace kestrelle::ui
