#include "app/main_form.h"

#include "app/about_box.h"

namespace kestrelle {
namespace {

const char* const kTextFileFilter = "Text files (*.txt)|*.TXT|Any file (*.*)|*.*";

}  // namespace

TMainForm::TMainForm()
    : Form("Kestrelle", {.clientWidth = 320, .clientHeight = 267, .font = {"Arial", -11}}),
      File1(MainMenu1.Add("&File")),
      Exit1(File1.Add("E&xit")),
      Help1(MainMenu1.Add("&Help")),
      N1(Help1.AddSeparator()),
      About1(Help1.Add("&About ...")),
      pmtClear(pmTranslate.Add("Clear Text")),
      N2(pmTranslate.AddSeparator()),
      Settings1(pmTranslate.Add("Settings")),
      pmtWordWrap(Settings1.Add("Word wrap")),
      pmAutoTranslate(Settings1.Add("Auto Translate on Enter")),
      N3(pmTranslate.AddSeparator()),
      File2(pmTranslate.Add("&File")),
      pmtOpen(File2.Add("&Open", ui::Shortcut::Ctrl('O'))),
      N4(File2.AddSeparator()),
      pmtSave(File2.Add("&Save", ui::Shortcut::Ctrl('S'))),
      pmtSaveAs(File2.Add("Save &As...")),
      Edit1(pmTranslate.Add("&Edit")),
      cutTranslate(Edit1.Add("Cu&t", ui::Shortcut::Ctrl('X'))),
      CopyTranslate(Edit1.Add("&Copy", ui::Shortcut::Ctrl('C'))),
      PasteTranslate(Edit1.Add("&Paste", ui::Shortcut::Ctrl('V'))),
      odTranslate(ui::FileDialog::Kind::Open, "Open file for translation"),
      sdTranslate(ui::FileDialog::Kind::Save),
      // Tabs 21 pixels high leave each page the 312 x 238 pixels its layout is made for.
      tpMain(*this, {0, 0, 320, 267},
             {.tabsAtBottom = true, .multiLine = true, .scrollOpposite = true, .hotTrack = true, .tabHeight = 21}),
      tsMoongate(tpMain.AddPage("Moongates")),
      tsSpeak(tpMain.AddPage("Translator")),
      TabSheet1(tpMain.AddPage("Weapons")),
      tsArmour(tpMain.AddPage("Armour")),
      Animals(tpMain.AddPage("Animals")),
      moongatePage(*this, tsMoongate),
      translatorPage(*this, tsSpeak),
      weaponsPage(TabSheet1),
      armourPage(tsArmour),
      animalsPage(Animals) {
  pmtWordWrap.SetChecked(true);
  SetMainMenu(MainMenu1);
  SetClientSize(320, 267);

  onShow = [this] { FormShow(); };
  onResize = [this] { FormResize(); };
  onGetMinMaxInfo = [this](MINMAXINFO& info) { WMGetMinMaxInfo(info); };
  Exit1.onClick = [this] { Exit1Click(); };
  About1.onClick = [this] { About1Click(); };
}

void TMainForm::FormShow() {
  const ui::Rect outer = Bounds();
  MoveTo((GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2);
  FormResize();
  for (int i = 0; i < 6; ++i) {
    pnlTimes[static_cast<std::size_t>(i)] = std::make_unique<ui::Panel>(
        moongatePage.grpTimes, ui::Rect{8, 17 + 20 * i, 73, 21}, "",
        ui::PanelOptions{.bevelOuter = ui::Bevel::None,
                         .bevelInner = ui::Bevel::Lowered,
                         .singleBorder = true,
                         .colour = ui::colours::Yellow});
  }
  translatorPage.rgSpeak.SetItemIndex(0);
  odTranslate.filter = kTextFileFilter;
  sdTranslate.filter = kTextFileFilter;
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
