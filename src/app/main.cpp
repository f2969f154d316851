// Start routine: sets the application title, ends at once when another copy runs, creates the main window
// (which makes the about box when it is first opened), and runs the message loop until the main window is
// closed.

#include <windows.h>

#include "app/main_form.h"
#include "app/only_one.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace kestrelle;
  ui::InitialiseControls();
  ui::SetApplicationTitle("Kestrelle");
  // Before any window exists, so that a copy that is not the first shows nothing. The marker is held until
  // the main window closes (it hides then, and only then): a copy started while this one winds down its
  // command or its teardown runs in its place rather than bring a closing window forward.
  TOnlyOne onlyOne;
  if (!onlyOne.IsFirstCopy()) return 0;
  int exitCode = 0;
  ui::Guarded([&] {
    TMainForm mainForm;
    mainForm.onHide = [&onlyOne] { onlyOne.Release(); };
    exitCode = ui::RunMessageLoop(mainForm);
  });
  return exitCode;
}
