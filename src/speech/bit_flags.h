#pragma once
// One bit per character id, 64 to a word: a flag costs an eighth of a byte per character.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrelle {

class BitFlags {
 public:
  // Makes room for ids below size; new flags are clear.
  void Resize(size_t size) { words_.resize((size + 63) / 64); }
  // Room for flags for ids below size, without changing the flags.
  void Reserve(size_t size) { words_.reserve((size + 63) / 64); }
  // Flags for ids below size, all clear.
  void Assign(size_t size) { words_.assign((size + 63) / 64, 0); }

  bool Test(size_t id) const { return (words_[id / 64] >> (id % 64) & 1) != 0; }
  void Set(size_t id) { words_[id / 64] |= std::uint64_t{1} << (id % 64); }
  void Clear(size_t id) { words_[id / 64] &= ~(std::uint64_t{1} << (id % 64)); }

  // How many ids in [from, to) are set; from is a multiple of 64.
  size_t Count(size_t from, size_t to) const {
    size_t count = 0;
    size_t word = from / 64;
    for (; word < to / 64; ++word) count += CountBits(words_[word]);
    if (to % 64 != 0) count += CountBits(words_[word] & ((std::uint64_t{1} << (to % 64)) - 1));
    return count;
  }

  // The first id in [from, to) whose flag is `set`, or to.
  size_t Find(size_t from, size_t to, bool set) const {
    if (from >= to) return to;
    const std::uint64_t flip = set ? 0 : ~std::uint64_t{0};
    size_t word = from / 64;
    std::uint64_t bits = (words_[word] ^ flip) & (~std::uint64_t{0} << (from % 64));
    while (bits == 0) {
      if (++word * 64 >= to) return to;
      bits = words_[word] ^ flip;
    }
    const size_t found = word * 64 + static_cast<size_t>(std::countr_zero(bits));
    return found < to ? found : to;
  }

 private:
  // The set bits of a word, counted in halves, nibbles and bytes. std::popcount built for any x86-64 (no
  // population-count instruction assumed) is a library call, and the engine counts bits for every stored
  // link it follows.
  static size_t CountBits(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<size_t>((bits * 0x0101010101010101u) >> 56);
  }

  std::vector<std::uint64_t> words_;
};

}  // namespace kestrelle
