#include "speech/command_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "rule_fixture.h"

namespace kestrelle {
namespace {

// The player's words from the memo's displayed lines to the finished text: capitals kept but where a rule
// replaced them, sentence capitals, letters beyond ASCII, the join.
TEST(TranslateCommandText, ThePlayersWordsComeBackAsTypedButWhereRulesReplacedThem) {
  // Two words replaced, and a phrase echoed (what the rule puts in: the matched text, lower case).
  const RuleTable rules =
      test::MakeRules({" the ", " thuh ", "britain", "the realm", "my good friend", "%ECHO", "%STOP"});
  const struct {
    std::vector<std::string> lines;
    bool wordWrap;
    int base;  // 0: Normal; else the small style
    const char* finished;
  } cases[] = {
      {{"Lord British met the GM in UO."}, true, 0, "Lord British met the GM in UO."},
      {{"Lord British met THE GM in UO."}, true, test::kTestBase, "Lord British met thuh GM in UO."},
      {{"hello. i think GM is here! ok i"}, true, 0, "Hello. I think GM is here! Ok I"},
      {{"The END. the GM, My Good Friend! Hail BRITAIN!"}, true, test::kTestBase,
       "The END. Thuh GM, my good friend! Hail the realm!"},
      {{"こんにちは、日本語のテキストです。Hello 世界"}, true, 0, "こんにちは、日本語のテキストです。Hello 世界"},
      {{"日本 the 世界 iТ"}, true, test::kTestBase, "日本 thuh 世界 iТ"},
      {{"Γειά σου, the Κόσμε. ΟΚ"}, true, test::kTestBase, "Γειά σου, thuh Κόσμε. ΟΚ"},
      // A paragraph, then one wrapped at its blanks: the blank between them is put in once.
      {{"Hail there.", "Where is the bank of Britain, my good ", "friend?"}, true, test::kTestBase,
       "Hail there. Where is thuh bank of the realm, my good friend?"},
      {{"Hail", "", " GM ", "the end"}, true, test::kTestBase, "Hail GM thuh end"},
      {{"Hail there.", "", "Where is the GM"}, false, test::kTestBase, "Hail there.\r\n\r\nWhere is thuh GM"},
  };
  for (const auto& c : cases) {
    Translator translator;
    translator.StyleBase = c.base;
    CompiledStyle style(rules, c.base);
    const std::string text = JoinDisplayedLines(c.lines, c.wordWrap);
    EXPECT_EQ(TranslateText(style, translator, text, GameCommands::LeaveAlone, {}), c.finished) << c.lines.front();
  }
}

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
