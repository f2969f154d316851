// kestrelle_screenshots <folder> [name...]: creates the real main window and about box, shows the main
// window as the program does, saves a picture of each shot below (or of the named ones) as
// <folder>\<name>.bmp (scripts/run.sh turns them into PNG files), and prints "<name>: <what it shows>" for
// each. On a screen of another DPI than 96 the names end in "-<dpi>dpi".
//
// A new shot is one more entry in Shots(): its file name, what it shows, and what to do first (choose a
// page, select towns, type text, open the about box...), which returns the window to picture.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/about_box.h"
#include "app/main_form.h"
#include "capture.h"
#include "game_link/send_result.h"
#include "test_support.h"
#include "translator/translator_page.h"
#include "user_actions.h"
#include "ui/application.h"
#include "ui/message_pump.h"

namespace kestrelle::screenshots {
namespace {

// The program's main window, which makes the about box when it is first asked for.
struct Windows {
  TMainForm form;
};

struct Shot {
  std::string name;
  std::string what;
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
  TMoongatePage& page = test::MoongatePage(form);
  SendMessageA(page.rgStart.ItemHandle(1), BM_CLICK, 0, 0);
  SendMessageA(page.cbByTime.Handle(), BM_CLICK, 0, 0);
  for (char c : std::string("345")) PostMessageA(page.edtByTime.Handle(), WM_CHAR, static_cast<WPARAM>(c), 1);
  PostMessageA(page.edtByTime.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  return form.Handle();
}

// The about box at its first opening, its credits some lines into their run (without waiting the ticks).
HWND AboutBoxWhileTheCreditsScroll(Windows& windows) {
  TAboutBox& about = windows.form.AboutBox();
  about.Show();
  for (int tick = 0; tick < 130; ++tick) about.Marquee1.Step();
  return about.Handle();
}

// The about box at a later opening: the copyright and comments in place of the credits.
HWND AboutBoxOpenedAgain(Windows& windows) {
  TAboutBox& about = windows.form.AboutBox();
  about.Hide();
  about.Show();
  return about.Handle();
}

// A reference page with one of its items chosen as a player chooses it, and its zoom bar moved.
HWND ShowItem(Windows& windows, int page, ui::TabControl* tabs, const char* tab, ui::ComboBox& items, const char* item,
              ui::ScrollBar& zoom, int position) {
  windows.form.tpMain.SetActivePage(page);
  if (tabs != nullptr) test::ChooseTab(*tabs, tab);
  test::ChooseItem(items, item);
  zoom.SetPosition(position);
  return windows.form.Handle();
}

// The magic lookup opened on the item shown, the given item of each group clicked.
HWND LookUp(Windows& windows, const ui::Button& open, const std::vector<std::pair<ui::RadioGroup*, int>>& choices) {
  test::Click(open.Handle());
  for (const auto& [group, index] : choices) test::Click(group->ItemHandle(index));
  return windows.form.Handle();
}

std::vector<Shot> Shots() {
  return {
      {"moongates", "the Moongates page as the program opens", ShowPage(0)},
      {"translator", "the Translator page", ShowPage(1)},
      {"translator-typing", "the Translator page's status line while it types",
       [](Windows& w) {
         w.form.tpMain.SetActivePage(1);
         test::TranslatorPage(w.form).lblStatus.SetText(
             ProgressText({.line = 3, .lines = 8, .title = "Ultima Online - Ann", .client = 1, .clients = 2}));
         return w.form.Handle();
       }},
      {"weapons", "the Weapons page with its first item", ShowPage(2)},
      {"armour", "the Armour page with its first item", ShowPage(3)},
      {"animals", "the Animals page with its first animal", ShowPage(4)},
      {"moongates-britain-345", "where Britain's gate leads at 3:45, typed as a time", AskBritainAt345},
      {"weapons-bardiche-zoom-15", "the Bardiche at zoom 1.5",
       [](Windows& w) {
         TWeaponsPage& p = test::WeaponsPage(w.form);
         return ShowItem(w, 2, &p.tcWeapons, "Pole Arms", p.cbWeapons, "Bardiche", p.sbWeapons, 15);
       }},
      {"weapons-magic-lookup", "the weapon magic lookup on a Katana, a word of each group chosen",
       [](Windows& w) {
         TWeaponsPage& p = test::WeaponsPage(w.form);
         ShowItem(w, 2, &p.tcWeapons, "Swords", p.cbWeapons, "Katana", p.sbWeapons, 20);
         return LookUp(w, p.btnWpnMagic, {{&p.rgMagicWpnSkill, 2}, {&p.rgMagicWpnDura, 3}, {&p.rgMagicWpnDam, 4},
                                          {&p.rgMagicWpnMagic, 6}});
       }},
      {"armour-plate-breast-plate", "the Plate tab's Breast Plate",
       [](Windows& w) {
         TArmourPage& p = test::ArmourPage(w.form);
         return ShowItem(w, 3, &p.tcArmour, "Plate", p.cbArmour, "Breast Plate", p.sbArmour, 20);
       }},
      {"armour-magic-lookup", "the armour magic lookup on that Breast Plate, a word of each group chosen",
       [](Windows& w) {
         TArmourPage& p = test::ArmourPage(w.form);
         return LookUp(w, p.btnArmourMagic, {{&p.rgMagicAmrDura, 1}, {&p.rgMagicArmourAHP, 3}});
       }},
      {"animals-grizzly-bear-zoom-30", "the Grizzly Bear at zoom 3",
       [](Windows& w) {
         TAnimalsPage& p = test::AnimalsPage(w.form);
         return ShowItem(w, 4, nullptr, "", p.cbAnimals, "Grizzly Bear", p.sbAnimals, 30);
       }},
      {"about-credits", "the about box at its first opening, the credits scrolling", AboutBoxWhileTheCreditsScroll},
      {"about", "the about box opened again, copyright and comments in place of the credits", AboutBoxOpenedAgain},
  };
}

}  // namespace
}  // namespace kestrelle::screenshots

int main(int argc, char** argv) {
  using namespace kestrelle;
  if (argc < 2) {
    std::fprintf(stderr, "usage: kestrelle_screenshots <folder> [name...]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::vector<std::string> wanted(argv + 2, argv + argc);
  ui::InitialiseControls();
  ui::SetApplicationTitle("Kestrelle");
  try {
    screenshots::Windows windows;
    windows.form.Show();
    ui::ProcessPendingMessages();
    const std::string dpi = std::to_string(windows.form.Dpi());
    const bool scaled = windows.form.Dpi() != 96;
    for (const screenshots::Shot& shot : screenshots::Shots()) {
      if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), shot.name) == wanted.end()) continue;
      const HWND window = shot.prepare(windows);
      ui::ProcessPendingMessages();
      const std::string name = scaled ? shot.name + "-" + dpi + "dpi" : shot.name;
      const std::string what = scaled ? shot.what + " at " + dpi + " DPI" : shot.what;
      screenshots::SaveBmp(screenshots::CaptureWindow(window), folder + "\\" + name + ".bmp");
      std::printf("%s: %s\n", name.c_str(), what.c_str());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kestrelle_screenshots: %s\n", error.what());
    return 1;
  }
  return 0;
}
