#pragma once
// The text under translation as a linked sequence of characters with stable ids, so that a replacement
// costs as much as the characters it touches and never moves the rest of the text. Original characters
// keep their ids (0 .. size-1); inserted characters get new ids, each insertion a run of consecutive ids.
// Inserted characters other than blanks are marked: no later match can use them.
//
// The original text is kept as it was typed and matched as if lower-cased ('A'..'Z' as 'a'..'z'): what no
// rule replaces keeps its case, without a lowered copy of the text beside it.
//
// Replacements are few against the length of a text, so the links are implicit: a character is followed
// by the next id and preceded by the one before, unless a flag says that a replacement changed that link,
// and only those links are stored. A character of the original text so costs its byte and three flags.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ascii_case.h"
#include "speech/bit_flags.h"
#include "speech/ranked_links.h"

namespace kestrelle {

using CharId = std::uint32_t;
inline constexpr CharId kNoChar = UINT32_MAX;

class LinkedText {
 public:
  explicit LinkedText(std::string text);
  // Starts over with another text, keeping the room the last one took, and gives back the string of the
  // last one, for the caller to reuse (the filter's --lines).
  std::string Assign(std::string text);

  CharId Head() const { return head_; }
  CharId Next(CharId c) const { return nextChanged_.Test(c) ? StoredNext(c) : c + 1; }
  CharId Prev(CharId c) const { return prevChanged_.Test(c) ? StoredPrev(c) : c - 1; }
  char At(CharId c) const { return c < original_.size() ? original_[c] : inserted_[c - original_.size()]; }
  bool Alive(CharId c) const { return !removed_.Test(c); }
  // An alive character that a match may use: original text not marked in place, or an inserted blank.
  bool Matchable(CharId c) const {
    return c < original_.size() ? !marked_.Test(c) : inserted_[c - original_.size()] == ' ';
  }
  bool Empty() const { return head_ == kNoChar; }
  // The original text, contiguous, for the first search over it.
  std::string_view Original() const { return original_; }

  // Whether key (lower case) occurs at the alive character start, on matchable characters only.
  // Most places tried do not begin with the key's first character: that test comes first, inline.
  bool MatchesAt(CharId start, std::string_view key) const {
    const char first = At(start);
    if (first != key.front() && AsciiLower(first) != key.front()) return false;
    return MatchesFrom(start, key);
  }

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
  // Replaces the length characters from start by the same text, as matched (lower case): the characters
  // stay where they are, lowered, and those other than blanks are marked as inserted ones would be. Many
  // rules keep what they matched ("%ECHO"), and on dense text an insertion for each would cost many times
  // the text's own size.
  void ReplaceBySame(CharId start, size_t length);

  // An order label: labels do not decrease along the text. Equal labels (when nested insertions left no
  // room between their neighbours') are ordered by Before(), which then walks.
  std::uint64_t OrderLabel(CharId c) const;

  // Calls piece(characters) for each stretch of the text held in one place, in text order.
  void ForEachPiece(const std::function<void(std::string_view)>& piece) const;
  std::string ToString() const;

 private:
  bool MatchesFrom(CharId start, std::string_view key) const;
  void Link(CharId from, CharId to);
  // One direction of a link: c's neighbour that way becomes target.
  void SetLink(CharId c, CharId target, bool implicit, BitFlags& changed, RankedLinks& originalLinks,
               std::vector<CharId>& insertionLinks);
  CharId StoredNext(CharId c) const;
  CharId StoredPrev(CharId c) const;
  size_t InsertionOf(CharId c) const;
  // The alive characters with ids in [from, to), which lie in one string in text order.
  void ForEachAliveStretch(CharId from, CharId to, const std::function<void(std::string_view)>& piece) const;

  std::string original_;
  std::string inserted_;  // every insertion, one after another
  unsigned shift_ = 0;
  CharId head_ = kNoChar;
  BitFlags removed_;
  BitFlags marked_;  // original characters that a replacement by the same text marked
  BitFlags nextChanged_;  // the next character is not c + 1 but the one stored
  BitFlags prevChanged_;
  // A changed link of an original character is kept by its id. What is left of an insertion is one
  // stretch of its ids, so only that stretch's two outer links change: they are kept by insertion, beside
  // the insertion's other data.
  RankedLinks next_;
  RankedLinks prev_;
  std::vector<CharId> insertionNext_;  // per insertion: the character after its last alive one
  std::vector<CharId> insertionPrev_;  // per insertion: the character before its first alive one
  // Order labels: original character i has (i + 1) << shift_; an insertion gets the label halfway
  // between its neighbours', or its left neighbour's when there is no room.
  std::vector<std::uint64_t> insertionLabel_;
  // Which insertion an inserted character belongs to: a flag on the first character of each, and per
  // block of kStartBlock inserted characters the number of insertions that began before it. This takes
  // less than a fifth of a byte per inserted character, where a list of where each insertion begins takes
  // four bytes per insertion, and a dense text's insertions are about ten characters long.
  static constexpr size_t kStartBlock = 64;
  BitFlags insertionStarts_;
  std::vector<std::uint32_t> startsBefore_;
};

}  // namespace kestrelle
