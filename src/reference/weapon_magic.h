#pragma once
// What the magic words on a weapon's name mean: the four modifier groups, the description the weapon
// magic lookup shows, and the odds of finding such a weapon.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reference/magic_modifier.h"

namespace kestrelle {

// The choice in each group: an index into the group's words, or kNoModifier.
struct TWeaponMagicChoice {
  int Skill = kNoModifier;
  int Durability = kNoModifier;
  int Damage = kNoModifier;
  int Spell = kNoModifier;
};

struct TWeaponSpellModifier {
  const char* Word;
  const char* Spell;  // the spell the weapon casts
  TDecimal Factor;
};

// Skill bonus (index + 1) × 5, durability bonus (index + 1) × 10, damage bonus index + 1.
extern const std::array<TStartModifier, 5> kWeaponSkillModifiers;
extern const std::array<TFactorModifier, 5> kWeaponDurabilityModifiers;
extern const std::array<TFactorModifier, 5> kWeaponDamageModifiers;
extern const std::array<TWeaponSpellModifier, 10> kWeaponSpellModifiers;

// N of "1 in N" for the choice. Throws std::out_of_range for an index outside its group.
std::int64_t WeaponMagicOdds(const TWeaponMagicChoice& choice);

// The description's lines: the weapon's full name, a sentence for each chosen modifier, the odds.
// weaponName and skillName are shown as given ("Axe", "Swordsmanship").
std::vector<std::string> WeaponMagicDescription(const TWeaponMagicChoice& choice, std::string_view weaponName,
                                                std::string_view skillName);

}  // namespace kestrelle
