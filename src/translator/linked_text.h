#pragma once
// The text under translation as a linked sequence of characters with stable ids, so that a replacement
// costs as much as the characters it touches and never moves the rest of the text. Original characters
// keep their ids (0 .. size-1); inserted characters get new ids. Inserted characters other than blanks
// are marked: no later match can use them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelle {

using CharId = std::uint32_t;
inline constexpr CharId kNoChar = UINT32_MAX;

class LinkedText {
 public:
  explicit LinkedText(std::string_view text);

  CharId Head() const { return head_; }
  CharId Next(CharId c) const { return next_[c]; }
  CharId Prev(CharId c) const { return prev_[c]; }
  char At(CharId c) const { return chars_[c]; }
  bool Alive(CharId c) const { return alive_[c] != 0; }
  // An alive character that a match may use: original text, or an inserted blank.
  bool Matchable(CharId c) const { return c < originalSize_ || chars_[c] == ' '; }
  bool Empty() const { return head_ == kNoChar; }
  // The original text, contiguous, for the first search over it.
  std::string_view Original() const { return std::string_view(chars_).substr(0, originalSize_); }

  // Whether key occurs at the alive character start, on matchable characters only.
  bool MatchesAt(CharId start, std::string_view key) const;

  // Whether a comes before b in the text; both alive.
  bool Before(CharId a, CharId b) const;

  struct Splice {
    CharId before;  // last character before the replaced ones, or kNoChar at the start
    CharId first;   // first and last inserted character, kNoChar when nothing was inserted
    CharId last;
    CharId after;   // first character after the inserted ones, or kNoChar at the end
  };
  // Replaces the length characters from start (all alive and in sequence) by insert.
  Splice Replace(CharId start, size_t length, std::string_view insert);

  std::string ToString() const;

 private:
  // Order labels: original character i has (i + 1) << shift_; inserted ones get labels between their
  // neighbours', or their left neighbour's when there is no room (Before() then walks).
  std::uint64_t Label(CharId c) const {
    return c < originalSize_ ? (static_cast<std::uint64_t>(c) + 1) << shift_ : insertedLabel_[c - originalSize_];
  }

  size_t originalSize_;
  unsigned shift_;
  CharId head_;
  std::string chars_;
  std::vector<CharId> next_;
  std::vector<CharId> prev_;
  std::vector<std::uint8_t> alive_;
  std::vector<std::uint64_t> insertedLabel_;
};

}  // namespace kestrelle
