#pragma once
// The preparation around a translation that the Translate command and the command-line filter share:
// the engine sees lower-case text with one blank appended, and the result gets its sentence capitals back
// and loses its trailing blanks.
#include <optional>
#include <string>
#include <string_view>

#include "translator/translator.h"

namespace kestrelle {

// 'A'..'Z' lowered (nothing else changes), then one blank appended.
std::string PrepareForTranslation(std::string_view text);

// CapitaliseSentences, then every blank at the end removed.
void FinishTranslation(std::string& text);

enum class GameCommands { LeaveAlone, TranslateAsSpeech };

// The text prepared, translated with the translator's style and finished; with GameCommands::LeaveAlone
// every game command line is kept as written and the speech around it goes through those steps run by run
// (see game_commands.h). Returns nothing when between() asked to stop.
std::optional<std::string> TranslateText(Translator& translator, std::string_view text, const RuleStrings& rules,
                                         const BetweenAlternatives& between, GameCommands commands);

}  // namespace kestrelle
