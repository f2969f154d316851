// The keys that move between controls, pages and tabs, and the order in which they visit them.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ui/navigation_rules.h"

namespace kestrelle::ui {
namespace {

TEST(NavigationRules, KeysAndWhatTheyMove) {
  constexpr unsigned kTab = 0x09, kPageUp = 0x21, kPageDown = 0x22, kLetterO = 'O';
  const struct {
    KeyPress press;
    Navigation expected;
  } cases[] = {
      {{kTab}, Navigation::NextControl},
      {{kTab, false, true}, Navigation::PreviousControl},
      {{kTab, true}, Navigation::NextPage},
      {{kTab, true, true}, Navigation::PreviousPage},
      {{kPageDown, true}, Navigation::NextTab},
      {{kPageUp, true}, Navigation::PreviousTab},
      {{kPageDown}, Navigation::None},              // the box's own page key
      {{kPageDown, true, true}, Navigation::None},  // selects in a box
      {{kTab, false, false, true}, Navigation::None},  // Alt+Tab belongs to the system
      {{kTab, true, false, true}, Navigation::None},
      {{kLetterO, true}, Navigation::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NavigationOf(c.press), c.expected) << c.press.key << " ctrl " << c.press.ctrl << " shift " << c.press.shift;
  }
}

TEST(NavigationRules, NeighbourTabsGoRoundTheEnds) {
  EXPECT_EQ(NeighbourTab(4, 5, true), 0);
  EXPECT_EQ(NeighbourTab(0, 5, false), 4);
  EXPECT_EQ(NeighbourTab(2, 5, true), 3);
  EXPECT_EQ(NeighbourTab(-1, 5, true), 0) << "no tab chosen yet";
  EXPECT_EQ(NeighbourTab(-1, 5, false), 4);
  EXPECT_EQ(NeighbourTab(0, 1, true), 0);
  EXPECT_EQ(NeighbourTab(-1, 0, true), -1) << "no tabs";
}

TEST(NavigationRules, NextStopSkipsWhatCannotTakeTheFocus) {
  const std::vector<bool> stops{false, true, false, true, false};
  const struct {
    std::optional<std::size_t> from;
    bool backwards;
    std::optional<std::size_t> expected;
  } cases[] = {
      {1, false, 3},           {3, false, 1},  // round the end
      {3, true, 1},            {1, true, 3},
      {2, false, 3},           {2, true, 1},   // from a place that is no stop (hidden, or inside a group)
      {std::nullopt, false, 1}, {std::nullopt, true, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(NextStop(stops, c.from, c.backwards), c.expected) << c.from.value_or(99);
  EXPECT_EQ(NextStop({false, true}, 1, false), std::nullopt) << "the only stop keeps the focus";
  EXPECT_EQ(NextStop({false, false}, std::nullopt, false), std::nullopt);
  EXPECT_EQ(NextStop({}, std::nullopt, true), std::nullopt);
}

}  // namespace
}  // namespace kestrelle::ui
