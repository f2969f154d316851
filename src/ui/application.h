#pragma once
// The program-wide parts of the window layer: the application title, the error box that reports an
// exception escaping an event handler, and the message loop.

#include <windows.h>

#include <string>
#include <string_view>

namespace kestrelle::ui {

class Form;

// Registers the standard control classes the layer uses; call once before creating any window.
void InitialiseControls();

void SetApplicationTitle(std::string_view title);
const std::string& ApplicationTitle();

// Shows a modal error box captioned with the application title.
void ShowErrorBox(const std::string& message) noexcept;

// Shows the exception being handled in the error box. Only to be called inside a catch block.
void ReportCurrentException() noexcept;

// Runs an action at a boundary where no exception may pass (window procedures, timer callbacks, the
// message loop): whatever it throws is shown in the error box and the program goes on.
template <typename Action>
void Guarded(Action&& action) noexcept {
  try {
    action();
  } catch (...) {
    ReportCurrentException();
  }
}

// Dispatches one message taken from the queue: pop-up menu shortcuts of the focused control first, then
// the keyboard navigation of the active form (Tab, Enter for the default button, Esc), then the window.
void DispatchQueuedMessage(MSG& msg);

// Shows the main form and dispatches messages until the program is asked to end; returns the exit code.
int RunMessageLoop(Form& mainForm);

}  // namespace kestrelle::ui
