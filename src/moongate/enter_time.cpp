#include "moongate/enter_time.h"

#include <charconv>
#include <string_view>

namespace kestrelle {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A whole number as a plain integer conversion reads it: leading blanks, an optional sign, then digits
// up to the end. Empty for anything else, and for a value too large for an int.
std::optional<int> ParseWholeNumber(std::string_view s) {
  size_t pos = s.find_first_not_of(" \t");
  if (pos == std::string_view::npos) return std::nullopt;
  const bool negative = s[pos] == '-';
  if (s[pos] == '-' || s[pos] == '+') ++pos;
  // from_chars would take a second '-' itself, so the digits must start right after the sign.
  if (pos == s.size() || !IsDigit(s[pos])) return std::nullopt;
  int value = 0;
  const char* end = s.data() + s.size();
  const auto [stop, error] = std::from_chars(s.data() + pos, end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return negative ? -value : value;
}

std::optional<int> ParseInRange(std::string_view s, int highest) {
  const std::optional<int> value = ParseWholeNumber(s);
  // No clock shows a negative hour or minute, so those are as invalid as too large ones.
  if (!value || *value < 0 || *value > highest) return std::nullopt;
  return value;
}

enum class Fault { None, TooShort, Hour, Minute };

Fault Check(std::string& text, ClockTime& time) {
  if (text.size() < 3) return Fault::TooShort;
  if (text.find(':') == std::string::npos) text.insert(text.size() - 2, 1, ':');
  if (text.size() < 5) text.insert(0, 1, '0');

  const std::string_view whole = text;
  const size_t colon = whole.find(':');
  const std::optional<int> hour = ParseInRange(whole.substr(0, colon), 12);
  if (!hour) return Fault::Hour;
  const std::optional<int> minute = ParseInRange(whole.substr(colon + 1), 59);
  if (!minute) return Fault::Minute;
  time = {*hour, *minute};
  return Fault::None;
}

}  // namespace

std::optional<ClockTime> CheckEnterTime(std::string& text) {
  ClockTime time{};
  if (Check(text, time) != Fault::None) return std::nullopt;
  return time;
}

std::string EnterTimeFault(std::string_view typed) {
  std::string text(typed);
  ClockTime time{};
  std::string fault;
  switch (Check(text, time)) {
    case Fault::None:
      return {};
    case Fault::TooShort:
      fault = "is too short for a time";
      break;
    case Fault::Hour:
      fault = "is no time: the hour must be a whole number from 0 to 12";
      break;
    case Fault::Minute:
      fault = "is no time: the minutes must be a whole number from 0 to 59";
      break;
  }
  return "\"" + std::string(typed) + "\" " + fault + ". Type the time as hh:mm, or as its digits alone (130 for 1:30).";
}

}  // namespace kestrelle
