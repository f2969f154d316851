#pragma once
// The single-instance guard: only one copy of the program runs at a time. The start routine makes it
// before any window exists. The first copy holds a named marker until its main window has closed; a copy
// that finds the marker taken brings the running copy's main window forward, and the start routine ends
// it at once, so it shows nothing of its own.
//
// A copy that finds the marker taken but no window shown waits a little for the marker to go: the copy
// holding it may be closing (its window gone, its teardown not yet done), and then this one runs in its
// place; or it may be starting, and then its window shows and is brought forward.
//
// The marker is a named mutex that the first copy owns: taking it and learning that another copy holds it
// are one step, so copies started at the same instant cannot both count as first, and the system lets it
// go with its owner, so a copy that was killed or crashed leaves nothing behind that blocks the next start.

#include "ui/smart_handle.h"

namespace kestrelle {

class TOnlyOne {
 public:
  // Takes the marker named after the application title, or brings the copy that holds it forward.
  TOnlyOne();
  ~TOnlyOne() { Release(); }
  TOnlyOne(const TOnlyOne&) = delete;
  TOnlyOne& operator=(const TOnlyOne&) = delete;

  // False when another copy runs: this one is to end.
  bool IsFirstCopy() const { return first_; }

  // Lets the next copy run: called once the main window has closed, however long the rest of the
  // teardown takes. Only the thread that made the guard may call it.
  void Release();

 private:
  ui::KernelHandle marker_;
  bool first_ = true;
};

}  // namespace kestrelle
