#pragma once
// The rules of the three shipped styles, read by id: from the program's string table on Windows, from
// rule data compiled in from the same rule files elsewhere.
#include "speech/rule_strings.h"

namespace kestrelle {

const RuleStrings& ShippedRules();

}  // namespace kestrelle
