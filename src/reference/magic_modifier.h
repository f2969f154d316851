#pragma once
// What the weapon and armour magic lookups share: a group's choice is an index into its modifiers, or
// kNoModifier; the groups are tables of structures whose Word is what the group's radio items show.
#include <cstddef>
#include <string>
#include <vector>

namespace kestrelle {

inline constexpr int kNoModifier = -1;

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
