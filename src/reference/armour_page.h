#pragma once
// The Armour page: category tabs over a zoomable picture, the item box and five statistics, and the
// armour magic lookup panel that takes the tabs' place while it is open.

#include <vector>

#include "reference/reference_records.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/radio_group.h"
#include "ui/scroll_bar.h"

namespace kestrelle {

class TArmourPage : public ui::PageContent {
 public:
  explicit TArmourPage(ui::TabSheet& page);

  // Reads the armour table into ArmourCategories and the tabs, then shows the first category.
  void LoadArmourTable();
  void Start() override { LoadArmourTable(); }

  // Entry i belongs to tab i of tcArmour; loaded once and kept unchanged.
  std::vector<TReferenceCategory<TArmourRecord>> ArmourCategories;

  // The magic lookup panel (hidden at start).
  ui::Panel pnlArmourMagic;
  ui::RadioGroup rgMagicAmrDura;
  ui::RadioGroup rgMagicArmourAHP;
  ui::Label lblArmourDescription;  // hidden: names the description for screen readers
  ui::Memo memoMagicAmr;
  ui::Button Button4;
  ui::Button Button1;

  // The statistics: everything on the category tabs.
  ui::TabControl tcArmour;
  ui::Panel pnlArmourDisplay;
  ui::Image imgArmour;
  ui::Label lblArmourZoom;  // hidden, as the next
  ui::ScrollBar sbArmour;
  ui::Label lblArmourBox;
  ui::ComboBox cbArmour;
  ui::Button btnArmourMagic;
  ui::Label Label13;
  ui::Panel pnlArmourGend;
  ui::Label Label14;
  ui::Panel pnlArmourAC;
  ui::Label Label15;
  ui::Panel pnlArmourHP;
  ui::Label Label16;
  ui::Panel pnlArmourStr;
  ui::Label Label17;
  ui::Panel pnlArmourWt;

  void tcArmourChange();
  // The picture first: a missing picture ends the handler before the panels change.
  void cbArmourChange();
  void sbArmourChange();
  void btnArmourMagicClick();
  void Button1Click();

  // Shared by both modifier groups.
  void rgMagicAmrDuraClick();
  void DescribeArmourMagic();
  void Button4Click();
};

}  // namespace kestrelle
