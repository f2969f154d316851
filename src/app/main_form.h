#pragma once
// The main window: a fixed-size frame with the five pages on a page control whose tabs are at the
// bottom, the main menu, the translator's pop-up menu and file dialogs, and the six moongate time panels.

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "app/only_one.h"
#include "moongate/moongate_page.h"
#include "reference/animals_page.h"
#include "reference/armour_page.h"
#include "reference/reference_records.h"
#include "reference/weapons_page.h"
#include "translator/translator_page.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/panel.h"

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

  ui::PopupMenu pmTranslate;
  ui::MenuItem& pmtClear;
  ui::MenuItem& N2;
  ui::MenuItem& Settings1;
  ui::MenuItem& pmtWordWrap;
  ui::MenuItem& pmAutoTranslate;
  ui::MenuItem& N3;
  ui::MenuItem& File2;
  ui::MenuItem& pmtOpen;
  ui::MenuItem& N4;
  ui::MenuItem& pmtSave;
  ui::MenuItem& pmtSaveAs;
  ui::MenuItem& Edit1;
  ui::MenuItem& cutTranslate;
  ui::MenuItem& CopyTranslate;
  ui::MenuItem& PasteTranslate;

  ui::FileDialog odTranslate;
  ui::FileDialog sdTranslate;

  // Built with the window: a second copy of the program brings the first forward and ends.
  TOnlyOne OnlyOne1;

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

  // The moongate time panels, entries 1 to 6 at indexes 0 to 5; created by FormShow inside grpTimes.
  std::array<std::unique_ptr<ui::Panel>, 6> pnlTimes;

  // The reference tables, loaded by FormShow and kept unchanged until the window goes: entry i of a
  // category list belongs to tab i of its tab control, animal record i to line i of cbAnimals.
  std::vector<TReferenceCategory<TWeaponRecord>> WeaponCategories;
  std::vector<TReferenceCategory<TArmourRecord>> ArmourCategories;
  std::vector<TAnimalRecord> AnimalRecords;

  void FormShow();
  void FormResize();
  void WMGetMinMaxInfo(MINMAXINFO& info);
  void Exit1Click();
  void About1Click();

  // Each fills its page from the table resource and then shows the page's first item.
  void LoadWeaponTable();
  void LoadArmourTable();
  void LoadAnimalTable();

 private:
  TAboutBox* aboutBox_ = nullptr;
};

}  // namespace kestrelle
