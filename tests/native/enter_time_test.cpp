#include "moongate/enter_time.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelle {
namespace {

struct TimeCase {
  const char* typed;
  const char* normalised;
  bool valid;
  int hour, minute;
};

void ExpectChecks(const TimeCase& c) {
  std::string text = c.typed;
  const std::optional<ClockTime> time = CheckEnterTime(text);
  EXPECT_EQ(text, c.normalised) << "typed \"" << c.typed << "\"";
  ASSERT_EQ(time.has_value(), c.valid) << "typed \"" << c.typed << "\"";
  if (time) {
    EXPECT_EQ(time->hour, c.hour) << "typed \"" << c.typed << "\"";
    EXPECT_EQ(time->minute, c.minute) << "typed \"" << c.typed << "\"";
  }
}

TEST(EnterTime, NormalisesAndReadsTypedTimes) {
  const TimeCase cases[] = {
      {"130", "01:30", true, 1, 30},
      {"1230", "12:30", true, 12, 30},
      {"345", "03:45", true, 3, 45},
      {"1:5", "01:5", true, 1, 5},
      {"12:3", "012:3", true, 12, 3},
      {"00:15", "00:15", true, 0, 15},
      {"12:59", "12:59", true, 12, 59},
      {"000000000012:00", "000000000012:00", true, 12, 0},
      {"12", "12", false, 0, 0},  // too short: left as typed
      {"", "", false, 0, 0},
      {"13:00", "13:00", false, 0, 0},
      {"12:60", "12:60", false, 0, 0},
      {"12:", "012:", false, 0, 0},
      {":30", "0:30", true, 0, 30},
      {"ab:cd", "ab:cd", false, 0, 0},
      {"ERROR", "ERR:OR", false, 0, 0},
      {"ERR:OR", "ERR:OR", false, 0, 0},  // Enter again on the error text
      {"12:00:00", "12:00:00", false, 0, 0},
      {"99999999999:00", "99999999999:00", false, 0, 0},
      {"1:99999999999", "1:99999999999", false, 0, 0},
  };
  for (const TimeCase& c : cases) ExpectChecks(c);
}

TEST(EnterTime, TakesSignsAndLeadingBlanksButNoNegativeTime) {
  const TimeCase cases[] = {
      {"+1:30", "+1:30", true, 1, 30},
      {"+130", "+1:30", true, 1, 30},
      {"1:+5", "01:+5", true, 1, 5},
      {"-0:30", "-0:30", true, 0, 30},  // minus zero is zero
      {"-1:30", "-1:30", false, 0, 0},
      {"-130", "-1:30", false, 0, 0},
      {"1:-5", "01:-5", false, 0, 0},
      {"+-1:30", "+-1:30", false, 0, 0},
      {"--1:30", "--1:30", false, 0, 0},
      {"- 1:30", "- 1:30", false, 0, 0},
      {" 1: 5", " 1: 5", true, 1, 5},
      {"  345", "  3:45", true, 3, 45},
      {"\t1:30", "\t1:30", true, 1, 30},
      {" +1:30", " +1:30", true, 1, 30},
      {"1 :05", "1 :05", false, 0, 0},  // nothing may follow the digits
      {"12:3 ", "12:3 ", false, 0, 0},
      {"  :30", "  :30", false, 0, 0},  // blanks alone are no number
  };
  for (const TimeCase& c : cases) ExpectChecks(c);
}

// The error names what is wrong: the length, the hour or the minutes, whichever fails first.
TEST(EnterTime, FaultsSayWhatIsWrong) {
  const std::string cases[][2] = {{"12", "\"12\" is too short for a time."},
                                  {"1 :05", "\"1 :05\" is no time: the hour must"},
                                  {"12:60", "\"12:60\" is no time: the minutes must"}};
  for (const auto& [typed, fault] : cases) EXPECT_EQ(EnterTimeFault(typed).substr(0, fault.size()), fault);
  EXPECT_EQ(EnterTimeFault("130"), "");
}

}  // namespace
}  // namespace kestrelle
