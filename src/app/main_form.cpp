#include "app/main_form.h"

#include "app/about_box.h"

namespace kestrelle {

TMainForm::TMainForm()
    : Form("Kestrelle", {.clientWidth = 320, .clientHeight = 267, .font = {"Arial", -11}}),
      File1(MainMenu1.Add("&File")),
      Exit1(File1.Add("E&xit")),
      Help1(MainMenu1.Add("&Help")),
      N1(Help1.AddSeparator()),
      About1(Help1.Add("&About ...")),
      // Tabs 21 pixels high leave each page the 312 x 238 pixels its layout is made for.
      tpMain(*this, {0, 0, 320, 267},
             {.tabsAtBottom = true, .multiLine = true, .scrollOpposite = true, .hotTrack = true, .tabHeight = 21}),
      tsMoongate(tpMain.AddPage("Moongates")),
      tsSpeak(tpMain.AddPage("Translator")),
      TabSheet1(tpMain.AddPage("Weapons")),
      tsArmour(tpMain.AddPage("Armour")),
      Animals(tpMain.AddPage("Animals")),
      moongatePage(tsMoongate),
      translatorPage(*this, tsSpeak),
      weaponsPage(TabSheet1),
      armourPage(tsArmour),
      animalsPage(Animals) {
  SetMainMenu(MainMenu1);
  SetClientSize(320, 267);

  onShow = [this] { FormShow(); };
  onResize = [this] { FormResize(); };
  onGetMinMaxInfo = [this](MINMAXINFO& info) { WMGetMinMaxInfo(info); };
  onCloseQuery = [this] { return translatorPage.CanCloseWindow(); };
  Exit1.onClick = [this] { Exit1Click(); };
  About1.onClick = [this] { About1Click(); };
}

void TMainForm::FormShow() {
  const ui::Rect outer = Bounds();
  MoveTo((GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2);
  FormResize();
  moongatePage.CreateTimePanels();
  translatorPage.FormShow();
  tpMain.SetActivePage(0);
  weaponsPage.LoadWeaponTable();
  armourPage.LoadArmourTable();
  animalsPage.LoadAnimalTable();
}

void TMainForm::FormResize() { SetOuterSize(kOuterWidth, kOuterHeight); }

// Maximising keeps the window's size and moves it to the bottom-right corner of the primary display.
void TMainForm::WMGetMinMaxInfo(MINMAXINFO& info) {
  const ui::Rect outer = Bounds();
  info.ptMaxSize = {outer.width, outer.height};
  info.ptMaxPosition = {GetSystemMetrics(SM_CXSCREEN) - outer.width, GetSystemMetrics(SM_CYSCREEN) - outer.height};
}

void TMainForm::Exit1Click() { Close(); }

void TMainForm::About1Click() {
  if (aboutBox_ != nullptr) aboutBox_->ShowModal();
}

}  // namespace kestrelle
