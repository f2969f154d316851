#include "moongate/moongate_cycle.h"

#include <stdexcept>

namespace kestrelle {

namespace {

// Within each hour the gates move on at :10, :30 and :40; even hours hold phases 0-3, odd hours 4-7.
struct MinuteWindow {
  int first;
  int last;
};
constexpr std::array<MinuteWindow, 4> kWindows = {{{0, 9}, {10, 29}, {30, 39}, {40, 59}}};
constexpr int kPhasesPerHour = static_cast<int>(kWindows.size());

void RequireTown(int town, const char* what) {
  if (town < 0 || town >= kTownCount) throw std::out_of_range(std::string(what) + " town index out of range");
}

// Phase in which the gate of `entry` leads to `exit`, and the reverse: in phase p a gate leads p towns
// back in the list, wrapping round.
int PhaseBetween(int entry, int exit) {
  return (entry - exit + kTownCount) % kTownCount;
}

int TownBack(int entry, int phase) {
  return (entry - phase + kTownCount) % kTownCount;
}

// Two digits, zero-padded; every value written here is 0..59.
void AppendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

std::string RowText(int hour, int firstMinute, int lastMinute) {
  std::string text;
  AppendTwoDigits(text, hour);
  text += ':';
  AppendTwoDigits(text, firstMinute);
  text += " - ";
  AppendTwoDigits(text, hour);
  text += ':';
  AppendTwoDigits(text, lastMinute);
  return text;
}

}  // namespace

std::array<std::string, kScheduleRowCount> MoongateScheduleRows(int entry, int exit) {
  RequireTown(entry, "entry");
  RequireTown(exit, "exit");
  const int phase = PhaseBetween(entry, exit);
  const MinuteWindow window = kWindows[phase % kPhasesPerHour];
  // Rows start at 12 o'clock for the even-hour phases and at 1 o'clock for the odd-hour ones.
  const int firstHour = phase < kPhasesPerHour ? 12 : 1;
  std::array<std::string, kScheduleRowCount> rows;
  for (int i = 0; i < kScheduleRowCount; ++i) {
    const int hour = (firstHour + 2 * i - 1) % 12 + 1;
    rows[i] = RowText(hour, window.first, window.last);
  }
  return rows;
}

int ExitTownAt(int entry, int hour, int minute) {
  RequireTown(entry, "entry");
  if (hour < 0 || hour > 12) throw std::out_of_range("hour out of range");
  if (minute < 0 || minute > 59) throw std::out_of_range("minute out of range");
  int window = 0;
  while (minute > kWindows[window].last) ++window;
  // Hour 0 is 12 o'clock, an even hour like every other hour divisible by two.
  const int half = hour % 2 == 0 ? 0 : kPhasesPerHour;
  return TownBack(entry, half + window);
}

}  // namespace kestrelle
