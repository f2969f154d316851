#include "moongate/moongate_cycle.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace kestrelle {
namespace {

// Expected rows by phase (Enter - Exit) mod 8: phases 0-3 list the even hours from 12, phases 4-7 the
// odd hours from 1, each with the phase's minute window.
struct PhaseWindow {
  const char* first;
  const char* last;
  bool oddHours;
};
constexpr PhaseWindow kPhaseWindows[kTownCount] = {
    {"00", "09", false}, {"10", "29", false}, {"30", "39", false}, {"40", "59", false},
    {"00", "09", true},  {"10", "29", true},  {"30", "39", true},  {"40", "59", true}};
constexpr const char* kEvenHours[kScheduleRowCount] = {"12", "02", "04", "06", "08", "10"};
constexpr const char* kOddHours[kScheduleRowCount] = {"01", "03", "05", "07", "09", "11"};

TEST(MoongateCycle, ScheduleOfEveryTownPairFollowsItsPhase) {
  for (int entry = 0; entry < kTownCount; ++entry) {
    for (int exit = 0; exit < kTownCount; ++exit) {
      const PhaseWindow& window = kPhaseWindows[(entry - exit + kTownCount) % kTownCount];
      const auto rows = MoongateScheduleRows(entry, exit);
      for (int i = 0; i < kScheduleRowCount; ++i) {
        const std::string hour = window.oddHours ? kOddHours[i] : kEvenHours[i];
        EXPECT_EQ(rows[i], hour + ":" + window.first + " - " + hour + ":" + window.last)
            << kTownNames[entry] << " to " << kTownNames[exit] << ", row " << i + 1;
      }
    }
  }
}

TEST(MoongateCycle, ScheduleTextsOfBothDirectionsBetweenFirstAndLastTown) {
  using Rows = std::array<std::string, kScheduleRowCount>;
  EXPECT_EQ(MoongateScheduleRows(0, 7), (Rows{"12:10 - 12:29", "02:10 - 02:29", "04:10 - 04:29",
                                              "06:10 - 06:29", "08:10 - 08:29", "10:10 - 10:29"}));
  EXPECT_EQ(MoongateScheduleRows(7, 0), (Rows{"01:40 - 01:59", "03:40 - 03:59", "05:40 - 05:59",
                                              "07:40 - 07:59", "09:40 - 09:59", "11:40 - 11:59"}));
}

bool RowCovers(const std::string& row, int hour, int minute) {
  // "hh:mm - hh:mm": start and end share the hour.
  return std::stoi(row.substr(0, 2)) == hour && std::stoi(row.substr(3, 2)) <= minute &&
         minute <= std::stoi(row.substr(11, 2));
}

// Asking where a gate leads at a time and asking when it leads to a town give the same answer: exactly
// one exit's schedule lists each minute of the face, and it is the exit found for that minute.
TEST(MoongateCycle, ExitForEveryMinuteIsTheOneWhoseScheduleListsIt) {
  std::array<std::array<std::string, kScheduleRowCount>, kTownCount> schedules[kTownCount];
  for (int entry = 0; entry < kTownCount; ++entry)
    for (int exit = 0; exit < kTownCount; ++exit) schedules[entry][exit] = MoongateScheduleRows(entry, exit);

  for (int entry = 0; entry < kTownCount; ++entry) {
    for (int hour = 0; hour <= 12; ++hour) {
      const int faceHour = hour == 0 ? 12 : hour;
      for (int minute = 0; minute < 60; ++minute) {
        const int found = ExitTownAt(entry, hour, minute);
        for (int exit = 0; exit < kTownCount; ++exit) {
          int covering = 0;
          for (const std::string& row : schedules[entry][exit]) covering += RowCovers(row, faceHour, minute);
          EXPECT_EQ(covering, exit == found ? 1 : 0)
              << kTownNames[entry] << " at " << hour << ":" << minute << ", schedule to " << kTownNames[exit];
        }
      }
    }
  }
}

TEST(MoongateCycle, ExitAtSampleTimes) {
  struct Case {
    int entry, hour, minute, exit;
  };
  const Case cases[] = {
      {1, 3, 45, 2},   // Britain at 3:45 leads to Jhelom
      {1, 12, 5, 1},   // every gate leads home in the first window of an even hour
      {1, 0, 5, 1},    // hour 0 is 12 o'clock
      {1, 1, 5, 5},    // and odd hours start four towns back
      {0, 2, 10, 7},   // wrapping from the first town to the last
      {7, 11, 59, 0},  // the last minute of the cycle
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExitTownAt(c.entry, c.hour, c.minute), c.exit) << c.entry << " at " << c.hour << ":" << c.minute;
}

TEST(MoongateCycle, RejectsTownsAndTimesOutsideTheirRanges) {
  for (int town : {-1, kTownCount}) {
    EXPECT_THROW(MoongateScheduleRows(town, 0), std::out_of_range);
    EXPECT_THROW(MoongateScheduleRows(0, town), std::out_of_range);
    EXPECT_THROW(ExitTownAt(town, 1, 0), std::out_of_range);
  }
  EXPECT_THROW(ExitTownAt(0, -1, 0), std::out_of_range);
  EXPECT_THROW(ExitTownAt(0, 13, 0), std::out_of_range);
  EXPECT_THROW(ExitTownAt(0, 1, -1), std::out_of_range);
  EXPECT_THROW(ExitTownAt(0, 1, 60), std::out_of_range);
}

}  // namespace
}  // namespace kestrelle
