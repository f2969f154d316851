#include "speech/linked_text.h"

#include <bit>
#include <stdexcept>

#include "base/ascii_case.h"
#include "speech/short_text.h"

namespace kestrelle {

namespace {
constexpr std::uint64_t kEndLabel = std::uint64_t{1} << 63;
}  // namespace

LinkedText::LinkedText(std::string text) { Assign(std::move(text)); }

std::string LinkedText::Assign(std::string text) {
  if (text.size() >= kNoChar / 2) throw std::length_error("text too long to translate");
  std::swap(original_, text);
  inserted_.clear();
  shift_ = static_cast<unsigned>(62 - std::bit_width(static_cast<std::uint64_t>(original_.size()) + 1));
  head_ = original_.empty() ? kNoChar : 0;
  for (BitFlags* flags : {&removed_, &nextChanged_, &prevChanged_, &marked_}) flags->Assign(original_.size());
  next_.Assign(original_.size());
  prev_.Assign(original_.size());
  for (std::vector<CharId>* list : {&insertionNext_, &insertionPrev_}) list->clear();
  insertionLabel_.clear();
  insertionStarts_.Assign(0);
  startsBefore_.clear();
  // Room for what a dense long text inserts, taken at once: room grown step by step is copied, and so held
  // twice, at every step. Room never written takes no physical memory, but it does count against the
  // system's commit charge (on Windows, the page file's share) until the text is done. A short text grows
  // its room as it needs it and keeps it for the next one, so that one short text after another (the
  // filter's --lines) asks for none.
  if (original_.size() > kShortText) {
    const size_t room = original_.size();
    inserted_.reserve(room);
    for (BitFlags* flags : {&removed_, &nextChanged_, &prevChanged_}) flags->Reserve(original_.size() + room);
    for (std::vector<CharId>* list : {&insertionNext_, &insertionPrev_}) list->reserve(room / 16);
    insertionLabel_.reserve(room / 16);
    insertionStarts_.Reserve(room);
    startsBefore_.reserve(room / kStartBlock + 1);
  }
  // The last character is followed by none, which only a stored link can say.
  if (!original_.empty()) next_.Set(nextChanged_, original_.size() - 1, kNoChar);
  return text;
}

void LinkedText::Link(CharId from, CharId to) {
  // The link from the last original character to the first inserted one is stored all the same, so that
  // every stretch of implicit links lies in one string.
  const bool implicit = from != kNoChar && to == from + 1 && to != original_.size();
  if (from == kNoChar) {
    head_ = to;
  } else {
    SetLink(from, to, implicit, nextChanged_, next_, insertionNext_);
  }
  // Prev(0) is kNoChar without a stored link: 0 - 1 wraps to it.
  if (to != kNoChar) SetLink(to, from, implicit || (from == kNoChar && to == 0), prevChanged_, prev_, insertionPrev_);
}

void LinkedText::SetLink(CharId c, CharId target, bool implicit, BitFlags& changed, RankedLinks& originalLinks,
                         std::vector<CharId>& insertionLinks) {
  // An original character's link is always stored: the one that would be implicit, to c + 1 or c - 1,
  // never comes back, because nothing is ever put between two alive neighbours of the original text, so a
  // replacement that links them again would have removed something from between them.
  if (c < original_.size()) {
    originalLinks.Set(changed, c, target);
    return;
  }
  if (implicit) {
    changed.Clear(c);
    return;
  }
  changed.Set(c);
  insertionLinks[InsertionOf(c)] = target;
}

CharId LinkedText::StoredNext(CharId c) const {
  return c < original_.size() ? next_.Get(nextChanged_, c) : insertionNext_[InsertionOf(c)];
}

CharId LinkedText::StoredPrev(CharId c) const {
  return c < original_.size() ? prev_.Get(prevChanged_, c) : insertionPrev_[InsertionOf(c)];
}

bool LinkedText::MatchesFrom(CharId start, std::string_view key) const {
  if (!Alive(start)) return false;
  CharId c = start;
  for (const char wanted : key) {
    if (c == kNoChar) return false;
    // Most of a text is lower case already: the character itself is compared first.
    const char here = At(c);
    if ((here != wanted && AsciiLower(here) != wanted) || !Matchable(c)) return false;
    c = Next(c);
  }
  return true;
}

size_t LinkedText::InsertionOf(CharId c) const {
  const size_t offset = c - original_.size();
  const size_t block = offset / kStartBlock;
  return startsBefore_[block] + insertionStarts_.Count(block * kStartBlock, offset + 1) - 1;
}

std::uint64_t LinkedText::OrderLabel(CharId c) const {
  return c < original_.size() ? (static_cast<std::uint64_t>(c) + 1) << shift_ : insertionLabel_[InsertionOf(c)];
}

bool LinkedText::Before(CharId a, CharId b) const {
  const std::uint64_t label = OrderLabel(a);
  const std::uint64_t other = OrderLabel(b);
  if (label != other) return label < other;
  // What is left of one insertion is in the order of its ids.
  if (a >= original_.size() && b >= original_.size() && InsertionOf(a) == InsertionOf(b)) return a < b;
  for (CharId c = Next(a); c != kNoChar && OrderLabel(c) == label; c = Next(c)) {
    if (c == b) return true;
  }
  return false;
}

LinkedText::Splice LinkedText::Replace(CharId start, size_t length, std::string_view insert) {
  Splice splice{Prev(start), kNoChar, kNoChar, start};
  for (size_t i = 0; i < length; ++i) {
    removed_.Set(splice.after);
    splice.after = Next(splice.after);
  }
  if (insert.empty()) {
    Link(splice.before, splice.after);
    return splice;
  }
  const size_t end = original_.size() + inserted_.size() + insert.size();
  if (end >= kNoChar) throw std::length_error("text too long to translate");
  splice.first = static_cast<CharId>(original_.size() + inserted_.size());
  splice.last = static_cast<CharId>(end - 1);
  const std::uint64_t low = splice.before == kNoChar ? 0 : OrderLabel(splice.before);
  const std::uint64_t high = splice.after == kNoChar ? kEndLabel : OrderLabel(splice.after);
  insertionLabel_.push_back(low + (high - low) / 2);
  insertionNext_.push_back(kNoChar);
  insertionPrev_.push_back(kNoChar);
  const size_t offset = inserted_.size();
  inserted_ += insert;
  insertionStarts_.Resize(inserted_.size());
  insertionStarts_.Set(offset);
  // The blocks that begin up to this insertion's first character count the insertions before it; those
  // that begin within it, this one too.
  const size_t insertions = insertionLabel_.size();
  while (startsBefore_.size() * kStartBlock < inserted_.size()) {
    const bool blockBeginsWithin = startsBefore_.size() * kStartBlock > offset;
    startsBefore_.push_back(static_cast<std::uint32_t>(blockBeginsWithin ? insertions : insertions - 1));
  }
  for (BitFlags* flags : {&removed_, &nextChanged_, &prevChanged_}) flags->Resize(end);
  Link(splice.before, splice.first);
  Link(splice.last, splice.after);
  return splice;
}

void LinkedText::ReplaceBySame(CharId start, size_t length) {
  CharId c = start;
  for (size_t i = 0; i < length; ++i, c = Next(c)) {
    if (c < original_.size() && original_[c] != ' ') {
      original_[c] = AsciiLower(original_[c]);
      marked_.Set(c);
    }
  }
}

void LinkedText::ForEachPiece(const std::function<void(std::string_view)>& piece) const {
  // Implicit links run through one string; each stretch of them ends at a character whose link is stored.
  for (CharId c = head_; c != kNoChar;) {
    const auto end = static_cast<CharId>(nextChanged_.Find(c, original_.size() + inserted_.size(), true));
    ForEachAliveStretch(c, end + 1, piece);  // end is the last character of the stretch
    c = StoredNext(end);
  }
}

void LinkedText::ForEachAliveStretch(CharId from, CharId to, const std::function<void(std::string_view)>& piece) const {
  const std::string_view chars = from < original_.size() ? std::string_view(original_) : std::string_view(inserted_);
  const size_t offset = from < original_.size() ? 0 : original_.size();
  for (size_t begin = removed_.Find(from, to, false); begin < to;) {
    const size_t end = removed_.Find(begin, to, true);
    piece(chars.substr(begin - offset, end - begin));
    begin = removed_.Find(end, to, false);
  }
}

std::string LinkedText::ToString() const {
  std::string text;
  ForEachPiece([&](std::string_view piece) { text += piece; });
  return text;
}

}  // namespace kestrelle
