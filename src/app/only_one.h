#pragma once
// The single-instance guard: only one copy of the program runs at a time. Created while the main window
// is built (after the application title is set), it registers a global atom named after the title; a
// copy that finds the atom and a running copy's window brings that window forward and asks itself to end.
//
// The atom alone does not prove a copy is running: one that ended without its teardown (killed, or
// crashed) leaves it behind. So a running copy is judged by its window, which goes with its process; an
// atom without one is stale, and this copy starts normally and takes the marker over.

#include <windows.h>

#include <string>

namespace kestrelle {

class TOnlyOne {
 public:
  TOnlyOne();
  TOnlyOne(const TOnlyOne&) = delete;
  TOnlyOne& operator=(const TOnlyOne&) = delete;
  ~TOnlyOne();

 private:
  std::string atomName_;
};

}  // namespace kestrelle
