#include "speech/ranked_links.h"

#include <algorithm>
#include <iterator>

namespace kestrelle {

void RankedLinks::Assign(size_t size) {
  for (std::vector<std::uint32_t>& group : groups_) group.clear();
  groups_.resize((size + kGroup - 1) / kGroup);
  setBefore_.assign((size + 63) / 64, 0);
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
  CountOneMore(id);
}

void RankedLinks::CountOneMore(size_t id) {
  const size_t groupEnd = std::min((id / kGroup + 1) * kGroup / 64, setBefore_.size());
  for (size_t word = id / 64 + 1; word < groupEnd; ++word) {
    setBefore_[word] = static_cast<std::uint16_t>(setBefore_[word] + 1);
  }
}

}  // namespace kestrelle
