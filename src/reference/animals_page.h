#pragma once
// The Animals page: a zoomable picture, the animal box and eight statistics.

#include <vector>

#include "reference/reference_records.h"
#include "ui/combo_box.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/scroll_bar.h"

namespace kestrelle {

class TAnimalsPage : public ui::PageContent {
 public:
  explicit TAnimalsPage(ui::TabSheet& page);

  // Reads the animal table into AnimalRecords and the animal box, then shows the first animal.
  void LoadAnimalTable();
  void Start() override { LoadAnimalTable(); }

  // Record i belongs to line i of cbAnimals; loaded once and kept unchanged.
  std::vector<TAnimalRecord> AnimalRecords;
  ui::Panel pnlAnimalsDisplay;
  ui::Image imgAnimals;
  ui::Label lblAnimalZoom;  // hidden, as the next
  ui::ScrollBar sbAnimals;
  ui::Label lblAnimalBox;
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

  // The picture first: a missing picture ends the handler before the panels change.
  void cbAnimalsChange();
  void sbAnimalsChange();
};

}  // namespace kestrelle
