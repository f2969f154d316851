#include "speech/command_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace kestrelle {
namespace {

TEST(JoinDisplayedLines, JoinsAsTheMemoDisplaysThem) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    bool wordWrap;
    std::string joined;
  };
  const Case cases[] = {
      {"paragraphs without wrap keep their breaks", {"hi there", "how are you"}, false, "hi there\r\nhow are you"},
      {"empty paragraphs without wrap stay", {"", "a", "", "b"}, false, "\r\na\r\n\r\nb"},
      {"a wrapped piece ending in its blank", {"hello ", "world"}, true, "hello world"},
      {"the appended line's last character decides",
       {"hello", "this is a long line "},
       true,
       "hellothis is a long line "},
      {"pieces without blanks get one", {"one", "two", "three"}, true, "one two three"},
      {"a carriage return at the end of the text so far", {"a\r", "b"}, true, "a\rb"},
      {"a line ending in a carriage return", {"a", "b\r"}, true, "ab\r"},
      {"an empty line between paragraphs adds nothing", {"hello", "", "world"}, true, "hello world"},
      {"empty first lines put nothing in front", {"", "", "hello", "world"}, true, "hello world"},
      {"only empty lines", {"", ""}, true, ""},
      {"a single line", {"just this"}, true, "just this"},
      {"no lines", {}, true, ""},
      {"no lines without wrap", {}, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinDisplayedLines(c.lines, c.wordWrap), c.joined) << c.name;
  }
}

TEST(JoinDisplayedLines, KeepsLongLinesWhole) {
  const std::string longLine(10000, 'x');
  EXPECT_EQ(JoinDisplayedLines({longLine, "y"}, true), longLine + " y");
}

TEST(IsBlankText, OnlyBlanksAndControlCharactersAreBlank) {
  EXPECT_TRUE(IsBlankText(""));
  EXPECT_TRUE(IsBlankText("    "));
  EXPECT_TRUE(IsBlankText(" \r\n\t \x01"));
  EXPECT_FALSE(IsBlankText("  a  "));
  EXPECT_FALSE(IsBlankText("\xa0"));
  EXPECT_FALSE(IsBlankText("\r\n."));
}

TEST(ParseDelayField, ReadsTheDigitsWithoutBlanks) {
  EXPECT_EQ(ParseDelayField("  25", "Char Delay"), 25);
  EXPECT_EQ(ParseDelayField("2 5 ", "Char Delay"), 25);
  EXPECT_EQ(ParseDelayField("3000", "Char Delay"), 3000);
  EXPECT_EQ(ParseDelayField("   0", "Char Delay"), 0);
  EXPECT_EQ(ParseDelayField("9999", "Char Delay"), 9999);
}

TEST(ParseDelayField, RefusesAFieldWithoutANumberNamingIt) {
  struct Case {
    const char* field;
    const char* message;
  };
  const char* const advice = ": type the delay as a whole number of milliseconds, from 0 to 9999.";
  const Case cases[] = {
      {"    ", "Line Delay is empty"},
      {"", "Line Delay is empty"},
      {"1a", "Line Delay holds \"1a\", which is no number"},
      {" - ", "Line Delay holds \"-\", which is no number"},
      {"99999999999", "Line Delay holds \"99999999999\", which is no number"},
  };
  for (const Case& c : cases) {
    try {
      ParseDelayField(c.field, "Line Delay");
      ADD_FAILURE() << "no error for '" << c.field << "'";
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(error.what(), std::string(c.message) + advice);
    }
  }
}

}  // namespace
}  // namespace kestrelle
