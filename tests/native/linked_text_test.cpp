// The linked text where its labels run out: insertions nested at one place halve the room between their
// neighbours' labels each time, until the order can only come from the links.
#include "speech/linked_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrelle {
namespace {

TEST(LinkedText, OrderHoldsWhenNestedInsertionsRunOutOfLabels) {
  LinkedText text("ab");
  std::string expected = "ab";
  CharId at = 1;  // each round replaces the first character of the insertion before
  const std::string tags = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  for (size_t round = 0; round < 80; ++round) {
    const std::string insert = {'.', tags[round % tags.size()]};  // what is left of each one tells them apart
    at = text.Replace(at, 1, insert).first;
    expected.replace(1, 1, insert);
  }
  EXPECT_EQ(text.ToString(), expected);
  std::vector<CharId> order;
  for (CharId c = text.Head(); c != kNoChar; c = text.Next(c)) order.push_back(c);
  ASSERT_EQ(order.size(), expected.size());
  // The last insertions, past the room between the labels, share the label of the character before them.
  ASSERT_EQ(text.OrderLabel(order[3]), text.OrderLabel(order[0])) << "the labels should have run out";
  for (size_t i = 0; i + 1 < order.size(); ++i) {
    EXPECT_TRUE(text.Before(order[i], order[i + 1])) << i;
    EXPECT_FALSE(text.Before(order[i + 1], order[i])) << i;
    EXPECT_EQ(text.Prev(order[i + 1]), order[i]) << i;
  }
}

}  // namespace
}  // namespace kestrelle
