// kestrelle_screenshots <folder>: creates the real main window and about box, shows the main window as the
// program does, and saves a picture of each shot below as <folder>\<name>.bmp (scripts/run.sh turns them
// into PNG files).
//
// A new shot is one more entry in Shots(): its file name and what to do first (choose a page, select
// towns, type text, open the about box...), which returns the window to picture.

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_form.h"
#include "capture.h"
#include "ui/application.h"
#include "ui/message_pump.h"

namespace kestrelle::screenshots {
namespace {

// The program's two windows, created in the start routine's order.
struct Windows {
  TMainForm form;
  TAboutBox aboutBox;
};

struct Shot {
  std::string name;
  std::function<HWND(Windows&)> prepare;
};

std::function<HWND(Windows&)> ShowPage(int index) {
  return [index](Windows& windows) {
    windows.form.tpMain.SetActivePage(index);
    return windows.form.Handle();
  };
}

// The Moongates page after a player asked where Britain's gate leads at 3:45, typed as a player types it.
HWND AskBritainAt345(Windows& windows) {
  TMainForm& form = windows.form;
  form.tpMain.SetActivePage(0);
  TMoongatePage& page = form.moongatePage;
  SendMessageA(page.rgStart.ItemHandle(1), BM_CLICK, 0, 0);
  SendMessageA(page.cbByTime.Handle(), BM_CLICK, 0, 0);
  for (char c : std::string("345")) PostMessageA(page.edtByTime.Handle(), WM_CHAR, static_cast<WPARAM>(c), 1);
  PostMessageA(page.edtByTime.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  return form.Handle();
}

// The about box at its first opening, its credits some lines into their run (without waiting the ticks).
HWND AboutBoxWhileTheCreditsScroll(Windows& windows) {
  TAboutBox& about = windows.aboutBox;
  about.Show();
  for (int tick = 0; tick < 130; ++tick) about.Marquee1.Step();
  return about.Handle();
}

// The about box at a later opening: the copyright and comments in place of the credits.
HWND AboutBoxOpenedAgain(Windows& windows) {
  TAboutBox& about = windows.aboutBox;
  about.Hide();
  about.Show();
  return about.Handle();
}

std::vector<Shot> Shots() {
  return {
      {"moongates", ShowPage(0)}, {"translator", ShowPage(1)}, {"weapons", ShowPage(2)},
      {"armour", ShowPage(3)},    {"animals", ShowPage(4)},    {"moongates-britain-345", AskBritainAt345},
      {"about-credits", AboutBoxWhileTheCreditsScroll}, {"about", AboutBoxOpenedAgain},
  };
}

}  // namespace
}  // namespace kestrelle::screenshots

int main(int argc, char** argv) {
  using namespace kestrelle;
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestrelle_screenshots <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  ui::InitialiseControls();
  ui::SetApplicationTitle("Kestrelle");
  try {
    screenshots::Windows windows;
    windows.form.Show();
    ui::ProcessPendingMessages();
    for (const screenshots::Shot& shot : screenshots::Shots()) {
      const HWND window = shot.prepare(windows);
      ui::ProcessPendingMessages();
      const std::string path = folder + "\\" + shot.name + ".bmp";
      screenshots::SaveBmp(screenshots::CaptureWindow(window), path);
      std::printf("%s\n", path.c_str());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kestrelle_screenshots: %s\n", error.what());
    return 1;
  }
  return 0;
}
