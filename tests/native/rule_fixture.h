#pragma once
// Small rule tables for the translator tests.
#include <string>
#include <vector>

#include "speech/rule_strings.h"
#include "speech/translator.h"

namespace kestrelle::test {

inline constexpr int kTestBase = 1000;

// Strings at ids 1001, 1002, ... as a rule file would give them.
inline RuleTable MakeRules(const std::vector<std::string>& strings) {
  RuleTable rules;
  rules.AddStyle(kTestBase, strings);
  return rules;
}

// Translates with a fresh engine (seed 0) and the rules at kTestBase.
inline std::string TranslateWith(const std::vector<std::string>& strings, const std::string& text) {
  Translator translator;
  translator.StyleBase = kTestBase;
  return translator.Translate(text, MakeRules(strings));
}

// Records which ids were read.
class CountingRules final : public RuleStrings {
 public:
  explicit CountingRules(const RuleStrings& inner) : inner_(inner) {}
  std::string Read(int id) const override {
    ids.push_back(id);
    return inner_.Read(id);
  }
  mutable std::vector<int> ids;

 private:
  const RuleStrings& inner_;
};

}  // namespace kestrelle::test
