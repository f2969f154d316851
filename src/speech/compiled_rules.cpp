#include "speech/compiled_rules.h"

#include <algorithm>

namespace kestrelle {

namespace {

constexpr char kWordEnders[] = {' ', '.', '!', '?', ','};

bool AllBlanks(std::string_view s) {
  return s.find_first_not_of(' ') == std::string_view::npos;
}

// The rules match the lower-cased text, where no capital letter is left.
bool HoldsCapital(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

}  // namespace

CompiledRules::CompiledRules(std::vector<Rule> rules)
    : rules_(std::move(rules)), automaton_([&] {
        for (size_t r = 0; r < rules_.size(); ++r) {
          for (const std::string& alternative : rules_[r].alternatives) {
            const int index = alternatives_++;
            // An empty alternative, or one with a capital letter, never occurs; one of blanks only would
            // match its own inserted blanks without end. They are left out.
            if (AllBlanks(alternative) || HoldsCapital(alternative)) continue;
            if (alternative.back() != ' ') {
              steps_.push_back({static_cast<int>(r), index, KeyOf(alternative), 0});
              continue;
            }
            std::string key = alternative;
            for (const char ender : kWordEnders) {
              key.back() = ender;
              steps_.push_back({static_cast<int>(r), index, KeyOf(key), ender});
            }
          }
        }
        for (size_t s = 0; s < steps_.size(); ++s) stepsOfKey_[steps_[s].key].push_back(static_cast<int>(s));
        longestKeyAfter_.assign(steps_.size() + 1, 0);
        for (size_t s = steps_.size(); s-- > 0;) {
          longestKeyAfter_[s] = std::max(longestKeyAfter_[s + 1], keys_[steps_[s].key].size());
        }
        return PatternAutomaton(keys_);
      }()) {}

int CompiledRules::KeyOf(const std::string& key) {
  const auto [found, added] = keyIds_.try_emplace(key, static_cast<int>(keys_.size()));
  if (!added) return found->second;
  keys_.push_back(key);
  stepsOfKey_.emplace_back();
  return static_cast<int>(keys_.size() - 1);
}

int CompiledRules::NextStepOf(int key, int step) const {
  const std::vector<int>& steps = stepsOfKey_[key];
  const auto next = std::upper_bound(steps.begin(), steps.end(), step);
  return next == steps.end() ? -1 : *next;
}

}  // namespace kestrelle
