// The weapon and armour magic lookups: the odds, checked against a second computation on the hardware's
// own 80-bit arithmetic where the host has it, and the descriptions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "reference/armour_magic.h"
#include "reference/weapon_magic.h"

namespace kestrelle {
namespace {

constexpr int None = kNoModifier;

// The odds as the x87 unit computes them: each product in 80-bit precision, stored into the 48-bit real
// (40 significant bits, a half rounded up), and 100 ÷ odds rounded with ties to even. The factors are the
// compiler's nearest 80-bit values of the decimals, written here independently of the modifier tables.
constexpr bool kHostHasExtended = std::numeric_limits<long double>::digits == 64;

long double StoredAsReal48(long double value) {
  int exponent = 0;
  const long double fraction = std::frexp(value, &exponent);
  return std::ldexp(std::floor(std::ldexp(fraction, 40) + 0.5L), exponent - 40);
}

std::int64_t HardwareOdds(long double start, const std::vector<long double>& factors) {
  long double odds = start;
  for (long double factor : factors) odds = StoredAsReal48(odds * factor);
  return std::llrint(100.0L / odds);
}

TEST(WeaponMagic, OddsOfTheLookupsExamples) {
  struct Case {
    TWeaponMagicChoice choice;
    std::int64_t oneIn;
  };
  const Case cases[] = {
      {{0, None, None, None}, 6},     {{1, None, None, None}, 11},   {{2, None, None, None}, 20},
      {{3, None, None, None}, 33},    {{4, None, None, None}, 100},  {{None, 0, None, None}, 8},
      {{None, 1, None, None}, 2},     {{None, 2, None, None}, 3},    {{None, 3, None, None}, 5},
      {{None, 4, None, None}, 10},    {{None, None, 0, None}, 6},    {{None, None, 1, None}, 1},
      {{None, None, 2, None}, 2},     {{None, None, 3, None}, 5},    {{None, None, 4, None}, 10},
      {{None, None, None, 0}, 10},    {{None, None, None, 5}, 10},   {{None, None, None, 6}, 20},
      {{None, None, None, 8}, 20},    {{None, None, None, 9}, 50},   {{0, 0, 0, 0}, 2671},
      {{4, 4, 4, 9}, 500000},         {{None, 3, 0, 9}, 1563},       {{None, None, None, None}, 1},
  };
  EXPECT_EQ(TMagicOdds(0).OneIn(), 0) << "a chance of nothing has no N";
  for (const Case& c : cases) {
    const auto& [skill, durability, damage, spell] = c.choice;
    EXPECT_EQ(WeaponMagicOdds(c.choice), c.oneIn) << skill << " " << durability << " " << damage << " " << spell;
  }
}

TEST(WeaponMagic, EveryChoiceSetGivesTheHardwaresOdds) {
  if constexpr (!kHostHasExtended) GTEST_SKIP() << "this host has no 80-bit long double to compare with";
  const long double starts[] = {18, 9, 5, 3, 1};
  const long double durability[] = {0.13L, 0.6L, 0.3L, 0.2L, 0.1L};
  const long double damage[] = {0.16L, 0.8L, 0.4L, 0.2L, 0.1L};
  const long double spells[] = {0.1L, 0.1L, 0.1L, 0.1L, 0.1L, 0.1L, 0.05L, 0.05L, 0.05L, 0.02L};
  int compared = 0;
  for (int s = None; s < 5; ++s) {
    for (int d = None; d < 5; ++d) {
      for (int m = None; m < 5; ++m) {
        for (int p = None; p < 10; ++p) {
          std::vector<long double> factors;
          if (d != None) factors.push_back(durability[d]);
          if (m != None) factors.push_back(damage[m]);
          if (p != None) factors.push_back(spells[p]);
          const std::int64_t expected = HardwareOdds(s == None ? 100 : starts[s], factors);
          ASSERT_EQ(WeaponMagicOdds({s, d, m, p}), expected) << s << " " << d << " " << m << " " << p;
          ++compared;
        }
      }
    }
  }
  EXPECT_EQ(compared, 6 * 6 * 6 * 11);
}

TEST(ArmourMagic, OddsOfEveryPair) {
  // Rows: armour class modifier (none first); columns: hit point modifier (none first).
  const std::int64_t table[6][6] = {
      {1, 3, 5, 9, 2, 5},          {8, 23, 44, 76, 14, 42},     {17, 45, 88, 152, 28, 83},
      {25, 68, 132, 227, 42, 125}, {50, 135, 263, 455, 83, 250}, {100, 270, 526, 909, 167, 500},
  };
  const long double starts[] = {100, 12, 6, 4, 2, 1};
  const long double factors[] = {0.37L, 0.19L, 0.11L, 0.6L, 0.2L};
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 6; ++column) {
      const TArmourMagicChoice choice{row - 1, column - 1};
      EXPECT_EQ(ArmourMagicOdds(choice), table[row][column]) << row << " " << column;
      if constexpr (kHostHasExtended) {
        const std::vector<long double> factor =
            column == 0 ? std::vector<long double>{} : std::vector<long double>{factors[column - 1]};
        EXPECT_EQ(ArmourMagicOdds(choice), HardwareOdds(starts[row], factor)) << row << " " << column;
      }
    }
  }
}

TEST(MagicDescriptions, WeaponAndArmourLines) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(WeaponMagicDescription({0, 0, 0, 0}, "Axe", "Swordsmanship"),
            (Lines{"An Accurate and Durable Axe of Ruin and Clumsiness.",
                   "This weapon will increase your Swordsmanship skill by 5 when used.",
                   "This weapons durablity (hit points) points are 10 points higher than normal.",
                   "This weapon will give an extra 1 points damage each hit.",
                   "This Axe may cast a Clumsy spell on any foe it hits.",
                   "The odds of this weapon having these properties are 1 in 2671."}));
  EXPECT_EQ(WeaponMagicDescription({None, 1, 3, None}, "Hatchet", "Swordsmanship").front(),
            "A Substantial Hatchet of Power.");
  const Lines katana = WeaponMagicDescription({None, None, None, 7}, "Katana", "Swordsmanship");
  EXPECT_EQ(katana.front(), "A Katana of Evil.");
  EXPECT_EQ(katana[1], "This Katana may cast a Curse spell on any foe it hits.");

  EXPECT_EQ(ArmourMagicDescription({None, 0}, "Bone", "Armor"),
            (Lines{"Bone Armor of Defense.", "This armour has an extra 5 hit points.",
                   "The odds of this armour having these properties are 1 in 3."}));
  EXPECT_EQ(ArmourMagicDescription({4, 4}, "Bone", "Armor"),
            (Lines{"Indestructible Bone Armor of Invulnerability.",
                   "The armour class points are 25 points higher than normal.", "This armour has an extra 25 hit points.",
                   "The odds of this armour having these properties are 1 in 500."}));
  EXPECT_THROW(ArmourMagicDescription({5, None}, "Bone", "Armor"), std::out_of_range);
}

}  // namespace
}  // namespace kestrelle
