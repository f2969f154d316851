#include "app/only_one.h"

#include "app/instance_marker.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

// How long a copy that finds the marker taken but no window shown waits for it to go: far longer than a
// closing copy's teardown takes, short enough that a copy still starting is not kept waiting on.
constexpr DWORD kMarkerWaitMs = 5000;
constexpr DWORD kLookEveryMs = 50;

// The running copy's main window, shown: a window of its class captioned with the title. Other windows may
// carry the title too (a folder named after the program, opened where a player unpacked it), and a copy's
// window that is hidden has closed or is not shown yet.
HWND ShownMainWindow(const std::string& caption) {
  for (HWND window = FindWindowExA(nullptr, nullptr, ui::Control::kFormClass, caption.c_str()); window != nullptr;
       window = FindWindowExA(nullptr, window, ui::Control::kFormClass, caption.c_str())) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

void BringForward(HWND window) {
  if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  } else {
    BringWindowToTop(window);
  }
}

// Waits until the copy holding the marker shows its window, which is brought forward, or lets the marker
// go, which this copy then owns. True for the latter.
bool TakeOnceFree(HANDLE marker, const std::string& caption) {
  for (DWORD waited = 0;; waited += kLookEveryMs) {
    if (const HWND window = ShownMainWindow(caption)) {
      BringForward(window);
      return false;
    }
    if (waited >= kMarkerWaitMs) return false;
    // Abandoned: the holder ended without letting it go (it was killed); the marker is this copy's all the same.
    const DWORD waitEnd = WaitForSingleObject(marker, kLookEveryMs);
    if (waitEnd == WAIT_OBJECT_0 || waitEnd == WAIT_ABANDONED) return true;
  }
}

}  // namespace

TOnlyOne::TOnlyOne() {
  const std::string& title = ui::ApplicationTitle();
  SetLastError(ERROR_SUCCESS);
  marker_.Reset(CreateMutexW(nullptr, TRUE, ui::WideFromUtf8(InstanceMarkerName(title)).c_str()));
  const DWORD made = GetLastError();
  if (made == ERROR_ALREADY_EXISTS) {
    first_ = TakeOnceFree(marker_.Get(), title);
  } else if (!marker_ && made == ERROR_ACCESS_DENIED) {
    // Held by a copy run as administrator, which this one may not wait on. A marker that cannot be made for
    // any other reason lets this copy run rather than keep every copy from starting.
    first_ = false;
    if (const HWND window = ShownMainWindow(title)) BringForward(window);
  }
  if (!first_) marker_.Reset();  // only the running copy keeps it alive
}

void TOnlyOne::Release() {
  if (marker_) ReleaseMutex(marker_.Get());
  marker_.Reset();
}

}  // namespace kestrelle
