#pragma once
// The Weapons page: category tabs over a zoomable picture, the weapon box and seven statistics, and the
// weapon magic lookup panel that takes the tabs' place while it is open.

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

class TWeaponsPage : public ui::PageContent {
 public:
  explicit TWeaponsPage(ui::TabSheet& page);

  // Reads the weapon table into WeaponCategories and the tabs, then shows the first category.
  void LoadWeaponTable();
  void Start() override { LoadWeaponTable(); }

  // Entry i belongs to tab i of tcWeapons; loaded once and kept unchanged.
  std::vector<TReferenceCategory<TWeaponRecord>> WeaponCategories;

  // The magic lookup panel (hidden at start).
  ui::Panel pnlWeaponMagic;
  ui::RadioGroup rgMagicWpnSkill;
  ui::RadioGroup rgMagicWpnDura;
  ui::RadioGroup rgMagicWpnDam;
  ui::RadioGroup rgMagicWpnMagic;
  ui::Label lblWeaponDescription;  // hidden: names the description for screen readers
  ui::Memo memoMagicWpnDescription;
  ui::Button Button3;
  ui::Button Button2;

  // The statistics: everything on the category tabs.
  ui::TabControl tcWeapons;
  ui::Panel pnlWeaponDisplay;
  ui::Image imgWeapon;
  ui::Label lblWeaponZoom;  // hidden, as the next
  ui::ScrollBar sbWeapons;
  ui::Label lblWeaponBox;
  ui::ComboBox cbWeapons;
  ui::Button btnWpnMagic;
  ui::Label Label6;
  ui::Panel pnlWeaponDmg;
  ui::Label Label7;
  ui::Panel pnlWeaponHP;
  ui::Label Label8;
  ui::Panel pnlWeaponSpd;
  ui::Label Label9;
  ui::Panel pnlWeaponSkill;
  ui::Label Label10;
  ui::Panel pnlWeaponStr;
  ui::Label Label11;
  ui::Panel pnlWeapon2H;
  ui::Label Label12;
  ui::Panel pnlWeaponWt;

  void tcWeaponsChange();
  // The picture first: a missing picture ends the handler before the panels change.
  void cbWeaponsChange();
  void sbWeaponsChange();
  void btnWpnMagicClick();
  void Button2Click();

  void rgMagicWpnlClick();
  void DescribeWeaponMagic();
  void Button3Click();
};

}  // namespace kestrelle
