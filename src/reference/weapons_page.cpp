#include "reference/weapons_page.h"

#include "app/main_form.h"
#include "reference/reference_layout.h"

namespace kestrelle {

using layout::LabelEndingAt;
using layout::ValuePanelAt;

TWeaponsPage::TWeaponsPage(TMainForm& owner, ui::TabSheet& page)
    : form(owner),
      TabSheet1(page),
      pnlWeaponMagic(page, {0, 0, 312, 238}, ""),
      rgMagicWpnSkill(pnlWeaponMagic, {7, 6, 166, 80}, "Skill Modifiers",
                      {.items = {"Accurate", "Surpassingly Accurate", "Eminently Accurate", "Exceedingly Accurate",
                                 "Supremely Accurate"}}),
      rgMagicWpnDura(pnlWeaponMagic, {175, 6, 130, 80}, "Durability Modifiers",
                     {.items = {"Durable", "Substantial", "Massive", "Fortified", "Indestructible"}}),
      rgMagicWpnDam(pnlWeaponMagic, {6, 97, 88, 80}, "Damage Modifiers",
                    {.items = {"Ruin", "Might", "Force", "Power", "Vanquishing"}}),
      rgMagicWpnMagic(pnlWeaponMagic, {96, 97, 210, 80}, "Magic Spell Modifiers",
                      {.items = {"Clumsiness", "Feeblemindedness", "Burning", "Weakness", "Wounding", "Ghoul's Touch",
                                 "Daemon's Breath", "Evil", "Mage's Bane", "Thunder"},
                       .columns = 2}),
      memoMagicWpnDescription(pnlWeaponMagic, {6, 179, 235, 55}, "",
                              {.scrollBars = ui::ScrollBars::Vertical, .wordWrap = false, .readOnly = true}),
      Button3(pnlWeaponMagic, {248, 181, 57, 20}, "Clear All", {.font = layout::kBoldArial}),
      Button2(pnlWeaponMagic, {247, 204, 59, 30}, "Weapons", {.font = layout::kBoldArial}),
      tcWeapons(page, {0, 0, 312, 238}, {.hotTrack = true}),
      pnlWeaponDisplay(tcWeapons, layout::PictureFrameAt(18, 40, kItemPictureFrame), "", layout::kPictureFrame),
      imgWeapon(pnlWeaponDisplay, {16, 8, 73, 73}),
      sbWeapons(tcWeapons, {20, 144, 101, 12}, layout::kZoomBar),
      cbWeapons(tcWeapons, {7, 165, 129, 22}, {.itemHeight = 14}),
      btnWpnMagic(tcWeapons, {32, 200, 75, 25}, "Magic Lookup"),
      Label6(tcWeapons, LabelEndingAt(210, 33), "Damage:", layout::kStatLabel),
      pnlWeaponDmg(tcWeapons, ValuePanelAt(212, 29), " ", layout::kValuePanel),
      Label7(tcWeapons, LabelEndingAt(210, 63), "Hit Points:", layout::kStatLabel),
      pnlWeaponHP(tcWeapons, ValuePanelAt(212, 59), " ", layout::kValuePanel),
      Label8(tcWeapons, LabelEndingAt(210, 93), "Speed:", layout::kStatLabel),
      pnlWeaponSpd(tcWeapons, ValuePanelAt(212, 89), " ", layout::kValuePanel),
      Label9(tcWeapons, LabelEndingAt(210, 124), "Skill:", layout::kStatLabel),
      pnlWeaponSkill(tcWeapons, ValuePanelAt(212, 119), " ", layout::kValuePanel),
      Label10(tcWeapons, LabelEndingAt(210, 153), "Req. Strength:", layout::kStatLabel),
      pnlWeaponStr(tcWeapons, ValuePanelAt(212, 149), " ", layout::kValuePanel),
      Label11(tcWeapons, LabelEndingAt(210, 183), "Two Handed:", layout::kStatLabel),
      pnlWeapon2H(tcWeapons, ValuePanelAt(212, 179), " ", layout::kValuePanel),
      Label12(tcWeapons, LabelEndingAt(210, 213), "Weight:", layout::kStatLabel),
      pnlWeaponWt(tcWeapons, ValuePanelAt(212, 209), " ", layout::kValuePanel) {
  pnlWeaponMagic.SetVisible(false);
  sbWeapons.BringToFront();  // its top row lies on the picture frame's bottom edge
  // The page's event handlers are bound here once they exist (tcWeapons.onChange, cbWeapons.onChange,
  // sbWeapons.onChange, btnWpnMagic.onClick, Button2/Button3.onClick, the four groups' onClick).
}

}  // namespace kestrelle
