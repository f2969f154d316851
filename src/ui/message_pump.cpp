#include "ui/message_pump.h"

#include <windows.h>

#include "ui/application.h"

namespace kestrelle::ui {

bool ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    DispatchQueuedMessage(msg);
  }
  return false;
}

}  // namespace kestrelle::ui
