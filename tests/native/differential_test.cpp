// The engine against the plain rule walk (tests/oracle): same text and same generator state, on generated
// rule sets and texts and on the shipped styles.
#include <gtest/gtest.h>

#include <random>

#include "literal_translator.h"
#include "rule_fixture.h"
#include "speech/compiled_rules.h"
#include "speech/compiled_style.h"
#include "speech/linked_text.h"
#include "speech/rewrite_engine.h"
#include "speech/rule_set.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "speech/text_preparation.h"

namespace kestrelle {
namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  char Pick(std::string_view from) { return from[static_cast<size_t>(Below(static_cast<int>(from.size())))]; }

  std::string Word(std::string_view alphabet, int maxLength) {
    std::string word;
    for (int n = Below(maxLength) + 1; n > 0; --n) word += Pick(alphabet);
    return word;
  }

  // Alternatives over a small alphabet so that they occur often, overlap and meet inserted blanks.
  std::string Pattern() {
    std::string pattern;
    for (int n = Below(3) + 1; n > 0; --n) {
      if (!pattern.empty() || Below(8) == 0) pattern += '|';
      if (Below(10) == 0) continue;  // an empty alternative
      std::string alternative = Word("ab a.", 4);
      if (Below(2) == 0) alternative += ' ';  // a word end
      pattern += alternative;
    }
    if (Below(8) == 0) pattern += '|';
    return pattern;
  }

  std::string Replacement() {
    std::string replacement;
    for (int n = Below(4); n > 0; --n) {
      switch (Below(6)) {
        case 0: replacement += "%ECHO"; break;
        case 1: replacement += Word("ab xy.", 3); break;
        case 2: replacement += ' '; break;
        case 3: replacement += Below(6) == 0 ? "%" : "%RANDOM(" + Word("ab |", 6) + (Below(6) == 0 ? "" : ")"); break;
        case 4: replacement += "%RANDOM(%ECHO|" + Word("xb ", 2) + " |)"; break;
        default: replacement += Word("ba", 2) + ' '; break;
      }
    }
    return replacement;
  }

  std::string Text(int maxLength) {
    std::string text;
    for (int n = Below(maxLength); n > 0; --n) text += Below(40) == 0 ? '\xe9' : Pick("aAb bB .,!?x\n");
    return text + ' ';
  }

 private:
  std::mt19937 random_;
};

void ExpectSameAsPlainWalk(const RuleStrings& rules, int base, const std::string& text, std::uint32_t seed,
                           const std::string& context) {
  Translator engine;
  engine.StyleBase = base;
  engine.RandomSeed = seed;
  Translator plain = engine;
  const std::string expected = oracle::LiteralTranslate(plain, text, rules);
  ASSERT_EQ(test::Rewritten(rules, engine, text), expected) << context;
  ASSERT_EQ(engine.RandomSeed, plain.RandomSeed) << context;
}

std::vector<std::string> GeneratedRules(Generator& generate) {
  std::vector<std::string> strings;
  for (int n = generate.Below(8) + 1; n > 0; --n) {
    strings.push_back(generate.Pattern());
    strings.push_back(generate.Replacement());
  }
  strings.emplace_back("%STOP");
  return strings;
}

std::string Describe(const std::vector<std::string>& rules, const std::string& text) {
  std::string context = "text [" + text + "]\nrules:";
  for (const std::string& s : rules) context += " [" + s + "]";
  return context;
}

TEST(Differential, GeneratedRulesAndTexts) {
  for (unsigned seed = 0; seed < 3000; ++seed) {
    Generator generate(seed);
    const std::vector<std::string> strings = GeneratedRules(generate);
    const std::string text = generate.Text(seed % 10 == 0 ? 600 : 80);
    ExpectSameAsPlainWalk(test::MakeRules(strings), test::kTestBase, text, seed * 7919u,
                          "generator seed " + std::to_string(seed) + "\n" + Describe(strings, text));
  }
}

// One engine and one generator for many texts in turn, as the filter translates lines, against the plain
// walk with a fresh generator per text that starts where the shared one stands. Every third text is
// first given to a run that is stopped after its first alternative, whose leftovers must not carry over.
TEST(Differential, ReusedEngineAsAFreshOnePerText) {
  for (unsigned seed = 0; seed < 300; ++seed) {
    Generator generate(seed);
    const std::vector<std::string> strings = GeneratedRules(generate);
    const RuleTable rules = test::MakeRules(strings);
    const CompiledRules compiled(ReadRuleSet(rules, test::kTestBase));
    RewriteEngine engine(compiled);
    Translator shared;
    shared.StyleBase = test::kTestBase;
    shared.RandomSeed = seed * 7919u;
    for (int t = 0; t < 9; ++t) {
      const std::string text = generate.Text(80);
      const std::string context = "generator seed " + std::to_string(seed) + ", text " + std::to_string(t) +
                                  "\n" + Describe(strings, text);
      if (t % 3 == 2) {
        LinkedText stopped(text);
        int calls = 0;
        engine.Run(stopped, shared, [&] { return ++calls < 2; });
      }
      Translator fresh = shared;
      const std::string expected = oracle::LiteralTranslate(fresh, text, rules);
      LinkedText linked(text);
      ASSERT_TRUE(engine.Run(linked, shared, BetweenAlternatives())) << context;
      ASSERT_EQ(linked.ToString(), expected) << context;
      ASSERT_EQ(shared.RandomSeed, fresh.RandomSeed) << context;
    }
  }
}

// Players' chat and the rules' own phrases shuffled together, so that every rule finds something and
// replacements meet each other.
std::string ChatFor(const std::vector<Rule>& rules, unsigned seed, size_t size) {
  static const char* const kChat[] = {
      "Hello there, friend! ", "I want to buy a sword. ", "Where is the bank? ", "Thanks, see you later. ",
      "Kill the dragon with fire! ", "What time is it? ", "My armour is broken, I need a smith. ",
      "Do you want to go to Britain? ", "That's a lot of gold, isn't it? ", "I will be back soon.\n",
  };
  Generator generate(seed);
  std::string text;
  while (text.size() < size) {
    if (generate.Below(2) == 0) {
      text += kChat[generate.Below(10)];
      continue;
    }
    const Rule& rule = rules[static_cast<size_t>(generate.Below(static_cast<int>(rules.size())))];
    if (rule.alternatives.empty()) continue;
    std::string phrase = rule.alternatives[static_cast<size_t>(generate.Below(static_cast<int>(rule.alternatives.size())))];
    if (!phrase.empty() && phrase.back() == ' ') phrase.back() = generate.Pick(" .!?,");
    text += phrase + generate.Pick("  .\n");
  }
  return PrepareForTranslation(text);
}

// Whole texts with game command lines among the speech, through the Translate command's steps, against
// the plain walk taught the same rule.
TEST(Differential, TextsWithGameCommandLines) {
  const char* const commands[] = {"[bank", "[go britain  ", ".resync", ".Tele", "[", ". . .", "[5 gold", " [guild"};
  for (unsigned seed = 0; seed < 500; ++seed) {
    Generator generate(seed);
    const std::vector<std::string> strings = GeneratedRules(generate);
    const RuleTable rules = test::MakeRules(strings);
    std::string text;
    for (int n = generate.Below(6) + 1; n > 0; --n) {
      text += generate.Below(2) == 0 ? std::string(commands[generate.Below(8)]) : generate.Text(40);
      if (n > 1 || generate.Below(2) == 0) text += generate.Below(3) == 0 ? "\r\n" : "\n";
    }
    Translator engine;
    engine.StyleBase = test::kTestBase;
    engine.RandomSeed = seed * 7919u;
    Translator plain = engine;
    const std::string expected = oracle::LiteralTranslateKeepingCommands(plain, text, rules);
    const std::string context = "generator seed " + std::to_string(seed) + "\n" + Describe(strings, text);
    CompiledStyle style(rules, test::kTestBase);
    ASSERT_EQ(TranslateText(style, engine, text, GameCommands::LeaveAlone, [] { return true; }), expected) << context;
    ASSERT_EQ(engine.RandomSeed, plain.RandomSeed) << context;
  }
}

TEST(Differential, ShippedStyles) {
  int styles = 0;
  for (const SpeechStyle& style : kSpeechStyles) {
    if (style.base == 0) continue;
    const std::vector<Rule> rules = ReadRuleSet(ShippedRules(), style.base);
    if (rules.empty()) continue;
    ++styles;
    for (unsigned seed = 0; seed < 2; ++seed) {
      ExpectSameAsPlainWalk(ShippedRules(), style.base, ChatFor(rules, seed, 5000), seed * 12345u,
                            std::string(style.caption) + ", text seed " + std::to_string(seed));
    }
  }
  if (styles == 0) GTEST_SKIP() << "no shipped rule files in this build";
}

}  // namespace
}  // namespace kestrelle
