#pragma once
// "Read rule string by id": the one way the engine reaches a style's rules. The program reads them from
// its string-table resources; the native build and user rule files from parsed rule files.
#include <string>
#include <unordered_map>
#include <vector>

namespace kestrelle {

class RuleStrings {
 public:
  virtual ~RuleStrings() = default;
  // The string with this id, or the empty string when there is none.
  virtual std::string Read(int id) const = 0;
};

// Rule strings held in memory, filled from parsed rule files.
class RuleTable final : public RuleStrings {
 public:
  // strings[i] gets the id base + 1 + i, as in a rule file.
  void AddStyle(int base, const std::vector<std::string>& strings);
  void Set(int id, std::string text);
  std::string Read(int id) const override;

 private:
  std::unordered_map<int, std::string> strings_;
};

}  // namespace kestrelle
