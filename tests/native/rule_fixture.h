#pragma once
// Small rule tables for the translator tests, and the engine reached as the Translate command and the
// filter reach it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "speech/compiled_style.h"
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

// The rules of translator's style applied to text as it is (neither prepared nor finished), through a
// style compiled for this one text; nothing when between() asked to stop.
inline std::optional<std::string> Rewritten(const RuleStrings& rules, Translator& translator, std::string text,
                                            const BetweenAlternatives& between = {}) {
  CompiledStyle style(rules, translator.StyleBase);
  std::string rewritten;
  const auto add = [&rewritten](std::string_view piece) { rewritten += piece; };
  if (!style.Rewrite(std::move(text), translator, between, add)) return std::nullopt;
  return rewritten;
}

// Rewrites with a fresh generator (seed 0) and the rules at kTestBase.
inline std::string TranslateWith(const std::vector<std::string>& strings, const std::string& text) {
  Translator translator;
  translator.StyleBase = kTestBase;
  return *Rewritten(MakeRules(strings), translator, text);
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
