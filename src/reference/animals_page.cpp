#include "reference/animals_page.h"

#include "app/main_form.h"
#include "reference/reference_layout.h"

namespace kestrelle {

using layout::LabelEndingAt;
using layout::ValuePanelAt;

TAnimalsPage::TAnimalsPage(TMainForm& owner, ui::TabSheet& page)
    : form(owner),
      Animals(page),
      pnlAnimalsDisplay(page, layout::PictureFrameAt(2, 2, kAnimalPictureFrame), "", layout::kPictureFrame),
      imgAnimals(pnlAnimalsDisplay, {16, 8, 113, 137}),
      sbAnimals(page, {2, 176, 160, 12}, layout::kZoomBar),
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
  // The page's event handlers are bound here once they exist (cbAnimals.onChange, sbAnimals.onChange).
}

}  // namespace kestrelle
