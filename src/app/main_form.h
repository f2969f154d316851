#pragma once
// The main window: a fixed-size frame with the five pages on a page control whose tabs are at the
// bottom, and the main menu. Each page owns its controls, menus and dialogs; the window composes them and
// runs their start-up steps when it is first shown.

#include <windows.h>

#include "moongate/moongate_page.h"
#include "reference/animals_page.h"
#include "reference/armour_page.h"
#include "reference/weapons_page.h"
#include "translator/translator_page.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/page_control.h"

namespace kestrelle {

class TAboutBox;

class TMainForm : public ui::Form {
 public:
  static constexpr int kOuterWidth = 328;
  static constexpr int kOuterHeight = 313;

  TMainForm();

  // The about box that "&About ..." shows (the start routine creates it after this window).
  void SetAboutBox(TAboutBox* aboutBox) { aboutBox_ = aboutBox; }

  ui::MainMenu MainMenu1;
  ui::MenuItem& File1;
  ui::MenuItem& Exit1;
  ui::MenuItem& Help1;
  ui::MenuItem& N1;
  ui::MenuItem& About1;

  ui::PageControl tpMain;
  ui::TabSheet& tsMoongate;
  ui::TabSheet& tsSpeak;
  ui::TabSheet& TabSheet1;
  ui::TabSheet& tsArmour;
  ui::TabSheet& Animals;

  TMoongatePage moongatePage;
  TTranslatorPage translatorPage;
  TWeaponsPage weaponsPage;
  TArmourPage armourPage;
  TAnimalsPage animalsPage;

  void FormShow();
  void FormResize();
  void WMGetMinMaxInfo(MINMAXINFO& info);
  void Exit1Click();
  void About1Click();

 private:
  TAboutBox* aboutBox_ = nullptr;
};

}  // namespace kestrelle
