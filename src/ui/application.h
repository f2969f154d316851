#pragma once
// The program-wide parts of the window layer: the application title, the error box that reports an
// exception escaping an event handler, and the message loop.

#include <windows.h>

#include <string>
#include <string_view>

namespace kestrelle::ui {

class Form;

// Registers the standard control classes the layer uses and sets up the keyboard interface of the calling
// thread (DropKeysForDisabledWindows); call once before creating any window, on the window thread.
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

// Dispatches one message taken from the queue. A key for a window disabled under a modal box is dropped
// (IsKeyForDisabledWindow); then come the pop-up menu shortcuts of the focused control, the keys that move
// between controls and pages (HandleNavigationKey), the access keys (HandleAccessKey), the dialog keyboard
// interface of the active form (arrows in groups, Enter for the default button, Esc), and the window. A
// shortcut's or a moving key is never translated, also when the shortcut's command fails, so no character
// comes of it.
void DispatchQueuedMessage(MSG& msg);

// Shows the main form and dispatches messages until the program is asked to end; returns the exit code.
int RunMessageLoop(Form& mainForm);

}  // namespace kestrelle::ui
