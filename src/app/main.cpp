// Start routine: sets the application title, creates the main window (which makes the about box when it
// is first opened), and runs the message loop until the main window is closed.

#include <windows.h>

#include "app/main_form.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace kestrelle;
  ui::InitialiseControls();
  ui::SetApplicationTitle("Kestrelle");
  int exitCode = 0;
  ui::Guarded([&exitCode] {
    TMainForm mainForm;
    exitCode = ui::RunMessageLoop(mainForm);
  });
  return exitCode;
}
