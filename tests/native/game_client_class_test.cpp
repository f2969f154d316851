#include "translator/game_client_class.h"

#include <gtest/gtest.h>

namespace kestrelle {
namespace {

TEST(GameClientClass, OnlyTheWholeNameInItsLetterCase) {
  EXPECT_TRUE(IsGameClientClass("Ultima Online"));
  for (const char* other : {"ultima online", "ULTIMA ONLINE", "Ultima Online 2", "Ultima Online ", "Ultima Onlin",
                            " Ultima Online", "UltimaOnline", ""}) {
    EXPECT_FALSE(IsGameClientClass(other)) << other;
  }
}

}  // namespace
}  // namespace kestrelle
