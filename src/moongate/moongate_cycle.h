#pragma once
// The moongate cycle: eight towns whose gates change destination in a fixed eight-phase cycle that repeats
// every two hours. Pure arithmetic on town indexes and clock times; no clock is read.
#include <array>
#include <string>
#include <string_view>

namespace kestrelle {

inline constexpr int kTownCount = 8;

// Town names by town index, in the item order of both moongate radio groups.
inline constexpr std::array<std::string_view, kTownCount> kTownNames = {
    "Moonglow", "Britain", "Jhelom", "Yew", "Minoc/Vesper", "Trinsic", "Skara Brae", "Magincia"};

inline constexpr int kScheduleRowCount = 6;

// The six windows per twelve hours in which the gate of town `entry` leads to town `exit`, as the texts
// of the six time panels, e.g. "02:30 - 02:39". Throws std::out_of_range unless both are 0..7.
std::array<std::string, kScheduleRowCount> MoongateScheduleRows(int entry, int exit);

// The town the gate of town `entry` leads to at hour:minute on a twelve-hour face (hour 0..12, where 0
// is the same as 12; minute 0..59). Throws std::out_of_range for anything outside those ranges.
int ExitTownAt(int entry, int hour, int minute);

}  // namespace kestrelle
