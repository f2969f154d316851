#pragma once
// A map from character id to character id for the few characters whose neighbour is not the next or
// previous id: open addressing in one array of 8-byte slots, so an entry costs about 12 bytes and no
// allocation of its own.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kestrelle {

class IdMap {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;  // never a key; what a missing key reads as

  void Set(std::uint32_t key, std::uint32_t value);
  // Empty again; a small table is kept for reuse, a large one given back.
  void Clear();
  std::uint32_t Get(std::uint32_t key) const {
    if (slots_.empty()) return kNone;
    for (size_t slot = SlotOf(key);; slot = (slot + 1) & (slots_.size() - 1)) {
      if (slots_[slot].first == key || slots_[slot].first == kNone) return slots_[slot].second;
    }
  }

 private:
  // Fibonacci hashing spreads the neighbouring ids that replacements leave behind.
  size_t SlotOf(std::uint32_t key) const { return (key * 2654435769u) >> (32 - bits_); }
  void Grow();

  std::vector<std::pair<std::uint32_t, std::uint32_t>> slots_;  // key kNone: empty, value kNone
  unsigned bits_ = 0;  // slots_.size() is 1 << bits_
  size_t size_ = 0;
};

}  // namespace kestrelle
