#pragma once
// The clock time a player types to ask where a moongate leads: tidied into "hh:mm" form and read.
#include <optional>
#include <string>
#include <string_view>

namespace kestrelle {

struct ClockTime {
  int hour;    // 0..12 (0 is the same as 12)
  int minute;  // 0..59
};

// Normalises the typed time in place and reads it; empty when it is no valid time. A text without ":"
// gets one before its last two characters ("130" -> "1:30") and a text still shorter than five
// characters gets a leading "0" ("1:30" -> "01:30", "12:3" -> "012:3"). The parts before and after the
// first ":" must each be a whole number (leading blanks and a sign allowed, nothing after the digits),
// the hour 0..12 and the minute 0..59. Texts shorter than three characters are left as they are.
std::optional<ClockTime> CheckEnterTime(std::string& text);

// What is wrong with a typed text that CheckEnterTime refuses, and how to type a time, in words for the
// player; empty for a valid time.
std::string EnterTimeFault(std::string_view typed);

}  // namespace kestrelle
