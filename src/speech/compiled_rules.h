#pragma once
// A style's rules made ready for the rewrite engine: every rule alternative (and, for one that ends in a
// blank, each of its word enders) is a step with a search key, and one automaton finds every key. Made once
// per style and kept for all texts (see CompiledStyle).
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "speech/pattern_automaton.h"
#include "speech/rule_set.h"

namespace kestrelle {

class CompiledRules {
 public:
  explicit CompiledRules(std::vector<Rule> rules);

  struct Step {
    int rule;
    int alternative;  // counted over the alternatives of all rules
    int key;
    char ender;  // the word ender that replaces the alternative's last blank, or 0
  };

  const std::vector<Rule>& Rules() const { return rules_; }
  // In the order they run; an alternative that can never match or would never end has none.
  const std::vector<Step>& Steps() const { return steps_; }
  int AlternativeCount() const { return alternatives_; }

  size_t KeyCount() const { return keys_.size(); }
  const std::string& Key(int key) const { return keys_[key]; }
  // The longest key that a step after `step` searches for; 0 when there is none.
  size_t LongestKeyAfter(int step) const { return longestKeyAfter_[static_cast<size_t>(step) + 1]; }
  // The first step after `step` that searches for key, or -1; FirstStepOf(key) is NextStepOf(key, -1).
  int NextStepOf(int key, int step) const;
  const PatternAutomaton& Automaton() const { return automaton_; }

 private:
  int KeyOf(const std::string& key);

  std::vector<Rule> rules_;
  std::vector<Step> steps_;
  int alternatives_ = 0;
  std::vector<std::string> keys_;
  std::unordered_map<std::string, int> keyIds_;
  std::vector<std::vector<int>> stepsOfKey_;  // per key, ascending
  std::vector<size_t> longestKeyAfter_;  // [s + 1]: for step s; [0]: of all steps
  PatternAutomaton automaton_;
};

}  // namespace kestrelle
