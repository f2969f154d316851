#include "moongate/moongate_page.h"

#include <windows.h>

#include <vector>

#include "moongate/enter_time.h"

namespace kestrelle {
namespace {

// Both groups list the towns in town-index order, so an item index is a town index.
std::vector<std::string> TownItems() { return {kTownNames.begin(), kTownNames.end()}; }

const ui::FontSpec kTitleFont{"Courier New", -24, true, false, ui::colours::Navy};

constexpr char kCarriageReturn = '\r';
constexpr const char* kInvalidTimeText = "ERROR";

}  // namespace

TMoongatePage::TMoongatePage(ui::TabSheet& page)
    : Label2(page, {23, 4, 252, 27}, "MoonGate Schedules", {.font = kTitleFont}),
      rgStart(page, {2, 32, 104, 171}, "Enter", {.items = TownItems()}),
      rgDest(page, {104, 32, 104, 171}, "Exit", {.items = TownItems()}),
      grpTimes(page, {212, 33, 89, 145}, "Time Schedules"),
      cbByTime(page, {211, 185, 89, 17}, "By Enter Time"),
      edtByTime(page, {228, 183, 72, 22}, "", {.maxLength = 5}) {
  edtByTime.SetVisible(false);
  edtByTime.BringToFront();  // when shown it covers the check box's caption, not its box
  rgStart.onClick = [this] { rgStartClick(); };
  rgDest.onClick = [this] { rgDestClick(); };
  cbByTime.onClick = [this] { cbByTimeClick(); };
  edtByTime.onKeyPress = [this](char& key) { edtByTimeKeyPress(key); };
}

void TMoongatePage::rgStartClick() {
  if (rgStart.ItemIndex() >= 0 && rgDest.ItemIndex() >= 0) CalcMoongateTimes();
}

void TMoongatePage::rgDestClick() { rgStartClick(); }

void TMoongatePage::cbByTimeClick() {
  if (cbByTime.Checked()) {
    rgDest.SetEnabled(false);
    edtByTime.SetVisible(true);
    rgDest.SetItemIndex(-1);
    if (rgStart.ItemIndex() < 0) rgStart.SetItemIndex(0);  // raises rgStartClick, which finds no Exit
    edtByTime.SelectAll();
    edtByTime.SetFocus();
  } else {
    rgDest.SetEnabled(true);
    edtByTime.SetVisible(false);
  }
  ClearTimes();
}

void TMoongatePage::edtByTimeKeyPress(char& key) {
  if (key != kCarriageReturn) return;
  key = 0;
  std::string text = edtByTime.Text();
  const std::optional<ClockTime> time = CheckEnterTime(text);
  if (!time) {
    // The mode stays, so the player can type over the selected text at once.
    edtByTime.SetText(kInvalidTimeText);
    edtByTime.SelectAll();
    MessageBeep(MB_OK);
    return;
  }
  edtByTime.SetText(text);
  const int exit = ExitTownAt(rgStart.ItemIndex(), time->hour, time->minute);
  // The time box is about to be hidden; the keyboard goes on from the check box it covered.
  const bool typedHere = edtByTime.Focused();
  cbByTime.SetChecked(false);  // back in pair mode, the panels emptied
  rgDest.SetEnabled(true);
  rgDest.SetItemIndex(exit);  // rgDestClick fills the panels for Enter and this Exit
  edtByTime.SetVisible(false);
  if (typedHere) cbByTime.SetFocus();
}

void TMoongatePage::Start() {
  for (std::size_t i = 0; i < pnlTimes.size(); ++i) {
    pnlTimes[i] = std::make_unique<ui::Panel>(grpTimes, ui::Rect{8, 17 + 20 * static_cast<int>(i), 73, 21}, "",
                                              ui::PanelOptions{.bevelOuter = ui::Bevel::None,
                                                               .bevelInner = ui::Bevel::Lowered,
                                                               .singleBorder = true,
                                                               .colour = ui::colours::Yellow});
  }
}

void TMoongatePage::CalcMoongateTimes() { ShowTimes(MoongateScheduleRows(rgStart.ItemIndex(), rgDest.ItemIndex())); }

void TMoongatePage::ShowTimes(const std::array<std::string, kScheduleRowCount>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) pnlTimes[i]->SetText(rows[i]);
}

void TMoongatePage::ClearTimes() { ShowTimes({}); }

}  // namespace kestrelle
