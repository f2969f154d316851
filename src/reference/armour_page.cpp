#include "reference/armour_page.h"

#include "reference/armour_magic.h"
#include "reference/category_page.h"
#include "reference/description_memo.h"
#include "reference/picture_view.h"
#include "reference/reference_layout.h"
#include "reference/statistic_texts.h"

namespace kestrelle {

using layout::LabelEndingAt;
using layout::ValuePanelAt;

TArmourPage::TArmourPage(ui::TabSheet& page)
    : pnlArmourMagic(page, {0, 0, 312, 238}, ""),
      rgMagicAmrDura(pnlArmourMagic, {8, 14, 136, 107}, "&AC Modifiers",
                     {.items = ModifierWords(kArmourClassModifiers)}),
      rgMagicArmourAHP(pnlArmourMagic, {152, 14, 153, 107}, "&Durability Modifiers",
                       {.items = ModifierWords(kArmourHitPointModifiers)}),
      lblArmourDescription(pnlArmourMagic, {6, 132, 235, 106}, layout::kDescriptionName, layout::kHiddenLabel),
      memoMagicAmr(pnlArmourMagic, {6, 132, 235, 106}, "",
                   {.scrollBars = ui::ScrollBars::Vertical, .wordWrap = false, .readOnly = true}),
      Button4(pnlArmourMagic, {248, 177, 57, 20}, "&Clear All", {.font = layout::kBoldArial}),
      Button1(pnlArmourMagic, {247, 200, 59, 30}, "A&rmour", {.font = layout::kBoldArial}),
      tcArmour(page, {0, 0, 312, 238}, {.hotTrack = true}),
      pnlArmourDisplay(tcArmour, layout::PictureFrameAt(18, 40, kItemPictureFrame), "", layout::kPictureFrame),
      imgArmour(pnlArmourDisplay, {16, 8, 73, 73}),
      lblArmourZoom(tcArmour, {20, 144, 101, 12}, layout::kZoomName, layout::kHiddenLabel),
      sbArmour(tcArmour, {20, 144, 101, 12}, layout::kZoomBar),
      lblArmourBox(tcArmour, {7, 165, 129, 22}, "Armour piece:", layout::kHiddenLabel),
      cbArmour(tcArmour, {7, 165, 129, 22}, {.itemHeight = 14}),
      btnArmourMagic(tcArmour, {32, 200, 75, 25}, layout::kMagicLookupCaption),
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
  lblArmourZoom.BringToFront();  // and its label just before it
  tcArmour.onChange = [this] { tcArmourChange(); };
  cbArmour.onChange = [this] { cbArmourChange(); };
  sbArmour.onChange = [this] { sbArmourChange(); };
  btnArmourMagic.onClick = [this] { btnArmourMagicClick(); };
  Button1.onClick = [this] { Button1Click(); };
  Button4.onClick = [this] { Button4Click(); };
  rgMagicAmrDura.onClick = [this] { rgMagicAmrDuraClick(); };
  rgMagicArmourAHP.onClick = [this] { rgMagicAmrDuraClick(); };
}

void TArmourPage::LoadArmourTable() { LoadCategories(kArmourTableResource, &ReadArmourTable, ArmourCategories, tcArmour); }

void TArmourPage::tcArmourChange() {
  ListCategory(SelectedCategory(ArmourCategories, tcArmour), cbArmour);
  cbArmourChange();
}

void TArmourPage::cbArmourChange() {
  sbArmourChange();
  const TArmourRecord& piece = SelectedRecord(ArmourCategories, tcArmour, cbArmour);
  pnlArmourAC.SetText(std::to_string(piece.ArmourRating()));
  pnlArmourHP.SetText(RangeText(piece.HitPointsMin(), piece.HitPointsMax()));
  pnlArmourGend.SetText(GenderText(piece.Gender()));
  pnlArmourStr.SetText(std::to_string(piece.StrengthRequired()));
  pnlArmourWt.SetText(WeightText(piece.Weight()));
}

// The pictures are named after the category and the item: "Bone Arm Plates" finds BONE_ARM_PLATES.
void TArmourPage::sbArmourChange() {
  const std::string displayText = tcArmour.TabCaption(tcArmour.TabIndex()) + " " + cbArmour.SelectedItem();
  ShowPicture(imgArmour, displayText, sbArmour.Position(), &ItemPictureBounds);
}

void TArmourPage::btnArmourMagicClick() { ShowInstead(pnlArmourMagic, tcArmour, rgMagicAmrDura); }

void TArmourPage::Button1Click() {
  Button4Click();
  ShowInstead(tcArmour, pnlArmourMagic, btnArmourMagic);
}

void TArmourPage::rgMagicAmrDuraClick() { DescribeArmourMagic(); }

void TArmourPage::DescribeArmourMagic() {
  const TArmourMagicChoice choice{rgMagicAmrDura.ItemIndex(), rgMagicArmourAHP.ItemIndex()};
  const std::string category = tcArmour.TabCaption(tcArmour.TabIndex());
  ShowDescription(memoMagicAmr, ArmourMagicDescription(choice, category, cbArmour.Text()));
}

void TArmourPage::Button4Click() {
  rgMagicAmrDura.SetItemIndex(kNoModifier);
  rgMagicArmourAHP.SetItemIndex(kNoModifier);
  memoMagicAmr.Clear();
}

}  // namespace kestrelle
