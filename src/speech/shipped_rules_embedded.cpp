#include "speech/embedded_rules.h"
#include "speech/shipped_rules.h"

namespace kestrelle {

const RuleStrings& ShippedRules() {
  static const RuleTable rules = [] {
    RuleTable table;
    for (const EmbeddedRuleString* entry = kEmbeddedRuleStrings; entry->text != nullptr; ++entry) {
      table.Set(entry->id, std::string(entry->text, entry->length));
    }
    return table;
  }();
  return rules;
}

}  // namespace kestrelle
