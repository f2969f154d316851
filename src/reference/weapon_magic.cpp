#include "reference/weapon_magic.h"

#include <cctype>

namespace kestrelle {

const std::array<TStartModifier, 5> kWeaponSkillModifiers{{
    {"Accurate", 18},
    {"Surpassingly Accurate", 9},
    {"Eminently Accurate", 5},
    {"Exceedingly Accurate", 3},
    {"Supremely Accurate", 1},
}};

const std::array<TFactorModifier, 5> kWeaponDurabilityModifiers{{
    {"Durable", {13, 100}},
    {"Substantial", {6, 10}},
    {"Massive", {3, 10}},
    {"Fortified", {2, 10}},
    {"Indestructible", {1, 10}},
}};

const std::array<TFactorModifier, 5> kWeaponDamageModifiers{{
    {"Ruin", {16, 100}},
    {"Might", {8, 10}},
    {"Force", {4, 10}},
    {"Power", {2, 10}},
    {"Vanquishing", {1, 10}},
}};

const std::array<TWeaponSpellModifier, 10> kWeaponSpellModifiers{{
    {"Clumsiness", "Clumsy", {1, 10}},
    {"Feeblemindedness", "Feeblemind", {1, 10}},
    {"Burning", "Magic Arrow", {1, 10}},
    {"Weakness", "Weakness", {1, 10}},
    {"Wounding", "Harm", {1, 10}},
    {"Ghoul's Touch", "Paralyze", {1, 10}},
    {"Daemon's Breath", "Fireball", {5, 100}},
    {"Evil", "Curse", {5, 100}},
    {"Mage's Bane", "Mana Drain", {5, 100}},
    {"Thunder", "Lightning", {2, 100}},
}};

namespace {

// "An" before a name that begins with a vowel letter, else "A".
std::string WithArticle(const std::string& name) {
  const char first = name.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  const bool vowel = first == 'A' || first == 'E' || first == 'I' || first == 'O' || first == 'U';
  return (vowel ? "An " : "A ") + name;
}

std::string FullName(const TWeaponMagicChoice& choice, std::string_view weaponName) {
  std::string name;
  if (IsChosen(choice.Skill)) name = ModifierAt(kWeaponSkillModifiers, choice.Skill).Word;
  if (IsChosen(choice.Durability)) {
    if (!name.empty()) name += " and ";
    name += ModifierAt(kWeaponDurabilityModifiers, choice.Durability).Word;
  }
  if (!name.empty()) name += " ";
  name += weaponName;
  if (IsChosen(choice.Damage)) name += std::string(" of ") + ModifierAt(kWeaponDamageModifiers, choice.Damage).Word;
  if (IsChosen(choice.Spell)) {
    name += IsChosen(choice.Damage) ? " and " : " of ";
    name += ModifierAt(kWeaponSpellModifiers, choice.Spell).Word;
  }
  return WithArticle(name) + ".";
}

}  // namespace

std::int64_t WeaponMagicOdds(const TWeaponMagicChoice& choice) {
  TMagicOdds odds(IsChosen(choice.Skill) ? ModifierAt(kWeaponSkillModifiers, choice.Skill).StartPercent : 100);
  if (IsChosen(choice.Durability)) odds.MultiplyBy(ModifierAt(kWeaponDurabilityModifiers, choice.Durability).Factor);
  if (IsChosen(choice.Damage)) odds.MultiplyBy(ModifierAt(kWeaponDamageModifiers, choice.Damage).Factor);
  if (IsChosen(choice.Spell)) odds.MultiplyBy(ModifierAt(kWeaponSpellModifiers, choice.Spell).Factor);
  return odds.OneIn();
}

std::vector<std::string> WeaponMagicDescription(const TWeaponMagicChoice& choice, std::string_view weaponName,
                                                std::string_view skillName) {
  std::vector<std::string> lines{FullName(choice, weaponName)};
  if (IsChosen(choice.Skill)) {
    lines.push_back("This weapon will increase your " + std::string(skillName) + " skill by " +
                    std::to_string((choice.Skill + 1) * 5) + " when used.");
  }
  if (IsChosen(choice.Durability)) {
    lines.push_back("This weapons durablity (hit points) points are " + std::to_string((choice.Durability + 1) * 10) +
                    " points higher than normal.");
  }
  if (IsChosen(choice.Damage)) {
    lines.push_back("This weapon will give an extra " + std::to_string(choice.Damage + 1) + " points damage each hit.");
  }
  if (IsChosen(choice.Spell)) {
    lines.push_back("This " + std::string(weaponName) + " may cast a " + ModifierAt(kWeaponSpellModifiers, choice.Spell).Spell +
                    " spell on any foe it hits.");
  }
  lines.push_back("The odds of this weapon having these properties are 1 in " + std::to_string(WeaponMagicOdds(choice)) +
                  ".");
  return lines;
}

}  // namespace kestrelle
