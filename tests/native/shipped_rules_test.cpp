// Invariants of the shipped rule files (resources/rules), and the compiled-in copy the native build reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "speech/rule_file.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"

namespace kestrelle {
namespace {

struct ShippedStyle {
  std::string_view name;
  int base;
  size_t rules;
};
void PrintTo(const ShippedStyle& style, std::ostream* out) {
  *out << style.name;
}
constexpr ShippedStyle kShipped[] = {{"valley-girl", 1000, 86}, {"jive-talk", 2000, 118}, {"courtly", 3000, 263}};

class ShippedRuleFile : public ::testing::TestWithParam<ShippedStyle> {
 protected:
  void SetUp() override {
    const auto path = std::filesystem::path(KESTRELLE_SOURCE_DIR) / "resources/rules" / (std::string(GetParam().name) + ".rules");
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not in this tree yet";
    strings_ = ReadRuleFile(path);
  }
  const std::string& Pattern(size_t rule) const { return strings_[2 * rule]; }
  const std::string& Replacement(size_t rule) const { return strings_[2 * rule + 1]; }
  std::string Where(size_t rule) const {
    return std::string(GetParam().name) + " rule " + std::to_string(rule) + " (ids " +
           std::to_string(GetParam().base + 1 + 2 * rule) + "/" + std::to_string(GetParam().base + 2 + 2 * rule) +
           "): \"" + Pattern(rule) + "\" -> \"" + Replacement(rule) + "\"";
  }

  std::vector<std::string> strings_;
};

// The characters an expansion of a replacement may end with; '\0' stands for an empty expansion. The
// echo is a word-end alternative, which ends in a blank.
std::set<char> PossibleEnds(std::string_view t) {
  // Split into pieces as the macro expansion reads them, then take the last piece that is not empty.
  std::vector<std::set<char>> pieces;
  while (!t.empty()) {
    const size_t percent = t.find('%');
    if (percent != 0) {
      const std::string_view literal = t.substr(0, percent);
      pieces.push_back({literal.back()});
      t.remove_prefix(literal.size());
    } else if (t.starts_with("%ECHO")) {
      pieces.push_back({' '});
      t.remove_prefix(5);
    } else if (t.starts_with("%RANDOM(")) {
      t.remove_prefix(8);
      const size_t close = t.find(')');
      std::string_view argument = close == std::string_view::npos ? std::string_view() : t.substr(0, close);
      std::set<char> ends;
      for (;;) {
        const size_t bar = argument.find('|');
        const std::set<char> alternative = PossibleEnds(argument.substr(0, bar));
        ends.insert(alternative.begin(), alternative.end());
        if (bar == std::string_view::npos) break;
        argument.remove_prefix(bar + 1);
      }
      pieces.push_back(ends);
      if (close != std::string_view::npos) t.remove_prefix(close + 1);
    } else {
      pieces.push_back({'%'});
      t.remove_prefix(1);
    }
  }
  std::set<char> ends = {'\0'};
  for (auto piece = pieces.rbegin(); piece != pieces.rend() && ends.count('\0') != 0; ++piece) {
    ends.erase('\0');
    ends.insert(piece->begin(), piece->end());
  }
  return ends;
}

TEST(ShippedRuleInvariants, PossibleEndsOfAReplacement) {
  EXPECT_EQ(PossibleEnds(" thuh "), std::set<char>{' '});
  EXPECT_EQ(PossibleEnds("%ECHO%RANDOM(like |)"), std::set<char>{' '});
  EXPECT_EQ(PossibleEnds("%RANDOM(a |b)"), (std::set<char>{' ', 'b'}));
  EXPECT_EQ(PossibleEnds("%RANDOM(a |)"), (std::set<char>{' ', '\0'}));
  EXPECT_EQ(PossibleEnds(""), std::set<char>{'\0'});
}

TEST_P(ShippedRuleFile, CountsAndIds) {
  // The reader ends the list at the first "%STOP", so this also puts the end marker at its id.
  EXPECT_EQ(strings_.size(), 2 * GetParam().rules + 1) << "rules, then \"%STOP\"";
}

TEST_P(ShippedRuleFile, TextIsSevenBitAndEveryPercentBeginsAMacro) {
  for (size_t rule = 0; 2 * rule + 1 < strings_.size(); ++rule) {
    for (const std::string* s : {&Pattern(rule), &Replacement(rule)}) {
      for (const char c : *s) EXPECT_TRUE(c >= 32 && c < 127) << Where(rule) << ": character code " << int(c);
    }
    EXPECT_EQ(Pattern(rule).find('%'), std::string::npos) << Where(rule);
    const std::string& r = Replacement(rule);
    for (size_t p = r.find('%'); p != std::string::npos; p = r.find('%', p + 1)) {
      const std::string_view rest = std::string_view(r).substr(p);
      EXPECT_TRUE(rest.starts_with("%ECHO") || rest.starts_with("%RANDOM(")) << Where(rule) << " at " << p;
    }
  }
}

TEST_P(ShippedRuleFile, EveryRuleCanFire) {
  for (size_t rule = 0; 2 * rule + 1 < strings_.size(); ++rule) {
    const std::string& pattern = Pattern(rule);
    EXPECT_FALSE(pattern.empty()) << Where(rule);
    for (const char c : pattern) EXPECT_FALSE(c >= 'A' && c <= 'Z') << Where(rule) << ": capital letter";
    EXPECT_EQ(pattern.find("||"), std::string::npos) << Where(rule) << ": empty alternative";
    EXPECT_NE(pattern.front(), '|') << Where(rule) << ": empty alternative";
  }
}

TEST_P(ShippedRuleFile, WordEndReplacementsEndInABlank) {
  for (size_t rule = 0; 2 * rule + 1 < strings_.size(); ++rule) {
    const std::string& pattern = Pattern(rule);
    const bool wordEnd = pattern.ends_with(' ') || pattern.find(" |") != std::string::npos;
    if (wordEnd) EXPECT_EQ(PossibleEnds(Replacement(rule)), std::set<char>{' '}) << Where(rule);
  }
}

TEST_P(ShippedRuleFile, CompiledInCopyReadsTheSame) {
  const RuleStrings& shipped = ShippedRules();
  const int base = GetParam().base;
  for (size_t i = 0; i < strings_.size(); ++i) {
    EXPECT_EQ(shipped.Read(base + 1 + static_cast<int>(i)), strings_[i]) << "id " << base + 1 + i;
  }
  EXPECT_EQ(shipped.Read(base + 1 + static_cast<int>(strings_.size())), "") << "after the end marker";
}

INSTANTIATE_TEST_SUITE_P(Styles, ShippedRuleFile, ::testing::ValuesIn(kShipped),
                         [](const auto& info) {
                           std::string name(info.param.name);
                           std::erase(name, '-');
                           return name;
                         });

TEST(ShippedRuleInvariants, ExampleRulesArePresent) {
  struct Example {
    int base;
    const char* pattern;
    const char* replacement;
  };
  const Example examples[] = {
      {1000, " the ", " thuh "},
      {1000, " won't be | will be ", "%ECHO%RANDOM(like, ya know, ||like wow, |ya know, like, |wow, like, |totally like |)"},
      {1000, " armour| armor",
       "%RANDOM(%ECHO|%ECHO|%ECHO|%ECHO|%ECHO| like totally Medieval protective clothes|%ECHO|%ECHO| thut like metal skin stuff|%ECHO|%ECHO)"},
      {2000, " file", " stash"},
      {3000, " over there", " yonder"},
      {3000, "what time is it?|what is the time?",
       "%RANDOM(how farest the hour|how doth the hour farest|couldst doth state the hour|how stands the hour|how doth the hour stand)"},
      {3000, "was in there", "%ECHO"},
  };
  for (const Example& example : examples) {
    if (ShippedRules().Read(example.base + 1).empty()) continue;  // that style's rule file is not in this tree
    bool found = false;
    for (int id = example.base + 1; id < example.base + 1000 && !found; id += 2) {
      found = ShippedRules().Read(id) == example.pattern && ShippedRules().Read(id + 1) == example.replacement;
    }
    EXPECT_TRUE(found) << example.pattern;
  }
}

}  // namespace
}  // namespace kestrelle
