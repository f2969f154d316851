#pragma once
// The Weapons page: category tabs over a zoomable picture, the weapon box and seven statistics, and the
// weapon magic lookup panel that takes the tabs' place while it is open.

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

class TMainForm;

class TWeaponsPage {
 public:
  TWeaponsPage(TMainForm& owner, ui::TabSheet& page);

  TMainForm& form;
  ui::TabSheet& TabSheet1;

  // The magic lookup panel (hidden at start).
  ui::Panel pnlWeaponMagic;
  ui::RadioGroup rgMagicWpnSkill;
  ui::RadioGroup rgMagicWpnDura;
  ui::RadioGroup rgMagicWpnDam;
  ui::RadioGroup rgMagicWpnMagic;
  ui::Memo memoMagicWpnDescription;
  ui::Button Button3;
  ui::Button Button2;

  // The statistics: everything on the category tabs.
  ui::TabControl tcWeapons;
  ui::Panel pnlWeaponDisplay;
  ui::Image imgWeapon;
  ui::ScrollBar sbWeapons;
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
};

}  // namespace kestrelle
