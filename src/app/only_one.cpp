#include "app/only_one.h"

#include "app/instance_atom.h"
#include "ui/application.h"

namespace kestrelle {
namespace {

// The first top-level window of another process captioned with the title, whatever its class: the
// running copy's main window. This copy's own window already carries the same caption, so it is passed
// over.
HWND FindRunningCopy(const std::string& caption) {
  const DWORD self = GetCurrentProcessId();
  for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, caption.c_str()); window != nullptr;
       window = FindWindowExA(nullptr, window, nullptr, caption.c_str())) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != self) return window;
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

// Drops every reference to a stale atom, left by copies that are gone.
void DeleteStaleAtom(const std::string& name) {
  ATOM atom;
  while ((atom = GlobalFindAtomA(name.c_str())) != 0 && GlobalDeleteAtom(atom) == 0) {
  }
}

}  // namespace

TOnlyOne::TOnlyOne() : atomName_(InstanceAtomName(ui::ApplicationTitle())) {
  if (GlobalFindAtomA(atomName_.c_str()) != 0) {
    const std::string caption = ui::ApplicationTitle();
    if (const HWND running = FindRunningCopy(caption)) {
      // This copy ends. It gives up the title, so that nothing it still shows (an error box is captioned
      // with the title) is taken for the running copy by a later start; then it brings the running copy
      // forward and queues its quit request. Start-up goes on, and the message loop ends as soon as it
      // takes the request.
      ui::SetApplicationTitle("destroy me");
      BringForward(running);
      PostQuitMessage(0);
    } else {
      DeleteStaleAtom(atomName_);
    }
  }
  // Every copy adds the atom once and deletes it once, so it lives while a copy that added it runs.
  GlobalAddAtomA(atomName_.c_str());
}

TOnlyOne::~TOnlyOne() {
  if (const ATOM atom = GlobalFindAtomA(atomName_.c_str())) GlobalDeleteAtom(atom);
}

}  // namespace kestrelle
