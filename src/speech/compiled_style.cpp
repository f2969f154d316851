#include "speech/compiled_style.h"

#include "speech/game_commands.h"
#include "speech/rule_set.h"
#include "speech/short_text.h"

namespace kestrelle {

CompiledStyle::CompiledStyle(const RuleStrings& rules, int base) {
  if (base == 0) return;
  compiled_ = std::make_unique<CompiledRules>(ReadRuleSet(rules, base));
  engine_ = std::make_unique<RewriteEngine>(*compiled_);
}

bool CompiledStyle::Rewrite(std::string text, Translator& translator, const BetweenAlternatives& between,
                            const std::function<void(std::string_view)>& piece) {
  if (!engine_) {
    piece(text);
    spare_ = std::move(text);
    return true;
  }
  spare_ = text_.Assign(std::move(text));
  const bool finished = engine_->Run(text_, translator, between);
  if (finished) text_.ForEachPiece(piece);
  if (text_.Original().size() > kShortText) text_ = LinkedText(std::string());
  return finished;
}

bool CompiledStyle::TranslateSpeech(std::string text, Translator& translator, const BetweenAlternatives& between,
                                    FinishedTextWriter& writer) {
  const bool finished = Rewrite(PrepareForTranslation(std::move(text)), translator, between,
                                [&writer](std::string_view piece) { writer.Add(piece); });
  if (finished) writer.End();
  return finished;
}

std::string CompiledStyle::Spare() {
  std::string spare = std::move(spare_);
  spare.clear();
  return spare;
}

CompiledStyle& CompiledStyles::For(int base) {
  std::unique_ptr<CompiledStyle>& style = styles_[base];
  if (!style) style = std::make_unique<CompiledStyle>(rules_, base);
  return *style;
}

bool TranslateText(CompiledStyle& style, Translator& translator, std::string text, GameCommands commands,
                   const BetweenAlternatives& between, FinishedTextWriter& writer) {
  // A text without a command line goes the direct way, so that it is never copied.
  if (commands == GameCommands::TranslateAsSpeech || !HasGameCommandLine(text)) {
    return style.TranslateSpeech(std::move(text), translator, between, writer);
  }
  return TranslateAroundGameCommands(
      text,
      [&](std::string_view speech) { return style.TranslateSpeech(std::string(speech), translator, between, writer); },
      [&writer](std::string_view command) { writer.WriteAsIs(command); });
}

std::optional<std::string> TranslateText(CompiledStyle& style, Translator& translator, std::string text,
                                         GameCommands commands, const BetweenAlternatives& between) {
  std::string translated;
  FinishedTextWriter writer([&translated](std::string_view piece) { translated += piece; });
  if (!TranslateText(style, translator, std::move(text), commands, between, writer)) return std::nullopt;
  return translated;
}

}  // namespace kestrelle
