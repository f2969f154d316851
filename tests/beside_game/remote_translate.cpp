// remote_translate [--active] <text>: plays the player at a Kestrelle that someone else started in the same
// Wine prefix: waits for its window, types the text into the Translator page, presses Translate, waits until
// the text shows as transmitted, prints it and closes Kestrelle. With --active, Kestrelle's window must also
// be the active one once the text shows (it has the front back from the game clients). Exits 0 when all of
// that happened; otherwise says what did not happen and exits non-zero.

#include <windows.h>

#include <cstdio>
#include <string>

#include "kestrelle_window.h"

namespace {

// scripts/run.sh checks the build before it starts Kestrelle.
constexpr DWORD kWindowWaitMs = 60000;
constexpr DWORD kTransmitWaitMs = 60000;
// The front comes back through the X server: Wine learns of it from an event.
constexpr DWORD kActiveWaitMs = 5000;

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrelle::test;
  const bool mustBeActive = argc == 3 && std::string(argv[1]) == "--active";
  if (argc != 2 && !mustBeActive) {
    std::fprintf(stderr, "usage: remote_translate [--active] <text>\n");
    return 2;
  }
  const char* text = argv[argc - 1];
  const HWND window = FindKestrelleWindow(0, kWindowWaitMs);
  if (!window) {
    std::fprintf(stderr, "remote_translate: no Kestrelle window showed within %lu s\n", kWindowWaitMs / 1000);
    return 3;
  }
  const TranslatorControls controls = FindTranslatorControls(window);
  if (!controls.Found()) {
    std::fprintf(stderr, "remote_translate: Kestrelle's window has no Translator page's memos and button\n");
    return 4;
  }
  StartTranslate(controls, text);
  std::string transmitted;
  for (const DWORD start = GetTickCount(); transmitted.empty() && GetTickCount() - start < kTransmitWaitMs;) {
    Sleep(50);
    transmitted = TextOf(controls.outputMemo);
  }
  if (transmitted.empty()) {
    std::fprintf(stderr, "remote_translate: nothing showed as transmitted within %lu s\n", kTransmitWaitMs / 1000);
    return 5;
  }
  if (mustBeActive) {
    const DWORD start = GetTickCount();
    while (GetForegroundWindow() != window && GetTickCount() - start < kActiveWaitMs) Sleep(50);
    if (GetForegroundWindow() != window) {
      std::fprintf(stderr, "remote_translate: Kestrelle's window is not the active one after the typing\n");
      PostMessageA(window, WM_CLOSE, 0, 0);
      return 6;
    }
  }
  std::printf("%s\n", transmitted.c_str());
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}
