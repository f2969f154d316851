#include "speech/rule_set.h"

#include "speech/rule_file.h"

namespace kestrelle {

namespace {

std::vector<std::string> SplitAlternatives(std::string_view pattern) {
  std::vector<std::string> alternatives;
  while (!pattern.empty()) {
    const size_t bar = pattern.find('|');
    alternatives.emplace_back(pattern.substr(0, bar));
    pattern.remove_prefix(bar == std::string_view::npos ? pattern.size() : bar + 1);
  }
  return alternatives;
}

}  // namespace

std::vector<Rule> ReadRuleSet(const RuleStrings& strings, int base) {
  std::vector<Rule> rules;
  for (int id = base + 1; id < base + 1000; id += 2) {
    const std::string pattern = strings.Read(id);
    if (pattern == kEndMarker || id + 1 >= base + 1000) break;
    rules.push_back({SplitAlternatives(pattern), strings.Read(id + 1)});
  }
  return rules;
}

}  // namespace kestrelle
