#include "reference/armour_magic.h"

namespace kestrelle {

const std::array<TStartModifier, 5> kArmourClassModifiers{{
    {"Durable", 12},
    {"Substantial", 6},
    {"Massive", 4},
    {"Fortified", 2},
    {"Indestructible", 1},
}};

// Fortification and Invulnerability are 0.6 and 0.2, not 0.06 and 0.02: the lookup has always shown
// them so, and players compare its figures with each other.
const std::array<TFactorModifier, 5> kArmourHitPointModifiers{{
    {"Defense", {37, 100}},
    {"Guarding", {19, 100}},
    {"Hardening", {11, 100}},
    {"Fortification", {6, 10}},
    {"Invulnerability", {2, 10}},
}};

std::int64_t ArmourMagicOdds(const TArmourMagicChoice& choice) {
  TMagicOdds odds(IsChosen(choice.ArmourClass) ? ModifierAt(kArmourClassModifiers, choice.ArmourClass).StartPercent : 100);
  if (IsChosen(choice.HitPoints)) odds.MultiplyBy(ModifierAt(kArmourHitPointModifiers, choice.HitPoints).Factor);
  return odds.OneIn();
}

std::vector<std::string> ArmourMagicDescription(const TArmourMagicChoice& choice, std::string_view category,
                                                std::string_view item) {
  std::string name;
  if (IsChosen(choice.ArmourClass)) name = std::string(ModifierAt(kArmourClassModifiers, choice.ArmourClass).Word) + " ";
  name += std::string(category) + " " + std::string(item);
  if (IsChosen(choice.HitPoints)) name += std::string(" of ") + ModifierAt(kArmourHitPointModifiers, choice.HitPoints).Word;

  std::vector<std::string> lines{name + "."};
  if (IsChosen(choice.ArmourClass)) {
    lines.push_back("The armour class points are " + std::to_string((choice.ArmourClass + 1) * 5) +
                    " points higher than normal.");
  }
  if (IsChosen(choice.HitPoints)) {
    lines.push_back("This armour has an extra " + std::to_string((choice.HitPoints + 1) * 5) + " hit points.");
  }
  lines.push_back("The odds of this armour having these properties are 1 in " + std::to_string(ArmourMagicOdds(choice)) +
                  ".");
  return lines;
}

}  // namespace kestrelle
