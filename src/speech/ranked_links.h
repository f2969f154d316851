#pragma once
// The stored links of original characters: one value for each id whose flag is set, in id order, in a
// small list per group of ids, and found by the number of set flags before the id in its group. A link so
// costs its 4 bytes and a share of its list's spare room, where a hash map keeps the id beside it and
// empty slots around it; on dense player chat about one character in ten has a changed link each way.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "speech/bit_flags.h"

namespace kestrelle {

class RankedLinks {
 public:
  // None stored, for ids below size. The lists keep their room for the next text: a compiled style keeps
  // its linked text only after a short one.
  void Assign(size_t size);
  // The value stored for id, whose flag is set.
  std::uint32_t Get(const BitFlags& flags, size_t id) const { return groups_[id / kGroup][RankOf(flags, id)]; }
  // Sets id's flag and stores value for it.
  void Set(BitFlags& flags, size_t id, std::uint32_t value);

 private:
  static constexpr size_t kGroup = 1024;
  // The count before id's word is kept, so that finding a value counts the flags of one word only.
  size_t RankOf(const BitFlags& flags, size_t id) const {
    return setBefore_[id / 64] + flags.Count(id / 64 * 64, id);
  }
  // The count before every later word of id's group goes up by one.
  void CountOneMore(size_t id);

  std::vector<std::vector<std::uint32_t>> groups_;
  std::vector<std::uint16_t> setBefore_;  // per word of flags: set flags before it in its group
};

}  // namespace kestrelle
