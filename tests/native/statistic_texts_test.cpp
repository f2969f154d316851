#include "reference/statistic_texts.h"

#include <gtest/gtest.h>

namespace kestrelle {
namespace {

TEST(StatisticTexts, RangesAndWeights) {
  EXPECT_EQ(RangeText(4, 28), "4 - 28");
  EXPECT_EQ(RangeText(4, 4), "4 - 4");
  EXPECT_EQ(RangeText(0, 65535), "0 - 65535");
  EXPECT_EQ(WeightText(0), "Unknown");
  EXPECT_EQ(WeightText(1), "1 Stone");
  EXPECT_EQ(WeightText(17), "17 Stone");
  EXPECT_EQ(WeightText(65535), "65535 Stone");
}

TEST(StatisticTexts, CodedValues) {
  struct Case {
    std::uint16_t code;
    const char* skill;
    const char* gender;
    const char* alignment;
  };
  const Case cases[] = {
      {0, "Unknown", "Unknown", "Unknown"},
      {1, "Swordsmanship", "Male", "Good"},
      {2, "Fencing", "Female", "Neutral"},
      {3, "Mace Fighting", "Either", "Evil"},
      {4, "Archery", "Unknown", "Unknown"},
      {5, "Unknown", "Unknown", "Unknown"},
      {0x0101, "Unknown", "Unknown", "Unknown"},
      {65535, "Unknown", "Unknown", "Unknown"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SkillText(c.code), c.skill) << c.code;
    EXPECT_EQ(GenderText(c.code), c.gender) << c.code;
    EXPECT_EQ(AlignmentText(c.code), c.alignment) << c.code;
  }
}

TEST(StatisticTexts, TwoHandedReadsTheLowByte) {
  EXPECT_EQ(TwoHandedText(0), "No");
  EXPECT_EQ(TwoHandedText(1), "Yes");
  EXPECT_EQ(TwoHandedText(0x80), "Yes");
  EXPECT_EQ(TwoHandedText(0x0100), "No");
  EXPECT_EQ(TwoHandedText(0xFF00), "No");
  EXPECT_EQ(TwoHandedText(0x0101), "Yes");
}

TEST(StatisticTexts, AnimalItemsInListingOrder) {
  struct Case {
    std::uint16_t flags;
    const char* text;
  };
  const Case cases[] = {
      {0, ""},
      {1, "Meat"},
      {3, "Meat,Leather"},
      {5, "Meat,Fur"},
      {9, "Meat,Feathers"},
      {17, "Meat,Wool"},
      {33, "Meat,Silk"},
      {65, "Meat,SulphurAsh"},
      {24, "Wool,Feathers"},
      {127, "Meat,Leather,Fur,Wool,Feathers,Silk,SulphurAsh"},
      {128, ""},
      {0xFF80 | 2, "Leather"},
  };
  for (const Case& c : cases) EXPECT_EQ(AnimalItemsText(c.flags), c.text) << c.flags;
}

}  // namespace
}  // namespace kestrelle
