// remote_translate <text>: plays the player at a Kestrelle that someone else started in the same Wine
// prefix: waits for its window, types the text into the Translator page, presses Translate, waits until the
// text shows as transmitted, prints it and closes Kestrelle. Exits 0 when all of that happened; otherwise
// says what did not happen and exits non-zero.

#include <windows.h>

#include <cstdio>
#include <string>

#include "kestrelle_window.h"

namespace {

// scripts/run.sh checks the build before it starts Kestrelle.
constexpr DWORD kWindowWaitMs = 60000;
constexpr DWORD kTransmitWaitMs = 60000;

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrelle::test;
  if (argc != 2) {
    std::fprintf(stderr, "usage: remote_translate <text>\n");
    return 2;
  }
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
  StartTranslate(controls, argv[1]);
  std::string transmitted;
  for (const DWORD start = GetTickCount(); transmitted.empty() && GetTickCount() - start < kTransmitWaitMs;) {
    Sleep(50);
    transmitted = TextOf(controls.outputMemo);
  }
  if (transmitted.empty()) {
    std::fprintf(stderr, "remote_translate: nothing showed as transmitted within %lu s\n", kTransmitWaitMs / 1000);
    return 5;
  }
  std::printf("%s\n", transmitted.c_str());
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}
