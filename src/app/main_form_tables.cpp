// The main window's loading of the reference tables into the Weapons, Armour and Animals pages.

#include <functional>
#include <span>

#include "app/main_form.h"
#include "reference/reference_table.h"
#include "reference/resource_data.h"

namespace kestrelle {
namespace {

// Runs a control's change handler as if the user had made the change. Loading selects the first entry
// without raising anything; the page handler then shows it.
void RaiseChange(const std::function<void()>& onChange) {
  if (onChange) onChange();
}

// One tab per category, captions as stored: the tab control draws "&&" as a single "&".
template <typename Record>
void LoadCategoryTable(int resource, TCategoryTable<Record> (*read)(std::span<const std::uint8_t>),
                       std::vector<TReferenceCategory<Record>>& categories, ui::TabControl& tabs) {
  TCategoryTable<Record> table = read(LoadDataResource(resource));
  categories = std::move(table.Categories);
  tabs.SetTabs(table.Captions);
  tabs.SetTabIndex(0);
  RaiseChange(tabs.onChange);
}

}  // namespace

void TMainForm::LoadWeaponTable() {
  LoadCategoryTable(kWeaponTableResource, &ReadWeaponTable, WeaponCategories, weaponsPage.tcWeapons);
}

void TMainForm::LoadArmourTable() {
  LoadCategoryTable(kArmourTableResource, &ReadArmourTable, ArmourCategories, armourPage.tcArmour);
}

void TMainForm::LoadAnimalTable() {
  TItemTable<TAnimalRecord> table = ReadAnimalTable(LoadDataResource(kAnimalTableResource));
  AnimalRecords = std::move(table.Records);
  ui::ComboBox& animals = animalsPage.cbAnimals;
  animals.SetItems(table.Names);
  animals.SetItemIndex(0);
  RaiseChange(animals.onChange);
}

}  // namespace kestrelle
