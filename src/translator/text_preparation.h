#pragma once
// The preparation around a translation that the Translate command and the command-line filter share:
// the engine sees lower-case text with one blank appended, and the result gets its sentence capitals back
// and loses its trailing blanks.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "translator/text_tools.h"
#include "translator/translator.h"

namespace kestrelle {

// 'A'..'Z' lowered (nothing else changes), then one blank appended; done in the given string, which a
// caller that no longer needs its text moves in.
std::string PrepareForTranslation(std::string text);

// CapitaliseSentences, then every blank at the end removed.
void FinishTranslation(std::string& text);

// FinishTranslation for a translated text that comes in pieces, as the filter writes a long one: the text
// is handed to write in order as soon as the characters around it are known, except blanks, which wait
// until something else follows them.
class FinishedTextWriter {
 public:
  using Write = std::function<void(std::string_view)>;
  explicit FinishedTextWriter(Write write) : write_(std::move(write)) {}

  void Add(std::string_view piece);
  // The text ends: what is held is written, less the blanks at its end. The writer is then ready for
  // another text.
  void End();

 private:
  void Finish(bool atEnd);

  Write write_;
  SentenceCapitals capitals_;
  std::string held_;     // text added and not yet written
  size_t capitalised_ = 0;  // how much of held_ has been through capitals_
  char before_ = '\0';   // the character before the first one of held_ not yet capitalised
};

enum class GameCommands { LeaveAlone, TranslateAsSpeech };

// The text prepared, translated with the translator's style and finished; with GameCommands::LeaveAlone
// every game command line is kept as written and the speech around it goes through those steps run by run
// (see game_commands.h). Returns nothing when between() asked to stop.
std::optional<std::string> TranslateText(Translator& translator, std::string_view text, const RuleStrings& rules,
                                         const BetweenAlternatives& between, GameCommands commands);

}  // namespace kestrelle
