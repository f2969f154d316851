#include "reference/animals_page.h"

#include "reference/picture_view.h"
#include "reference/reference_layout.h"
#include "reference/reference_table.h"
#include "reference/resource_data.h"
#include "reference/statistic_texts.h"

namespace kestrelle {

using layout::LabelEndingAt;
using layout::ValuePanelAt;

TAnimalsPage::TAnimalsPage(ui::TabSheet& page)
    : pnlAnimalsDisplay(page, layout::PictureFrameAt(2, 2, kAnimalPictureFrame), "", layout::kPictureFrame),
      imgAnimals(pnlAnimalsDisplay, {16, 8, 113, 137}),
      lblAnimalZoom(page, {2, 176, 160, 12}, layout::kZoomName, layout::kHiddenLabel),
      sbAnimals(page, {2, 176, 160, 12}, layout::kZoomBar),
      lblAnimalBox(page, {6, 202, 154, 22}, "Animal:", layout::kHiddenLabel),
      cbAnimals(page, {6, 202, 154, 22}, {.itemHeight = 14}),
      Label18(page, LabelEndingAt(221, 7), "Damage:", layout::kStatLabel),
      pnlAnimalDam(page, ValuePanelAt(223, 2), " ", layout::kValuePanel),
      Label19(page, LabelEndingAt(221, 35), "Strength:", layout::kStatLabel),
      pnlAnimalStr(page, ValuePanelAt(223, 31), " ", layout::kValuePanel),
      Label20(page, LabelEndingAt(221, 66), "Dexterity:", layout::kStatLabel),
      pnlAnimalDex(page, ValuePanelAt(223, 61), " ", layout::kValuePanel),
      Label21(page, LabelEndingAt(221, 95), "Intelligence:", layout::kStatLabel),
      pnlAnimalInt(page, ValuePanelAt(223, 90), " ", layout::kValuePanel),
      Label22(page, LabelEndingAt(221, 124), "Armour:", layout::kStatLabel),
      pnlAnimalAC(page, ValuePanelAt(223, 120), " ", layout::kValuePanel),
      Label23(page, LabelEndingAt(221, 153), "Alignment:", layout::kStatLabel),
      pnlAnimalAlign(page, ValuePanelAt(223, 149), " ", layout::kValuePanel),
      Label24(page, LabelEndingAt(221, 184), "Hit Point:", layout::kStatLabel),
      pnlAnimalHP(page, ValuePanelAt(223, 179), " ", layout::kValuePanel),
      Label25(page, LabelEndingAt(221, 212), "Items:", layout::kStatLabel),
      pnlAnimalItems(page, ValuePanelAt(223, 208), " ", layout::kValuePanel) {
  cbAnimals.onChange = [this] { cbAnimalsChange(); };
  sbAnimals.onChange = [this] { sbAnimalsChange(); };
}

// Selects the first animal and shows it as if the user had chosen it.
void TAnimalsPage::LoadAnimalTable() {
  TItemTable<TAnimalRecord> table = ReadAnimalTable(LoadDataResource(kAnimalTableResource));
  AnimalRecords = std::move(table.Records);
  cbAnimals.SetItems(table.Names);
  cbAnimals.SetItemIndex(0);
  if (cbAnimals.onChange) cbAnimals.onChange();
}

void TAnimalsPage::cbAnimalsChange() {
  sbAnimalsChange();
  const TAnimalRecord& animal = AnimalRecords.at(static_cast<std::size_t>(cbAnimals.ItemIndex()));
  pnlAnimalDam.SetText(RangeText(animal.DamageMin(), animal.DamageMax()));
  pnlAnimalStr.SetText(RangeText(animal.StrengthMin(), animal.StrengthMax()));
  pnlAnimalDex.SetText(RangeText(animal.DexterityMin(), animal.DexterityMax()));
  pnlAnimalInt.SetText(RangeText(animal.IntelligenceMin(), animal.IntelligenceMax()));
  pnlAnimalAC.SetText(std::to_string(animal.ArmourRating()));
  pnlAnimalAlign.SetText(AlignmentText(animal.Alignment()));
  pnlAnimalHP.SetText(RangeText(animal.HitPointsMin(), animal.HitPointsMax()));
  pnlAnimalItems.SetText(AnimalItemsText(animal.ItemFlags()));
}

void TAnimalsPage::sbAnimalsChange() {
  ShowPicture(imgAnimals, cbAnimals.SelectedItem(), sbAnimals.Position(), &AnimalPictureBounds);
}

}  // namespace kestrelle
