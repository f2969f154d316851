// The player's words through the Translate command's text steps, from the memo's displayed lines to the
// finished text: the lines joined, the rules applied, sentence capitals put in.
#include <gtest/gtest.h>

#include "rule_fixture.h"
#include "speech/command_text.h"

namespace kestrelle {
namespace {

TEST(PlayersWords, ComeBackAsTypedApartFromWhatRulesReplaced) {
  // A small style: two words replaced, and a phrase echoed (what the rule puts in is the matched text, in
  // lower case).
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
      {{"The END. the GM"}, true, test::kTestBase, "The END. Thuh GM"},
      {{"So. The GM, My Good Friend!"}, true, test::kTestBase, "So. Thuh GM, my good friend!"},
      {{"Hail BRITAIN!"}, true, test::kTestBase, "Hail the realm!"},
      {{"こんにちは、日本語のテキストです。Hello 世界"}, true, 0, "こんにちは、日本語のテキストです。Hello 世界"},
      {{"日本 the 世界 iТ"}, true, test::kTestBase, "日本 thuh 世界 iТ"},
      {{"Γειά σου, the Κόσμε. ΟΚ"}, true, test::kTestBase, "Γειά σου, thuh Κόσμε. ΟΚ"},
      // The join: a paragraph, then one wrapped at its blanks; the blank between them is put in once.
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

}  // namespace
}  // namespace kestrelle
