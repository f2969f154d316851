#include "app/only_one.h"

#include "app/instance_marker.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

// Only the running copy's main window counts: a window of its class captioned with the title. Other
// windows may carry the title too (a folder named after the program, opened where a player unpacked it).
void BringForward(const std::string& caption) {
  const HWND window = FindWindowA(ui::Control::kFormClass, caption.c_str());
  if (window == nullptr) return;  // still starting: it shows itself in front
  if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  } else {
    BringWindowToTop(window);
  }
}

}  // namespace

TOnlyOne::TOnlyOne() {
  const std::string& title = ui::ApplicationTitle();
  SetLastError(ERROR_SUCCESS);
  marker_.Reset(CreateMutexW(nullptr, FALSE, ui::WideFromAnsi(InstanceMarkerName(title)).c_str()));
  const DWORD made = GetLastError();
  // A marker this copy may not open is held by a copy run as administrator. One that cannot be made for any
  // other reason lets this copy run rather than keep every copy from starting.
  if (made == ERROR_ALREADY_EXISTS || (!marker_ && made == ERROR_ACCESS_DENIED)) {
    first_ = false;
    marker_.Reset();  // only the running copy keeps it alive
    BringForward(title);
  }
}

}  // namespace kestrelle
