#pragma once
// A speech style made ready to translate with: its rules read and compiled once, with the engine and the
// linked text that every translation in it reuses. The Translate command keeps one per style for the
// program's life (CompiledStyles), the filter one for its style; both translate through TranslateText.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "speech/compiled_rules.h"
#include "speech/game_commands.h"
#include "speech/linked_text.h"
#include "speech/rewrite_engine.h"
#include "speech/rule_strings.h"
#include "speech/text_preparation.h"
#include "speech/translator.h"

namespace kestrelle {

class CompiledStyle {
 public:
  // The rules with this id base; base 0, the unchanged style, has none.
  CompiledStyle(const RuleStrings& rules, int base);

  // Applies the rules to text, drawing from translator, and hands the result to piece in text order. The
  // rules match the text lower-cased; every character that no rule replaced keeps its case, and what a
  // rule put in is as the rule wrote it. False when between() asked to stop.
  bool Rewrite(std::string text, Translator& translator, const BetweenAlternatives& between,
               const std::function<void(std::string_view)>& piece);

  // One run of speech: prepared, rewritten and finished into writer, which is then ended.
  bool TranslateSpeech(std::string text, Translator& translator, const BetweenAlternatives& between,
                       FinishedTextWriter& writer);

  // An empty string with the room of the last text rewritten, for the next one.
  std::string Spare();

 private:
  std::unique_ptr<CompiledRules> compiled_;  // none for the unchanged style
  std::unique_ptr<RewriteEngine> engine_;
  LinkedText text_{std::string()};
  std::string spare_;
};

// The styles of one set of rule strings, each compiled when it is first asked for and kept from then on.
class CompiledStyles {
 public:
  explicit CompiledStyles(const RuleStrings& rules) : rules_(rules) {}
  CompiledStyle& For(int base);

 private:
  const RuleStrings& rules_;
  std::map<int, std::unique_ptr<CompiledStyle>> styles_;
};

enum class GameCommands { LeaveAlone, TranslateAsSpeech };

// The text translated in a style and finished, handed to writer piece by piece. With GameCommands::LeaveAlone
// every game command line is written as it is and the speech around it translated run by run (see
// game_commands.h). False when between() asked to stop; what was written by then is a beginning only, and
// the writer is not to be used again.
bool TranslateText(CompiledStyle& style, Translator& translator, std::string text, GameCommands commands,
                   const BetweenAlternatives& between, FinishedTextWriter& writer);
// The same, whole; nothing when between() asked to stop.
std::optional<std::string> TranslateText(CompiledStyle& style, Translator& translator, std::string text,
                                         GameCommands commands, const BetweenAlternatives& between);

}  // namespace kestrelle
