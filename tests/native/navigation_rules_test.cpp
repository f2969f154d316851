// The keys that move between controls, pages and tabs, and the order in which they visit them, where the
// window's keyboard flow does not reach.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ui/navigation_rules.h"

namespace kestrelle::ui {
namespace {

TEST(NavigationRules, EdgesOfTheKeysAndOrders) {
  constexpr unsigned kTab = 0x09, kPageDown = 0x22;
  EXPECT_EQ(NavigationOf({kPageDown}), Navigation::None) << "the box's own page key";
  EXPECT_EQ(NavigationOf({kPageDown, true, true}), Navigation::None) << "selects in a box";
  EXPECT_EQ(NavigationOf({kTab, true, false, true}), Navigation::None) << "Alt+Tab belongs to the system";
  EXPECT_EQ(NeighbourTab(-1, 5, false), 4) << "no tab chosen yet";
  EXPECT_EQ(NextStop({false, true, false, true}, 2, true), 1u) << "from a place that is no stop";
  EXPECT_EQ(NextStop({false, true}, 1, false), std::nullopt) << "the only stop keeps the focus";
}

}  // namespace
}  // namespace kestrelle::ui
