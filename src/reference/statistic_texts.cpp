#include "reference/statistic_texts.h"

#include <array>

namespace kestrelle {
namespace {

// Looks up a 1-based code in a list of words; any other code reads "Unknown".
template <std::size_t N>
std::string CodeText(std::uint16_t code, const std::array<const char*, N>& words) {
  return code >= 1 && code <= N ? words[code - 1] : "Unknown";
}

}  // namespace

std::string RangeText(std::uint16_t low, std::uint16_t high) {
  return std::to_string(low) + " - " + std::to_string(high);
}

std::string WeightText(std::uint16_t stones) {
  return stones == 0 ? "Unknown" : std::to_string(stones) + " Stone";
}

std::string SkillText(std::uint16_t skill) {
  static constexpr std::array<const char*, 4> kSkills = {"Swordsmanship", "Fencing", "Mace Fighting", "Archery"};
  return CodeText(skill, kSkills);
}

std::string TwoHandedText(std::uint16_t twoHanded) {
  return (twoHanded & 0xFF) != 0 ? "Yes" : "No";
}

std::string GenderText(std::uint16_t gender) {
  static constexpr std::array<const char*, 3> kGenders = {"Male", "Female", "Either"};
  return CodeText(gender, kGenders);
}

std::string AlignmentText(std::uint16_t alignment) {
  static constexpr std::array<const char*, 3> kAlignments = {"Good", "Neutral", "Evil"};
  return CodeText(alignment, kAlignments);
}

std::string AnimalItemsText(std::uint16_t itemFlags) {
  struct TItemWord {
    std::uint16_t Bit;
    const char* Word;
  };
  // Listing order, which is not bit order: Wool comes before Feathers.
  static constexpr std::array<TItemWord, 7> kItems = {{{1, "Meat"},
                                                       {2, "Leather"},
                                                       {4, "Fur"},
                                                       {16, "Wool"},
                                                       {8, "Feathers"},
                                                       {32, "Silk"},
                                                       {64, "SulphurAsh"}}};
  std::string text;
  for (const TItemWord& item : kItems) {
    if ((itemFlags & item.Bit) == 0) continue;
    if (!text.empty()) text += ',';
    text += item.Word;
  }
  return text;
}

}  // namespace kestrelle
