#include "speech/text_preparation.h"

namespace kestrelle {

namespace {
// Text held before it is written: enough that writing costs little per character.
constexpr size_t kHeldText = 1 << 16;
}  // namespace

std::string PrepareForTranslation(std::string text) {
  text.push_back(' ');
  return text;
}

// A long piece (a whole text in the unchanged style) is taken a slice at a time, so that it is never held
// twice.
void FinishedTextWriter::Add(std::string_view piece) {
  while (!piece.empty()) {
    const std::string_view slice = piece.substr(0, kHeldText);
    piece.remove_prefix(slice.size());
    held_ += slice;
    if (held_.size() >= kHeldText) Finish(false);
  }
}

void FinishedTextWriter::End() { Finish(true); }

void FinishedTextWriter::Finish(bool atEnd) {
  // Until the text ends, the last character waits for the one after it.
  const size_t known = atEnd ? held_.size() : held_.size() - 1;
  if (capitalised_ < known) {
    capitals_.Apply(std::span<char>(held_).subspan(capitalised_, known - capitalised_), before_,
                    known < held_.size() ? held_[known] : '\0');
    before_ = held_[known - 1];
    capitalised_ = known;
  }
  const std::string_view searched = std::string_view(held_).substr(0, known).substr(blanksAhead_);
  const size_t lastKept = searched.find_last_not_of(' ');
  const size_t written = lastKept == std::string_view::npos ? 0 : blanksAhead_ + lastKept + 1;
  if (written > 0) write_(std::string_view(held_).substr(0, written));
  if (atEnd) {
    held_.clear();
    capitalised_ = 0;
    blanksAhead_ = 0;
    capitals_ = SentenceCapitals();
    before_ = '\0';
    return;
  }
  held_.erase(0, written);
  capitalised_ -= written;
  blanksAhead_ = known - written;
}

}  // namespace kestrelle
