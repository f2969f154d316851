#pragma once
// The Moongates page: the Enter and Exit towns, the six time windows (the main window's pnlTimes, inside
// grpTimes) and the "By Enter Time" mode with its time box.

#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"

namespace kestrelle {

class TMainForm;

class TMoongatePage {
 public:
  TMoongatePage(TMainForm& owner, ui::TabSheet& page);

  TMainForm& form;
  ui::TabSheet& tsMoongate;
  ui::Label Label2;
  ui::RadioGroup rgStart;
  ui::RadioGroup rgDest;
  ui::GroupBox grpTimes;
  ui::CheckBox cbByTime;
  ui::Edit edtByTime;
};

}  // namespace kestrelle
