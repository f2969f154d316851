#pragma once
// The texts of the statistic panels of the Weapons, Armour and Animals pages. Numbers are plain decimal
// (no sign, padding or separators).
#include <cstdint>
#include <string>

namespace kestrelle {

// "4 - 28"; both numbers also when they are equal ("4 - 4").
std::string RangeText(std::uint16_t low, std::uint16_t high);

// "4 Stone"; "Unknown" for 0, which the tables use when no weight is given.
std::string WeightText(std::uint16_t stones);

// "Swordsmanship", "Fencing", "Mace Fighting", "Archery" for 1 to 4, else "Unknown".
std::string SkillText(std::uint16_t skill);

// "Yes" when the low byte of the flag is nonzero, else "No"; the high byte is not part of the flag.
std::string TwoHandedText(std::uint16_t twoHanded);

// "Male", "Female", "Either" for 1 to 3, else "Unknown".
std::string GenderText(std::uint16_t gender);

// "Good", "Neutral", "Evil" for 1 to 3, else "Unknown".
std::string AlignmentText(std::uint16_t alignment);

// The words of an animal's item bits in their listing order, joined by "," ("Meat,Leather"); empty when
// no bit is set. Bits of value 128 and above name nothing.
std::string AnimalItemsText(std::uint16_t itemFlags);

}  // namespace kestrelle
