#pragma once
// What the magic words on an armour piece's name mean: the armour class and hit point modifier groups,
// the description the armour magic lookup shows, and the odds of finding such a piece.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reference/magic_modifier.h"

namespace kestrelle {

// The choice in each group: an index into the group's words, or kNoModifier.
struct TArmourMagicChoice {
  int ArmourClass = kNoModifier;
  int HitPoints = kNoModifier;
};

// Both bonuses are (index + 1) × 5.
extern const std::array<TStartModifier, 5> kArmourClassModifiers;
extern const std::array<TFactorModifier, 5> kArmourHitPointModifiers;

// N of "1 in N" for the choice. Throws std::out_of_range for an index outside its group.
std::int64_t ArmourMagicOdds(const TArmourMagicChoice& choice);

// The description's lines: the piece's full name from its category and item ("Plate", "Breast Plate"),
// a sentence for each chosen modifier, the odds.
std::vector<std::string> ArmourMagicDescription(const TArmourMagicChoice& choice, std::string_view category,
                                                std::string_view item);

}  // namespace kestrelle
