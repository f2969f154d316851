#pragma once
// The preparation around a translation that the Translate command and the command-line filter share:
// the engine sees the text as typed with one blank appended (its rules match the text lower-cased, and
// keep the case of what they do not replace), and the result gets sentence capitals and loses its trailing
// blanks.
#include <functional>
#include <string>
#include <string_view>

#include "speech/text_tools.h"

namespace kestrelle {

// The text with one blank appended, in the given string, which a caller that no longer needs its text
// moves in.
std::string PrepareForTranslation(std::string text);

// The finishing of a translated text (CapitaliseSentences, then every blank at the end removed) for a
// text that comes in pieces, as a long one is written: the text is handed to write in order as soon as
// the characters around it are known, except blanks, which wait until something else follows them.
class FinishedTextWriter {
 public:
  using Write = std::function<void(std::string_view)>;
  explicit FinishedTextWriter(Write write) : write_(std::move(write)) {}

  void Add(std::string_view piece);
  // The text ends: what is held is written, less the blanks at its end. The writer is then ready for
  // another text.
  void End();
  // Text that is no translation (a game command line) between two texts, written as it is.
  void WriteAsIs(std::string_view text) { write_(text); }

 private:
  void Finish(bool atEnd);

  Write write_;
  SentenceCapitals capitals_;
  std::string held_;     // text added and not yet written
  size_t capitalised_ = 0;  // how much of held_ has been through capitals_
  // How much of the start of held_ is known to be blanks: what a partial Finish held back. The search for
  // the last character to write starts after it, so that a long run of blanks (a rule that deletes words)
  // is searched once, not again for every piece that follows it.
  size_t blanksAhead_ = 0;
  char before_ = '\0';   // the character before the first one of held_ not yet capitalised
};

}  // namespace kestrelle
