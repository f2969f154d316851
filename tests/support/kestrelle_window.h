#pragma once
// Finds a running Kestrelle's main window and its Translator page's controls from another program, and
// starts a Translate there as the player does; used by the Windows-side tests and by remote_translate.

#include <windows.h>

#include <string>

namespace kestrelle::test {

// The shown main window of the process (of any process when processId is 0), waited for up to timeoutMs;
// null when it does not show.
HWND FindKestrelleWindow(DWORD processId, DWORD timeoutMs);

struct TranslatorControls {
  HWND inputMemo = nullptr;
  HWND outputMemo = nullptr;
  HWND translateButton = nullptr;

  bool Found() const { return inputMemo && outputMemo && translateButton; }
};

// The Translator page's memos and Translate button on the main window, the page brought to the front first
// if it has not been shown yet; null members for what is missing.
TranslatorControls FindTranslatorControls(HWND mainWindow);

// Puts the text into the input memo and presses Translate (posted, so that it runs in Kestrelle's own
// message loop).
void StartTranslate(const TranslatorControls& controls, const std::string& text);

// The text of a window, also of another process.
std::string TextOf(HWND window);

}  // namespace kestrelle::test
