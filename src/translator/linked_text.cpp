#include "translator/linked_text.h"

#include <bit>
#include <stdexcept>

namespace kestrelle {

namespace {
constexpr std::uint64_t kEndLabel = std::uint64_t{1} << 63;
}  // namespace

LinkedText::LinkedText(std::string_view text)
    : originalSize_(text.size()),
      shift_(static_cast<unsigned>(62 - std::bit_width(static_cast<std::uint64_t>(text.size()) + 1))),
      head_(text.empty() ? kNoChar : 0),
      chars_(text),
      next_(text.size()),
      prev_(text.size()),
      alive_(text.size(), 1) {
  if (text.size() >= kNoChar / 2) throw std::length_error("text too long to translate");
  for (size_t i = 0; i < text.size(); ++i) {
    next_[i] = static_cast<CharId>(i + 1);
    prev_[i] = static_cast<CharId>(i - 1);
  }
  if (!text.empty()) {
    next_.back() = kNoChar;
    prev_.front() = kNoChar;
  }
}

bool LinkedText::MatchesAt(CharId start, std::string_view key) const {
  if (!Alive(start)) return false;
  CharId c = start;
  for (const char wanted : key) {
    if (c == kNoChar || chars_[c] != wanted || !Matchable(c)) return false;
    c = next_[c];
  }
  return true;
}

bool LinkedText::Before(CharId a, CharId b) const {
  const std::uint64_t label = Label(a);
  const std::uint64_t other = Label(b);
  if (label != other) return label < other;
  for (CharId c = next_[a]; c != kNoChar && Label(c) == label; c = next_[c]) {
    if (c == b) return true;
  }
  return false;
}

LinkedText::Splice LinkedText::Replace(CharId start, size_t length, std::string_view insert) {
  Splice splice{prev_[start], kNoChar, kNoChar, start};
  for (size_t i = 0; i < length; ++i) {
    alive_[splice.after] = 0;
    splice.after = next_[splice.after];
  }
  if (!insert.empty()) {
    if (chars_.size() + insert.size() >= kNoChar) throw std::length_error("text too long to translate");
    splice.first = static_cast<CharId>(chars_.size());
    splice.last = static_cast<CharId>(chars_.size() + insert.size() - 1);
    const std::uint64_t low = splice.before == kNoChar ? 0 : Label(splice.before);
    const std::uint64_t high = splice.after == kNoChar ? kEndLabel : Label(splice.after);
    const std::uint64_t step = (high - low) / (insert.size() + 1);
    chars_ += insert;
    for (size_t i = 0; i < insert.size(); ++i) {
      const CharId c = static_cast<CharId>(splice.first + i);
      next_.push_back(c + 1);
      prev_.push_back(c - 1);
      alive_.push_back(1);
      insertedLabel_.push_back(low + step * (i + 1));
    }
    next_[splice.last] = splice.after;
    prev_[splice.first] = splice.before;
  }
  const CharId leftEnd = splice.first == kNoChar ? splice.after : splice.first;
  const CharId rightEnd = splice.last == kNoChar ? splice.before : splice.last;
  if (splice.before == kNoChar) {
    head_ = leftEnd;
  } else {
    next_[splice.before] = leftEnd;
  }
  if (splice.after != kNoChar) prev_[splice.after] = rightEnd;
  return splice;
}

std::string LinkedText::ToString() const {
  std::string text;
  for (CharId c = head_; c != kNoChar; c = next_[c]) text.push_back(chars_[c]);
  return text;
}

}  // namespace kestrelle

