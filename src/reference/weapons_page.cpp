#include "reference/weapons_page.h"

#include "reference/category_page.h"
#include "reference/description_memo.h"
#include "reference/picture_view.h"
#include "reference/reference_layout.h"
#include "reference/statistic_texts.h"
#include "reference/weapon_magic.h"

namespace kestrelle {

using layout::LabelEndingAt;
using layout::ValuePanelAt;

TWeaponsPage::TWeaponsPage(ui::TabSheet& page)
    : pnlWeaponMagic(page, {0, 0, 312, 238}, ""),
      rgMagicWpnSkill(pnlWeaponMagic, {7, 6, 166, 80}, "&Skill Modifiers",
                      {.items = ModifierWords(kWeaponSkillModifiers)}),
      rgMagicWpnDura(pnlWeaponMagic, {175, 6, 130, 80}, "&Durability Modifiers",
                     {.items = ModifierWords(kWeaponDurabilityModifiers)}),
      rgMagicWpnDam(pnlWeaponMagic, {6, 97, 88, 80}, "D&amage Modifiers",
                    {.items = ModifierWords(kWeaponDamageModifiers)}),
      rgMagicWpnMagic(pnlWeaponMagic, {96, 97, 210, 80}, "Magic S&pell Modifiers",
                      {.items = ModifierWords(kWeaponSpellModifiers), .columns = 2}),
      lblWeaponDescription(pnlWeaponMagic, {6, 179, 235, 55}, layout::kDescriptionName, layout::kHiddenLabel),
      memoMagicWpnDescription(pnlWeaponMagic, {6, 179, 235, 55}, "",
                              {.scrollBars = ui::ScrollBars::Vertical, .wordWrap = false, .readOnly = true}),
      Button3(pnlWeaponMagic, {248, 181, 57, 20}, "&Clear All", {.font = layout::kBoldArial}),
      Button2(pnlWeaponMagic, {247, 204, 59, 30}, "&Weapons", {.font = layout::kBoldArial}),
      tcWeapons(page, {0, 0, 312, 238}, {.hotTrack = true}),
      pnlWeaponDisplay(tcWeapons, layout::PictureFrameAt(18, 40, kItemPictureFrame), "", layout::kPictureFrame),
      imgWeapon(pnlWeaponDisplay, {16, 8, 73, 73}),
      lblWeaponZoom(tcWeapons, {20, 144, 101, 12}, layout::kZoomName, layout::kHiddenLabel),
      sbWeapons(tcWeapons, {20, 144, 101, 12}, layout::kZoomBar),
      lblWeaponBox(tcWeapons, {7, 165, 129, 22}, "Weapon:", layout::kHiddenLabel),
      cbWeapons(tcWeapons, {7, 165, 129, 22}, {.itemHeight = 14}),
      btnWpnMagic(tcWeapons, {32, 200, 75, 25}, layout::kMagicLookupCaption),
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
  lblWeaponZoom.BringToFront();  // and its label just before it
  tcWeapons.onChange = [this] { tcWeaponsChange(); };
  cbWeapons.onChange = [this] { cbWeaponsChange(); };
  sbWeapons.onChange = [this] { sbWeaponsChange(); };
  btnWpnMagic.onClick = [this] { btnWpnMagicClick(); };
  Button2.onClick = [this] { Button2Click(); };
  Button3.onClick = [this] { Button3Click(); };
  for (ui::RadioGroup* group : {&rgMagicWpnSkill, &rgMagicWpnDura, &rgMagicWpnDam, &rgMagicWpnMagic}) {
    group->onClick = [this] { rgMagicWpnlClick(); };
  }
}

void TWeaponsPage::LoadWeaponTable() {
  LoadCategories(kWeaponTableResource, &ReadWeaponTable, WeaponCategories, tcWeapons);
}

void TWeaponsPage::tcWeaponsChange() {
  ListCategory(SelectedCategory(WeaponCategories, tcWeapons), cbWeapons);
  cbWeaponsChange();
}

void TWeaponsPage::cbWeaponsChange() {
  sbWeaponsChange();
  const TWeaponRecord& weapon = SelectedRecord(WeaponCategories, tcWeapons, cbWeapons);
  pnlWeaponDmg.SetText(RangeText(weapon.DamageMin(), weapon.DamageMax()));
  pnlWeaponHP.SetText(RangeText(weapon.HitPointsMin(), weapon.HitPointsMax()));
  pnlWeaponSpd.SetText(std::to_string(weapon.Speed()));
  pnlWeaponSkill.SetText(SkillText(weapon.Skill()));
  pnlWeaponStr.SetText(std::to_string(weapon.StrengthRequired()));
  pnlWeapon2H.SetText(TwoHandedText(weapon.TwoHanded()));
  pnlWeaponWt.SetText(WeightText(weapon.Weight()));
}

void TWeaponsPage::sbWeaponsChange() {
  ShowPicture(imgWeapon, cbWeapons.SelectedItem(), sbWeapons.Position(), &ItemPictureBounds);
}

void TWeaponsPage::btnWpnMagicClick() { ShowInstead(pnlWeaponMagic, tcWeapons, rgMagicWpnSkill); }

void TWeaponsPage::Button2Click() {
  Button3Click();
  ShowInstead(tcWeapons, pnlWeaponMagic, btnWpnMagic);
}

void TWeaponsPage::rgMagicWpnlClick() { DescribeWeaponMagic(); }

void TWeaponsPage::DescribeWeaponMagic() {
  const TWeaponMagicChoice choice{rgMagicWpnSkill.ItemIndex(), rgMagicWpnDura.ItemIndex(), rgMagicWpnDam.ItemIndex(),
                                  rgMagicWpnMagic.ItemIndex()};
  ShowDescription(memoMagicWpnDescription, WeaponMagicDescription(choice, cbWeapons.Text(), pnlWeaponSkill.Text()));
}

void TWeaponsPage::Button3Click() {
  for (ui::RadioGroup* group : {&rgMagicWpnSkill, &rgMagicWpnDura, &rgMagicWpnDam, &rgMagicWpnMagic}) {
    group->SetItemIndex(kNoModifier);
  }
  memoMagicWpnDescription.Clear();
}

}  // namespace kestrelle
