#include "app/main_form.h"

#include "app/about_box.h"
#include "moongate/moongate_page.h"
#include "reference/animals_page.h"
#include "reference/armour_page.h"
#include "reference/weapons_page.h"
#include "translator/translator_page.h"

namespace kestrelle {
namespace {

// A page that needs nothing but its sheet.
template <typename Page>
std::unique_ptr<ui::PageContent> MakePage(ui::TabSheet& sheet) {
  return std::make_unique<Page>(sheet);
}

}  // namespace

TMainForm::TMainForm()
    : Form("Kestrelle", {.clientWidth = kClientWidth, .clientHeight = kClientHeight, .font = {"Arial", -11}}),
      File1(MainMenu1.Add("&File")),
      Exit1(File1.Add("E&xit")),
      Help1(MainMenu1.Add("&Help")),
      N1(Help1.AddSeparator()),
      About1(Help1.Add("&About ...")),
      // Tabs 21 pixels high leave each page the 312 x 238 pixels its layout is made for.
      tpMain(*this, {0, 0, kClientWidth, kClientHeight},
             {.tabsAtBottom = true, .multiLine = true, .scrollOpposite = true, .hotTrack = true, .tabHeight = 21}),
      tsMoongate(tpMain.AddPage("Moongates", &MakePage<TMoongatePage>)),
      tsSpeak(tpMain.AddPage("Translator",
                             [this](ui::TabSheet& sheet) { return std::make_unique<TTranslatorPage>(*this, sheet); })),
      TabSheet1(tpMain.AddPage("Weapons", &MakePage<TWeaponsPage>)),
      tsArmour(tpMain.AddPage("Armour", &MakePage<TArmourPage>)),
      Animals(tpMain.AddPage("Animals", &MakePage<TAnimalsPage>)) {
  SetMainMenu(MainMenu1);
  FormResize();  // the menu bar takes its room from the client area

  onShow = [this] { FormShow(); };
  onResize = [this] { FormResize(); };
  onGetMinMaxInfo = [this](MINMAXINFO& info) { WMGetMinMaxInfo(info); };
  // A page that refuses either keeps the window open (the player cancelled the close) or hides it and
  // closes it once its command has returned.
  onCloseQuery = [this] { return tpMain.PagesMayClose(); };
  Exit1.onClick = [this] { Exit1Click(); };
  About1.onClick = [this] { About1Click(); };
}

TMainForm::~TMainForm() = default;

// Centred at the size the window is about to take, which is its size already unless the frame changed.
void TMainForm::FormShow() {
  const SIZE outer = OuterSizeForClient(kClientWidth, kClientHeight);
  MoveTo((GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2);
  FormResize();
  tpMain.SetActivePage(0);
}

void TMainForm::FormResize() { SetClientSize(kClientWidth, kClientHeight); }

// Maximising keeps the window's size and moves it to the bottom-right corner of the primary display.
void TMainForm::WMGetMinMaxInfo(MINMAXINFO& info) {
  const SIZE outer = OuterSizeForClient(kClientWidth, kClientHeight);
  info.ptMaxSize = {outer.cx, outer.cy};
  info.ptMaxPosition = {GetSystemMetrics(SM_CXSCREEN) - outer.cx, GetSystemMetrics(SM_CYSCREEN) - outer.cy};
}

void TMainForm::Exit1Click() { Close(); }

// The about box waits for a page's command to end: shown modally meanwhile, it would hold the command up
// (typing halted in the middle of a line in the game) with Stop out of reach until it was closed.
void TMainForm::About1Click() {
  if (tpMain.AnyPageBusy()) {
    MessageBeep(MB_OK);
    return;
  }
  AboutBox().ShowModal();
}

TAboutBox& TMainForm::AboutBox() {
  if (aboutBox_ == nullptr) aboutBox_ = std::make_unique<TAboutBox>(nullptr, this);
  return *aboutBox_;
}

}  // namespace kestrelle
