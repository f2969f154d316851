#pragma once
// The Moongates page: the Enter and Exit towns, the six time windows (pnlTimes, inside grpTimes) and the
// "By Enter Time" mode with its time box.
//
// Two modes: in pair mode the Exit group is enabled and the time box hidden, and choosing both towns
// fills the panels; in time-entry mode ("By Enter Time" checked) the Exit group is cleared and disabled
// and a typed clock time, confirmed with Enter, picks the Exit town and returns to pair mode. The time
// box then stands where the check box's caption was, after the check box in the Tab order as on the
// screen, and shows its format while empty; a hidden label names it for screen readers.

#include <array>
#include <memory>
#include <string>

#include "moongate/moongate_cycle.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/radio_group.h"

namespace kestrelle {

class TMoongatePage : public ui::PageContent {
 public:
  explicit TMoongatePage(ui::TabSheet& page);
  ui::Label Label2;
  ui::RadioGroup rgStart;
  ui::RadioGroup rgDest;
  ui::GroupBox grpTimes;
  ui::CheckBox cbByTime;
  ui::Label lblByTime;
  ui::Edit edtByTime;
  // The time panels, entries 1 to 6 at indexes 0 to 5; made inside grpTimes when the page starts.
  std::array<std::unique_ptr<ui::Panel>, kScheduleRowCount> pnlTimes;

  void Start() override;

  // Recomputes the panels once both towns are chosen; before that they keep their text.
  void rgStartClick();
  void rgDestClick();
  // Enters or leaves time-entry mode as the box now says; either way the panels are emptied.
  void cbByTimeClick();
  // Enter (carriage return) checks the typed time and shows where the Enter town's gate leads then; a
  // text that is no time stays, selected, and an error box says what is wrong with it. Every other
  // character passes unchanged.
  void edtByTimeKeyPress(char& key);
  // Writes the schedule of the chosen Enter and Exit towns into the six panels; both must be chosen.
  void CalcMoongateTimes();

 private:
  void ShowTimes(const std::array<std::string, kScheduleRowCount>& rows);
  void ClearTimes();
  void ShowTimeBox(bool shown);
};

}  // namespace kestrelle
