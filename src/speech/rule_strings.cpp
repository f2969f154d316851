#include "speech/rule_strings.h"

namespace kestrelle {

void RuleTable::AddStyle(int base, const std::vector<std::string>& strings) {
  for (size_t i = 0; i < strings.size(); ++i) {
    Set(base + 1 + static_cast<int>(i), strings[i]);
  }
}

void RuleTable::Set(int id, std::string text) {
  strings_[id] = std::move(text);
}

std::string RuleTable::Read(int id) const {
  const auto found = strings_.find(id);
  return found == strings_.end() ? std::string() : found->second;
}

}  // namespace kestrelle
