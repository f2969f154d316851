#pragma once
// The focus across a command that disables the control that has it: disabling passes the focus on to the
// next control (Control::SetEnabled), and once the command is over it goes back to the control it came
// from, unless the user has put it elsewhere meanwhile.

#include <windows.h>

#include "ui/tab_order.h"

namespace kestrelle::ui {

class FocusReturn {
 public:
  FocusReturn() : before_(GetFocus()) {}

  // After the command's controls are disabled.
  void NoteDisabled() {
    after_ = GetFocus();
    moved_ = after_ != before_;
  }
  // After they are enabled again.
  void GiveBack() const {
    if (moved_ && GetFocus() == after_ && CanTakeFocus(before_, GetAncestor(before_, GA_ROOT))) SetFocus(before_);
  }

 private:
  HWND before_;
  HWND after_ = nullptr;
  bool moved_ = false;
};

}  // namespace kestrelle::ui
