// Start routine: sets the application title, creates the main window and the hidden about box, and runs
// the message loop until the main window is closed.

#include <windows.h>

#include "app/about_box.h"
#include "app/main_form.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace kestrelle;
  ui::InitialiseControls();
  ui::SetApplicationTitle("Kestrelle");
  int exitCode = 0;
  ui::Guarded([&exitCode] {
    TMainForm mainForm;
    TAboutBox aboutBox;
    mainForm.SetAboutBox(&aboutBox);
    exitCode = ui::RunMessageLoop(mainForm);
  });
  return exitCode;
}
