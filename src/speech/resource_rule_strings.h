#pragma once
// Rule strings read from the string table of the program's own module.
#include "speech/rule_strings.h"

namespace kestrelle {

class ResourceRuleStrings final : public RuleStrings {
 public:
  // LoadStringA into a 1024-byte buffer: at most 1023 characters of a string count.
  std::string Read(int id) const override;
};

}  // namespace kestrelle
