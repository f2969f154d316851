#pragma once
// What the weapon and armour magic lookups share: a group's choice is an index into its modifiers, or
// kNoModifier; the groups are tables of structures whose Word is what the group's radio items show.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "reference/magic_odds.h"

namespace kestrelle {

inline constexpr int kNoModifier = -1;

// A modifier whose group sets the chance the odds start from (a weapon's skill, an armour's class).
struct TStartModifier {
  const char* Word;
  std::uint32_t StartPercent;
};

// A modifier whose chance factor multiplies the odds.
struct TFactorModifier {
  const char* Word;
  TDecimal Factor;
};

inline bool IsChosen(int index) { return index != kNoModifier; }

// The chosen modifier of a group; throws std::out_of_range for an index outside it.
template <typename Group>
const auto& ModifierAt(const Group& group, int index) {
  return group.at(static_cast<std::size_t>(index));
}

// The words of a group, in order.
template <typename Group>
std::vector<std::string> ModifierWords(const Group& group) {
  std::vector<std::string> words;
  for (const auto& modifier : group) words.emplace_back(modifier.Word);
  return words;
}

}  // namespace kestrelle
