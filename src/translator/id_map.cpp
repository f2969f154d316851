#include "translator/id_map.h"

#include <algorithm>
#include <bit>

namespace kestrelle {

void IdMap::Set(std::uint32_t key, std::uint32_t value) {
  // At most seven eighths full: a search still soon meets an empty slot (the ids of a text's changed links
  // are spread well by the hash), and a dense text's links fit in half the room they would at three
  // quarters about as often as not.
  if (8 * (size_ + 1) > 7 * slots_.size()) Grow();
  size_t slot = SlotOf(key);
  while (slots_[slot].first != key && slots_[slot].first != kNone) slot = (slot + 1) & (slots_.size() - 1);
  if (slots_[slot].first == kNone) ++size_;
  slots_[slot] = {key, value};
}

void IdMap::Clear() {
  constexpr size_t kKeptSlots = 1024;
  if (slots_.size() > kKeptSlots) {
    slots_ = {};
    bits_ = 0;
  } else if (size_ > 0) {
    std::fill(slots_.begin(), slots_.end(), std::pair{kNone, kNone});
  }
  size_ = 0;
}

void IdMap::Grow() {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> old(slots_.empty() ? 8 : 2 * slots_.size(), {kNone, kNone});
  old.swap(slots_);
  bits_ = static_cast<unsigned>(std::countr_zero(slots_.size()));
  size_ = 0;
  for (const auto& [key, value] : old) {
    if (key != kNone) Set(key, value);
  }
}

}  // namespace kestrelle
