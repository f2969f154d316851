#pragma once
// Finds a running Kestrelle's main window and its Translator page's controls from another program, and
// starts a Translate there as the player does; used by the Windows-side tests and by remote_translate.

#include <windows.h>

#include <string>

namespace kestrelle::test {

struct KestrelleWindow {
  HWND main = nullptr;
  HWND inputMemo = nullptr;
  HWND outputMemo = nullptr;
  HWND translateButton = nullptr;

  bool Found() const { return main && inputMemo && outputMemo && translateButton; }
};

// The shown main window of the process (of any process when processId is 0) and its Translator controls,
// waited for up to timeoutMs; members stay null for what does not come.
KestrelleWindow FindKestrelle(DWORD processId, DWORD timeoutMs);

// Puts the text into the input memo and presses Translate (posted, so that it runs in Kestrelle's own
// message loop).
void StartTranslate(const KestrelleWindow& window, const std::string& text);

// The text of a window, also of another process.
std::string TextOf(HWND window);

}  // namespace kestrelle::test
