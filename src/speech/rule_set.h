#pragma once
// A style's rules as the engine applies them, read by id from the rule strings.
#include <string>
#include <vector>

#include "speech/rule_strings.h"

namespace kestrelle {

struct Rule {
  // The pattern split at every '|', in order: "a||b" gives "a", "" and "b"; a '|' at the end adds nothing.
  std::vector<std::string> alternatives;
  std::string replacement;
};

// Rules from id base + 1 on, up to the pattern that is exactly "%STOP". A list without its end marker
// ends where the style's ids do, below base + 1000.
std::vector<Rule> ReadRuleSet(const RuleStrings& strings, int base);

}  // namespace kestrelle
