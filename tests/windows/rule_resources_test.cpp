// The string table that rules2rc and the resource compiler made from the rule files reads, through
// LoadStringA, exactly as the rule files do; and the engine gives the same text on either.
#include <windows.h>

#include <gtest/gtest.h>

#include "speech/compiled_style.h"
#include "speech/embedded_rules.h"
#include "speech/resource_rule_strings.h"
#include "speech/rule_strings.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "speech/translator.h"

namespace kestrelle {
namespace {

RuleTable RulesFromFiles() {
  RuleTable table;
  for (const EmbeddedRuleString* entry = kEmbeddedRuleStrings; entry->text != nullptr; ++entry) {
    table.Set(entry->id, std::string(entry->text, entry->length));
  }
  return table;
}

TEST(RuleResources, EveryIdOfEveryStyleReadsAsTheRuleFile) {
  const RuleTable files = RulesFromFiles();
  const ResourceRuleStrings resources;
  const size_t expectedRules[] = {86, 118, 263};
  for (size_t s = 1; s < kSpeechStyles.size(); ++s) {
    const int base = kSpeechStyles[s].base;
    int id = base + 1;
    for (; files.Read(id) != "%STOP"; ++id) {
      ASSERT_LT(id, base + 1000) << kSpeechStyles[s].caption << " has no end marker";
      EXPECT_EQ(resources.Read(id), files.Read(id)) << "id " << id;
    }
    EXPECT_EQ(static_cast<size_t>(id - base - 1), 2 * expectedRules[s - 1]) << kSpeechStyles[s].caption;
    EXPECT_EQ(resources.Read(id), "%STOP") << "id " << id;
    EXPECT_EQ(resources.Read(id + 1), "") << "after the end marker, id " << id + 1;
  }
  EXPECT_EQ(resources.Read(1), "");
}

TEST(RuleResources, EscapedCharactersSurviveTheResourceCompiler) {
  // tests/windows/rule_escapes.rules, compiled by rules2rc at base 9000.
  const char* const expected[] = {
      "say \"hi\" now", "back\\slash \\n and \\\\ two", "\"\"", "  blanks at both ends  ",
      "%RANDOM(a|b)%ECHO 100% it's", "(paren) | bar", "", "after an empty one", "%STOP", "",
  };
  const ResourceRuleStrings resources;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(resources.Read(9001 + i), expected[i]) << "id " << 9001 + i;
}

TEST(RuleResources, EngineOnTheStringTableMatchesTheRuleFiles) {
  const RuleTable files = RulesFromFiles();
  const std::string text = "hello there, friend! i want to buy a sword and some armour. what time is it? thanks! ";
  for (size_t s = 1; s < kSpeechStyles.size(); ++s) {
    Translator onResources;
    onResources.StyleBase = kSpeechStyles[s].base;
    Translator onFiles = onResources;
    CompiledStyle styleOnResources(ShippedRules(), onResources.StyleBase);
    CompiledStyle styleOnFiles(files, onFiles.StyleBase);
    EXPECT_EQ(TranslateText(styleOnResources, onResources, text, GameCommands::TranslateAsSpeech, {}),
              TranslateText(styleOnFiles, onFiles, text, GameCommands::TranslateAsSpeech, {}))
        << kSpeechStyles[s].caption;
  }
}

}  // namespace
}  // namespace kestrelle
