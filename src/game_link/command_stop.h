#pragma once
// A request to end a long command (the typing into the game clients) at its next wait. Everything runs on
// the window thread, so a plain flag is enough: a handler dispatched inside a wait sets it, and the wait
// notices it as soon as that handler returns.

namespace kestrelle {

class CommandStop {
 public:
  // Final: once requested, every later wait of the command ends at once.
  void Request() noexcept { requested_ = true; }
  bool Requested() const noexcept { return requested_; }

 private:
  bool requested_ = false;
};

}  // namespace kestrelle
