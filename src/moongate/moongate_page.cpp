#include "moongate/moongate_page.h"

#include <string>
#include <vector>

#include "app/main_form.h"

namespace kestrelle {
namespace {

// The town order of both groups is the town index of the moongate cycle.
const std::vector<std::string> kTowns = {"Moonglow", "Britain",  "Jhelom",     "Yew",
                                         "Minoc/Vesper", "Trinsic", "Skara Brae", "Magincia"};

const ui::FontSpec kTitleFont{"Courier New", -24, true, false, ui::colours::Navy};

}  // namespace

TMoongatePage::TMoongatePage(TMainForm& owner, ui::TabSheet& page)
    : form(owner),
      tsMoongate(page),
      Label2(page, {23, 4, 252, 27}, "MoonGate Schedules", {.font = kTitleFont}),
      rgStart(page, {2, 32, 104, 171}, "Enter", {.items = kTowns}),
      rgDest(page, {104, 32, 104, 171}, "Exit", {.items = kTowns}),
      grpTimes(page, {212, 33, 89, 145}, "Time Schedules"),
      cbByTime(page, {211, 185, 89, 17}, "By Enter Time"),
      edtByTime(page, {228, 183, 72, 22}, "", {.maxLength = 5}) {
  edtByTime.SetVisible(false);
  edtByTime.BringToFront();  // when shown it covers the check box's caption, not its box
  // The page's event handlers are bound here once they exist (rgStart.onClick, rgDest.onClick,
  // cbByTime.onClick, edtByTime.onKeyPress).
}

}  // namespace kestrelle
