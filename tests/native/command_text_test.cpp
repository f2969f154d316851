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
      {"a paragraph before a wrapped one", {"hi.", "where is ", "it?"}, true, "hi. where is it?"},
      {"a line beginning with a blank", {"hello", " world"}, true, "hello world"},
      {"pieces without blanks get one", {"one", "two", "three"}, true, "one two three"},
      {"a carriage return at the end of the text so far", {"a\r", "b"}, true, "a\rb"},
      {"a line ending in a carriage return", {"a", "b\r"}, true, "a b\r"},
      {"a line beginning with a carriage return", {"a", "\rb"}, true, "a\rb"},
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
  EXPECT_EQ(ParseDelayField("  25"), 25);
  EXPECT_EQ(ParseDelayField("2 5 "), 25);
  EXPECT_EQ(ParseDelayField("3000"), 3000);
  EXPECT_EQ(ParseDelayField("   0"), 0);
  EXPECT_EQ(ParseDelayField("9999"), 9999);
}

TEST(ParseDelayField, RefusesAFieldWithoutANumber) {
  struct Case {
    const char* field;
    const char* message;
  };
  const Case cases[] = {
      {"    ", "'' is not a valid integer value"},
      {"", "'' is not a valid integer value"},
      {"1a", "'1a' is not a valid integer value"},
      {" - ", "'-' is not a valid integer value"},
      {"99999999999", "'99999999999' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    try {
      ParseDelayField(c.field);
      ADD_FAILURE() << "no error for '" << c.field << "'";
    } catch (const std::invalid_argument& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace kestrelle
