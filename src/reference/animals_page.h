#pragma once
// The Animals page: a zoomable picture, the animal box and eight statistics.

#include "ui/combo_box.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/scroll_bar.h"

namespace kestrelle {

class TMainForm;

class TAnimalsPage {
 public:
  TAnimalsPage(TMainForm& owner, ui::TabSheet& page);

  TMainForm& form;
  ui::TabSheet& Animals;
  ui::Panel pnlAnimalsDisplay;
  ui::Image imgAnimals;
  ui::ScrollBar sbAnimals;
  ui::ComboBox cbAnimals;
  ui::Label Label18;
  ui::Panel pnlAnimalDam;
  ui::Label Label19;
  ui::Panel pnlAnimalStr;
  ui::Label Label20;
  ui::Panel pnlAnimalDex;
  ui::Label Label21;
  ui::Panel pnlAnimalInt;
  ui::Label Label22;
  ui::Panel pnlAnimalAC;
  ui::Label Label23;
  ui::Panel pnlAnimalAlign;
  ui::Label Label24;
  ui::Panel pnlAnimalHP;
  ui::Label Label25;
  ui::Panel pnlAnimalItems;
};

}  // namespace kestrelle
