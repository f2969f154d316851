#include "speech/translator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "rule_fixture.h"
#include "speech/text_preparation.h"
#include "speech/text_tools.h"

namespace kestrelle {
namespace {

using test::CountingRules;
using test::kTestBase;
using test::MakeRules;
using test::Rewritten;
using test::TranslateWith;

TEST(RandomGenerator, FirstDrawsFromSeedZero) {
  Translator translator;
  const std::uint32_t seeds[] = {1u, 134775814u, 3698175007u, 870078620u};
  const std::uint32_t below100[] = {0, 3, 86, 20};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(translator.RandomBelow(100), below100[i]) << "draw " << i;
    EXPECT_EQ(translator.RandomSeed, seeds[i]) << "draw " << i;
  }
  EXPECT_EQ(translator.RandomBelow(1), 0u);
  EXPECT_EQ(translator.RandomBelow(0xFFFFFFFFu), translator.RandomSeed - 1) << "high half of seed * n";
}

TEST(ExpandMacros, LiteralTextEchoAndUnknownPercent) {
  struct Case {
    const char* replacement;
    const char* echo;
    const char* expected;
  };
  const Case cases[] = {
      {" thuh ", "the ", " thuh "},
      {"%ECHO", " the.", " the."},
      {"[%ECHO|%ECHO]", "x", "[x|x]"},
      {"100% sure", "", "100% sure"},  // a '%' that begins no macro is copied and consumed
      {"%ECH%ECHO", "e", "%ECHe"},
      {"%%ECHO%", "e", "%e%"},
      {"%random(a)", "", "%random(a)"},
  };
  for (const Case& c : cases) {
    Translator translator;
    EXPECT_EQ(translator.ExpandMacros(c.replacement, c.echo), c.expected) << c.replacement;
    EXPECT_EQ(translator.RandomSeed, 0u) << "no draw for " << c.replacement;
  }
}

TEST(ExpandMacros, RandomDrawsOnceEvenWithoutChoice) {
  struct Case {
    const char* replacement;
    const char* expected;
    int draws;
  };
  const Case cases[] = {
      {"%RANDOM()", "", 1},
      {"a%RANDOM()b", "ab", 1},
      {"%RANDOM(only)", "only", 1},
      {"%RANDOM(%ECHO)!", "echo!", 1},
      {"%RANDOM(x", "x", 1},      // no ')': an empty argument, and the rest follows as it is
      {"%RANDOM(a|b", "a|b", 1},
      {"%RANDOM()%RANDOM()", "", 2},
  };
  for (const Case& c : cases) {
    Translator translator;
    Translator reference;
    EXPECT_EQ(translator.ExpandMacros(c.replacement, "echo"), c.expected) << c.replacement;
    for (int i = 0; i < c.draws; ++i) reference.RandomBelow(1);
    EXPECT_EQ(translator.RandomSeed, reference.RandomSeed) << c.replacement;
  }
}

TEST(ExpandMacros, AlternativesFollowTheDraw) {
  // "a||b" has three alternatives, one of them empty.
  std::set<std::string> seen;
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    Translator translator;
    translator.RandomSeed = seed;
    Translator reference = translator;
    const char* const alternatives[] = {"<a>", "<>", "<b>"};
    const std::string result = translator.ExpandMacros("<%RANDOM(a||b)>", "");
    EXPECT_EQ(result, alternatives[reference.RandomBelow(3)]) << "seed " << seed;
    seen.insert(result);
  }
  EXPECT_EQ(seen.size(), 3u);
}

TEST(ExpandMacros, NestedRandomIsCutAtTheFirstParenthesis) {
  // Alternatives 'a', 'b%RANDOM(c' and 'd'; the inner macro has no ')' and yields nothing (one more draw).
  std::set<std::string> seen;
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    Translator translator;
    translator.RandomSeed = seed;
    Translator reference = translator;
    const std::string result = translator.ExpandMacros("%RANDOM(a|b%RANDOM(c|d)|e)x", "");
    const std::uint32_t choice = reference.RandomBelow(3);
    const char* const expected[] = {"a|e)x", "bc|e)x", "d|e)x"};
    EXPECT_EQ(result, expected[choice]) << "seed " << seed;
    if (choice == 1) reference.RandomBelow(1);
    EXPECT_EQ(translator.RandomSeed, reference.RandomSeed) << "seed " << seed;
    seen.insert(result);
  }
  EXPECT_EQ(seen.size(), 3u);
}

TEST(Translate, WordBoundariesAndMarking) {
  struct Case {
    const char* name;
    std::vector<std::string> rules;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"shared blank", {" the ", " thuh ", "%STOP"}, " the the ", " thuh thuh "},
      {"word ender", {" the ", " thuh ", "%STOP"}, "see the. ", "see thuh. "},
      {"all enders", {" the ", " thuh ", "%STOP"}, "x the! the? the, the. the ", "x thuh! thuh? thuh, thuh. thuh "},
      {"no blank before the first word", {" the ", " thuh ", "%STOP"}, "the end ", "the end "},
      {"a line break is not a blank", {" the ", " thuh ", "%STOP"}, "a\nthe end ", "a\nthe end "},
      {"inserted text is never matched again", {" a", " an a", "%STOP"}, " a b ", " an a b "},
      {"later rules skip inserted text", {" a", " an a", "an", "XX", "%STOP"}, " a xan ", " an a xXX "},
      {"inserted blanks stay matchable", {" a", " an a", "%STOP"}, " a an ", " an a an an "},
      {"inside words", {"ing", "in'", "%STOP"}, "singing ", "sin'in' "},
      {"alternatives in order", {"b|ab", "1", "%STOP"}, "ab ", "a1 "},
      {"'|' at the end adds nothing", {"abc|", "X", "%STOP"}, "abc ", "X "},
      {"empty alternative never matches", {"|q||", "X", "%STOP"}, "a q ", "a X "},
      {"empty pattern changes nothing", {"", "X", "z", "Z", "%STOP"}, "z ", "Z "},
      {"empty replacement joins the rest", {"b", "", "aa", "X", "%STOP"}, "abba ", "X "},
      {"replacement emptied by the ender", {"hi ", "", "%STOP"}, "oh hi. hi ", "oh  "},
      {"one-character replacement takes the ender", {" no ", "x", "%STOP"}, "say no. ", "say. "},
      {"echo shields the phrase", {"complete the |complete it ", "%ECHO", "the", "XX", "%STOP"},
       "complete the. the ", "complete the. XX "},
      {"the text matches lowered, a pattern's capital never", {" Do you", "X", "do", "did", "%STOP"}, "Do you DO you ",
       "did you did you "},
      {"blank-only alternative is skipped", {" |x", "y", "  |", "z", "%STOP"}, "a x  b ", "a y  b "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TranslateWith(c.rules, c.text), c.expected) << c.name;
  }
}

TEST(Translate, WordEnderChangesTheWorkingCopy) {
  // The '.' occurrence turns "x )" into "x.)" for the rest of the rule: the '!' occurrence, and the next
  // alternative, still see the changed copy; a fresh copy would give "x!z!".
  Translator translator;
  translator.StyleBase = kTestBase;
  const RuleTable rules = MakeRules({"w |v ", "%RANDOM(x )z ", "%STOP"});
  EXPECT_EQ(*Rewritten(rules, translator, "w. w! v? "), "x.z. x.z! x.z? ");
  Translator reference;
  for (int i = 0; i < 3; ++i) reference.RandomBelow(1);
  EXPECT_EQ(translator.RandomSeed, reference.RandomSeed);
  // A blank ender or a replacement without %RANDOM and ')' keeps the copy as it is.
  EXPECT_EQ(TranslateWith({"w ", "x |y ", "%STOP"}, "w. w "), "x |y. x |y ");
}

TEST(Translate, FillerAfterWordEnder) {
  // " won't be" with its ender kept, then one of seven fillers, each now ending in the ender.
  const std::vector<std::string> rule = {
      " won't be | will be ", "%ECHO%RANDOM(like, ya know, ||like wow, |ya know, like, |wow, like, |totally like |)",
      "%STOP"};
  const char* const fillers[] = {"like, ya know,.", "", "like wow,.", "ya know, like,.", "wow, like,.", "totally like.", ""};
  std::set<std::string> seen;
  for (std::uint32_t seed = 0; seed < 60; ++seed) {
    Translator translator;
    translator.StyleBase = kTestBase;
    translator.RandomSeed = seed;
    Translator reference = translator;
    const std::string result = *Rewritten(MakeRules(rule), translator, "it won't be. ");
    EXPECT_EQ(result, std::string("it won't be.") + fillers[reference.RandomBelow(7)] + " ") << "seed " << seed;
    seen.insert(result);
  }
  EXPECT_EQ(seen.size(), 6u);
}

TEST(Translate, EveryOccurrenceDrawsAnew) {
  Translator translator;
  translator.StyleBase = kTestBase;
  Translator reference;
  const std::string result = *Rewritten(MakeRules({"q", "%RANDOM(a|b|c|d)", "%STOP"}), translator, "q q q q ");
  std::string expected;
  for (int i = 0; i < 4; ++i) expected += std::string(1, static_cast<char>('a' + reference.RandomBelow(4))) + " ";
  EXPECT_EQ(result, expected);
}

TEST(Translate, EmptyRandomStillDraws) {
  Translator translator;
  translator.StyleBase = kTestBase;
  EXPECT_EQ(*Rewritten(MakeRules({"q", "%RANDOM()", "%STOP"}), translator, "qq"), "");
  Translator reference;
  reference.RandomBelow(1);
  reference.RandomBelow(1);
  EXPECT_EQ(translator.RandomSeed, reference.RandomSeed);
}

TEST(Translate, EndMarker) {
  // Only the exact "%STOP" ends the list; "%stop" is an ordinary pattern and " %STOP" can never match.
  EXPECT_EQ(TranslateWith({"%stop", "X", " %STOP", "Y", "a", "b", "%STOP", "c", "d"}, "%stop a c "), "X b c ");
  const RuleTable rules = MakeRules({"a", "b", "%STOP", "c", "d"});
  CountingRules counting(rules);
  Translator translator;
  translator.StyleBase = kTestBase;
  EXPECT_EQ(*Rewritten(counting, translator, "a c "), "b c ");
  EXPECT_EQ(std::count(counting.ids.begin(), counting.ids.end(), 1004), 0) << "the slot after the marker";
}

TEST(Translate, WithoutEndMarkerTheStyleEndsBelowItsNextThousand) {
  const RuleTable rules = MakeRules({"a", "b"});
  CountingRules counting(rules);
  Translator translator;
  translator.StyleBase = kTestBase;
  EXPECT_EQ(*Rewritten(counting, translator, "a "), "b ");
  EXPECT_EQ(*std::max_element(counting.ids.begin(), counting.ids.end()), kTestBase + 999);
}

TEST(Translate, NormalStyleReadsNothingAndChangesNothing) {
  const RuleTable rules = MakeRules({"a", "b", "%STOP"});
  CountingRules counting(rules);
  Translator translator;
  const std::string text = "a \xe9\x80\xff ";
  EXPECT_EQ(*Rewritten(counting, translator, text), text);
  EXPECT_TRUE(counting.ids.empty());
}

TEST(Translate, EightBitCharactersComeBackUnchanged) {
  // The text's own 8-bit characters are kept (UTF-8 too), and an inserted one never matches again.
  EXPECT_EQ(TranslateWith({"x", "\xe9", "i", "I", "%STOP"}, "xi caf\xc3\xa9 "), "\xe9I caf\xc3\xa9 ");
  EXPECT_EQ(TranslateWith({" the ", " thuh ", "%STOP"}, "\xe9 the \xe0 "), "\xe9 thuh \xe0 ");
}

TEST(Translate, LongTextIsTranslatedWhole) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += " the end";
  text += ' ';
  std::string expected;
  for (int i = 0; i < 100000; ++i) expected += " thuh end";
  expected += ' ';
  EXPECT_EQ(TranslateWith({" the ", " thuh ", "%STOP"}, text), expected);
}

TEST(Translate, HookRunsBetweenAlternativesAndCanStop) {
  const RuleTable rules = MakeRules({"a|b|c", "x", "d", "y", "%STOP"});
  Translator translator;
  translator.StyleBase = kTestBase;
  int calls = 0;
  EXPECT_EQ(Rewritten(rules, translator, "abcd ", [&] { return ++calls > 0; }), std::optional<std::string>("xxxy "));
  EXPECT_EQ(calls, 4);
  calls = 0;
  EXPECT_EQ(Rewritten(rules, translator, "abcd ", [&] { return ++calls < 2; }), std::nullopt);
  EXPECT_EQ(calls, 2);
}

TEST(Translate, EmptyTextEndsTheWork) {
  const RuleTable rules = MakeRules({"a", "", "b", "c", "%STOP"});
  Translator translator;
  translator.StyleBase = kTestBase;
  int calls = 0;
  EXPECT_EQ(Rewritten(rules, translator, "a", [&] { return ++calls > 0; }), std::optional<std::string>(""));
  EXPECT_EQ(calls, 1);
}

TEST(TextPreparation, PiecesAreFinishedAsTheWholeText) {
  // Long enough to be written in a few dozen parts, which begin and end at all kinds of characters: an
  // "i" whose neighbours decide, blanks that wait for what follows them, and runs of blanks longer than
  // the writer holds (a rule that deletes words leaves them), inside the text and at its end.
  std::string mixed;
  for (int i = 0; i < 80000; ++i) mixed += i % 3 == 0 ? "so i think it is. i  " : "then\n i, it ";
  const std::string blanks(200000, ' ');
  for (const std::string& text : {mixed + "   ", "i" + blanks + "i said." + blanks + "x. i" + blanks, blanks}) {
    std::string expected = text;
    CapitaliseSentences(expected);
    expected.erase(expected.find_last_not_of(' ') + 1);
    std::string written;
    FinishedTextWriter writer([&](std::string_view piece) { written += piece; });
    for (size_t at = 0, size = 1; at < text.size(); at += size, size = size % 7 + 1) {
      writer.Add(std::string_view(text).substr(at, size));
    }
    writer.End();
    EXPECT_EQ(written, expected) << text.size();
  }
}

TEST(TextPreparation, AppendsAndFinishes) {
  EXPECT_EQ(PrepareForTranslation("HELLO World\r\n\xc9"), "HELLO World\r\n\xc9 ");
  for (const auto& [text, finished] : {std::pair{"hello. i think  \n  ", "Hello. I think  \n"}, std::pair{"   ", ""}}) {
    std::string written;
    FinishedTextWriter writer([&](std::string_view piece) { written += piece; });
    writer.Add(text);
    writer.End();
    EXPECT_EQ(written, finished) << text;
  }
}

}  // namespace
}  // namespace kestrelle
