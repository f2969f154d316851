// Links kept by rank against a plain map: ids across many words and groups set and overwritten in random
// order, and the same links reused for texts of other sizes, as the filter's --lines reuses them.
#include "speech/ranked_links.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace kestrelle {
namespace {

TEST(RankedLinks, AgreeWithAMapThroughSetsOverwritesAndReuse) {
  BitFlags flags;
  RankedLinks links;
  std::mt19937 random(21);
  for (const size_t ids : {70000u, 3000u, 700u, 5000u}) {
    flags.Assign(ids);
    links.Assign(ids);
    std::map<size_t, std::uint32_t> expected;
    for (std::uint32_t round = 0; round < 3 * ids; ++round) {
      const size_t id = random() % ids;
      links.Set(flags, id, round);
      expected[id] = round;
    }
    for (size_t id = 0; id < ids; ++id) {
      const auto found = expected.find(id);
      ASSERT_EQ(flags.Test(id), found != expected.end()) << ids << " " << id;
      if (found != expected.end()) ASSERT_EQ(links.Get(flags, id), found->second) << ids << " " << id;
    }
  }
}

}  // namespace
}  // namespace kestrelle
