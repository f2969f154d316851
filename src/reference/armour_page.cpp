#include "reference/armour_page.h"

#include "app/main_form.h"
#include "reference/reference_layout.h"

namespace kestrelle {

using layout::LabelEndingAt;
using layout::ValuePanelAt;

TArmourPage::TArmourPage(TMainForm& owner, ui::TabSheet& page)
    : form(owner),
      tsArmour(page),
      pnlArmourMagic(page, {0, 0, 312, 238}, ""),
      rgMagicAmrDura(pnlArmourMagic, {8, 14, 136, 107}, "AC Modifiers",
                     {.items = {"Durable", "Substantial", "Massive", "Fortified", "Indestructible"}}),
      rgMagicArmourAHP(pnlArmourMagic, {152, 14, 153, 107}, "Durability Modifiers",
                       {.items = {"Defense", "Guarding", "Hardening", "Fortification", "Invulnerability"}}),
      memoMagicAmr(pnlArmourMagic, {6, 132, 235, 106}, "",
                   {.scrollBars = ui::ScrollBars::Vertical, .wordWrap = false, .readOnly = true}),
      Button4(pnlArmourMagic, {248, 177, 57, 20}, "Clear All", {.font = layout::kBoldArial}),
      Button1(pnlArmourMagic, {247, 200, 59, 30}, "Armour", {.font = layout::kBoldArial}),
      tcArmour(page, {0, 0, 312, 238}, {.hotTrack = true}),
      pnlArmourDisplay(tcArmour, layout::PictureFrameAt(18, 40, kItemPictureFrame), "", layout::kPictureFrame),
      imgArmour(pnlArmourDisplay, {16, 8, 73, 73}),
      sbArmour(tcArmour, {20, 144, 101, 12}, layout::kZoomBar),
      cbArmour(tcArmour, {7, 165, 129, 22}, {.itemHeight = 14}),
      btnArmourMagic(tcArmour, {32, 200, 75, 25}, "Magic Lookup"),
      Label13(tcArmour, LabelEndingAt(210, 65), "Armour Gender:", layout::kStatLabel),
      pnlArmourGend(tcArmour, ValuePanelAt(212, 60), " ", layout::kValuePanel),
      Label14(tcArmour, LabelEndingAt(210, 93), "Armour Rating:", layout::kStatLabel),
      pnlArmourAC(tcArmour, ValuePanelAt(212, 89), " ", layout::kValuePanel),
      Label15(tcArmour, LabelEndingAt(210, 121), "Hit Points:", layout::kStatLabel),
      pnlArmourHP(tcArmour, ValuePanelAt(212, 117), " ", layout::kValuePanel),
      Label16(tcArmour, LabelEndingAt(210, 150), "Req. Strength:", layout::kStatLabel),
      pnlArmourStr(tcArmour, ValuePanelAt(212, 146), " ", layout::kValuePanel),
      Label17(tcArmour, LabelEndingAt(210, 179), "Weight:", layout::kStatLabel),
      pnlArmourWt(tcArmour, ValuePanelAt(212, 175), " ", layout::kValuePanel) {
  pnlArmourMagic.SetVisible(false);
  sbArmour.BringToFront();  // its top row lies on the picture frame's bottom edge
  // The page's event handlers are bound here once they exist (tcArmour.onChange, cbArmour.onChange,
  // sbArmour.onChange, btnArmourMagic.onClick, Button1/Button4.onClick, both groups' onClick).
}

}  // namespace kestrelle
