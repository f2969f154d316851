#include "moongate/moongate_page.h"

#include <windows.h>

#include <vector>

#include "moongate/enter_time.h"
#include "ui/application.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

// Both groups list the towns in town-index order, so an item index is a town index.
std::vector<std::string> TownItems() { return {kTownNames.begin(), kTownNames.end()}; }

const ui::FontSpec kTitleFont{"Courier New", -24, true, false, ui::colours::Navy};
// The times in black, which reads on the yellow in any colour scheme.
constexpr ui::Colour kTimeText = ui::Colour::Rgb(0, 0, 0);

constexpr ui::Rect kByTimeBounds{211, 185, 89, 17};
constexpr ui::Rect kTimeBoxBounds{228, 183, 72, 22};

constexpr char kCarriageReturn = '\r';

}  // namespace

TMoongatePage::TMoongatePage(ui::TabSheet& page)
    : Label2(page, {23, 4, 252, 27}, "MoonGate Schedules", {.font = kTitleFont}),
      rgStart(page, {2, 32, 104, 171}, "&Enter", {.items = TownItems()}),
      rgDest(page, {104, 32, 104, 171}, "E&xit", {.items = TownItems()}),
      grpTimes(page, {212, 33, 89, 145}, "Time Schedules"),
      cbByTime(page, kByTimeBounds, "&By Enter Time"),
      lblByTime(page, kTimeBoxBounds, "Enter time (hh:mm):", {.hidden = true}),
      edtByTime(page, kTimeBoxBounds, "", {.maxLength = 5, .cue = "hh:mm"}) {
  edtByTime.SetVisible(false);
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
    ShowTimeBox(true);
    rgDest.SetItemIndex(-1);
    if (rgStart.ItemIndex() < 0) rgStart.SetItemIndex(0);  // raises rgStartClick, which finds no Exit
    edtByTime.SelectAll();
    edtByTime.SetFocus();
  } else {
    rgDest.SetEnabled(true);
    ShowTimeBox(false);
  }
  ClearTimes();
}

// The time box covers the check box's caption and leaves its box: the check box gives up the room, so
// that neither paints over the other whatever their order.
void TMoongatePage::ShowTimeBox(bool shown) {
  ui::Rect bounds = kByTimeBounds;
  if (shown) bounds.width = kTimeBoxBounds.left - kByTimeBounds.left;
  cbByTime.SetBounds(bounds);
  edtByTime.SetVisible(shown);
}

void TMoongatePage::edtByTimeKeyPress(char& key) {
  if (key != kCarriageReturn) return;
  key = 0;
  const std::string typed = edtByTime.Text();
  std::string text = typed;
  const std::optional<ClockTime> time = CheckEnterTime(text);
  if (!time) {
    // The mode stays, so the player can type over the selected text at once when the box has gone.
    edtByTime.SelectAll();
    ui::ShowErrorBox(ui::Utf8FromWide(ui::WideFromUtf8(EnterTimeFault(typed))));
    return;
  }
  edtByTime.SetText(text);
  const int exit = ExitTownAt(rgStart.ItemIndex(), time->hour, time->minute);
  // The time box is about to be hidden; the keyboard goes on from the check box it covered.
  const bool typedHere = edtByTime.Focused();
  cbByTime.SetChecked(false);  // back in pair mode, the panels emptied and the time box hidden
  rgDest.SetItemIndex(exit);  // rgDestClick fills the panels for Enter and this Exit
  if (typedHere) cbByTime.SetFocus();
}

void TMoongatePage::Start() {
  for (std::size_t i = 0; i < pnlTimes.size(); ++i) {
    ui::FontSpec font = grpTimes.Font();
    font.colour = kTimeText;
    pnlTimes[i] = std::make_unique<ui::Panel>(grpTimes, ui::Rect{8, 17 + 20 * static_cast<int>(i), 73, 21}, "",
                                              ui::PanelOptions{.bevelOuter = ui::Bevel::None,
                                                               .bevelInner = ui::Bevel::Lowered,
                                                               .singleBorder = true,
                                                               .colour = ui::colours::Yellow,
                                                               .font = font});
  }
}

void TMoongatePage::CalcMoongateTimes() { ShowTimes(MoongateScheduleRows(rgStart.ItemIndex(), rgDest.ItemIndex())); }

void TMoongatePage::ShowTimes(const std::array<std::string, kScheduleRowCount>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) pnlTimes[i]->SetText(rows[i]);
}

void TMoongatePage::ClearTimes() { ShowTimes({}); }

}  // namespace kestrelle
