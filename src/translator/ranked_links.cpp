#include "translator/ranked_links.h"

#include <iterator>

namespace kestrelle {

void RankedLinks::Assign(size_t size) {
  if (groups_.size() > kKeptGroups) groups_ = {};
  for (std::vector<std::uint32_t>& group : groups_) group.clear();
  groups_.resize((size + kGroup - 1) / kGroup);
}

void RankedLinks::Set(BitFlags& flags, size_t id, std::uint32_t value) {
  std::vector<std::uint32_t>& group = groups_[id / kGroup];
  const auto rank = static_cast<std::ptrdiff_t>(RankOf(flags, id));
  if (flags.Test(id)) {
    group[static_cast<size_t>(rank)] = value;
    return;
  }
  // A list grows by a quarter, not twice over: a dense text fills every list alike, and room left over in
  // each would add up to a third of the links.
  if (group.size() == group.capacity()) group.reserve(group.size() + group.size() / 4 + 4);
  group.insert(std::next(group.begin(), rank), value);
  flags.Set(id);
}

void RankedLinks::Erase(BitFlags& flags, size_t id) {
  if (!flags.Test(id)) return;
  std::vector<std::uint32_t>& group = groups_[id / kGroup];
  group.erase(std::next(group.begin(), static_cast<std::ptrdiff_t>(RankOf(flags, id))));
  flags.Clear(id);
}

}  // namespace kestrelle
