#include "speech/resource_rule_strings.h"

#include <windows.h>

#include "speech/shipped_rules.h"

namespace kestrelle {

std::string ResourceRuleStrings::Read(int id) const {
  char buffer[1024];
  const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

const RuleStrings& ShippedRules() {
  static const ResourceRuleStrings rules;
  return rules;
}

}  // namespace kestrelle
