#pragma once
// The single-instance guard: only one copy of the program runs at a time. The start routine makes it
// before any window exists. The first copy holds a named marker for as long as it runs; a copy that finds
// the marker taken brings the running copy's main window forward, and the start routine ends it at once,
// so it shows nothing of its own.
//
// The marker is a named mutex: taking it and learning that another copy holds it are one step, so copies
// started at the same instant cannot both count as first, and the system lets it go with its process, so
// a copy that was killed or crashed leaves nothing behind that blocks the next start.

#include "ui/smart_handle.h"

namespace kestrelle {

class TOnlyOne {
 public:
  // Takes the marker named after the application title, or brings the copy that holds it forward.
  TOnlyOne();

  // False when another copy runs: this one is to end.
  bool IsFirstCopy() const { return first_; }

 private:
  ui::KernelHandle marker_;
  bool first_ = true;
};

}  // namespace kestrelle
