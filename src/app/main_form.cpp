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
    : Form("Kestrelle", {.clientWidth = 320, .clientHeight = 267, .font = {"Arial", -11}}),
      File1(MainMenu1.Add("&File")),
      Exit1(File1.Add("E&xit")),
      Help1(MainMenu1.Add("&Help")),
      N1(Help1.AddSeparator()),
      About1(Help1.Add("&About ...")),
      // Tabs 21 pixels high leave each page the 312 x 238 pixels its layout is made for.
      tpMain(*this, {0, 0, 320, 267},
             {.tabsAtBottom = true, .multiLine = true, .scrollOpposite = true, .hotTrack = true, .tabHeight = 21}),
      tsMoongate(tpMain.AddPage("Moongates", &MakePage<TMoongatePage>)),
      tsSpeak(tpMain.AddPage("Translator",
                             [this](ui::TabSheet& sheet) { return std::make_unique<TTranslatorPage>(*this, sheet); })),
      TabSheet1(tpMain.AddPage("Weapons", &MakePage<TWeaponsPage>)),
      tsArmour(tpMain.AddPage("Armour", &MakePage<TArmourPage>)),
      Animals(tpMain.AddPage("Animals", &MakePage<TAnimalsPage>)) {
  SetMainMenu(MainMenu1);
  SetClientSize(320, 267);

  onShow = [this] { FormShow(); };
  onResize = [this] { FormResize(); };
  onGetMinMaxInfo = [this](MINMAXINFO& info) { WMGetMinMaxInfo(info); };
  onCloseQuery = [this] { return tpMain.PagesMayClose(); };
  Exit1.onClick = [this] { Exit1Click(); };
  About1.onClick = [this] { About1Click(); };
}

TMainForm::~TMainForm() = default;

void TMainForm::FormShow() {
  const ui::Rect outer = Bounds();
  MoveTo((GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2);
  FormResize();
  tpMain.SetActivePage(0);
}

void TMainForm::FormResize() { SetOuterSize(kOuterWidth, kOuterHeight); }

// Maximising keeps the window's size and moves it to the bottom-right corner of the primary display.
void TMainForm::WMGetMinMaxInfo(MINMAXINFO& info) {
  const ui::Rect outer = Bounds();
  info.ptMaxSize = {outer.width, outer.height};
  info.ptMaxPosition = {GetSystemMetrics(SM_CXSCREEN) - outer.width, GetSystemMetrics(SM_CYSCREEN) - outer.height};
}

void TMainForm::Exit1Click() { Close(); }

void TMainForm::About1Click() { AboutBox().ShowModal(); }

TAboutBox& TMainForm::AboutBox() {
  if (aboutBox_ == nullptr) aboutBox_ = std::make_unique<TAboutBox>();
  return *aboutBox_;
}

}  // namespace kestrelle
