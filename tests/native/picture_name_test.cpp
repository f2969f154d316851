#include "reference/picture_name.h"

#include <gtest/gtest.h>

namespace kestrelle {
namespace {

TEST(PictureResourceName, KeepsLettersAndDigitsAndBlanksEverythingElse) {
  struct Case {
    const char* display;
    const char* name;
  };
  const Case cases[] = {
      {"Executioner's Axe", "Executioner_s_Axe"},
      {"Two-Handed Axe", "Two_Handed_Axe"},
      {"Shepherd's Crook", "Shepherd_s_Crook"},
      {"Pickaxe", "Pickaxe"},
      {"Helmets Bascinet", "Helmets_Bascinet"},
      {"Bone Arm Plates", "Bone_Arm_Plates"},
      {"Mountian Goat", "Mountian_Goat"},
      {"Knives && Daggers", "Knives____Daggers"},
      {"Bone ", "Bone_"},
      {"AZaz09@[`{/:", "AZaz09______"},
      {"caf\xe9 \x80\xff", "caf____"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PictureResourceName(c.display), c.name) << c.display;
}

}  // namespace
}  // namespace kestrelle
