#include "translator/text_preparation.h"

#include "translator/game_commands.h"
#include "translator/text_tools.h"

namespace kestrelle {

std::string PrepareForTranslation(std::string_view text) {
  std::string prepared;
  prepared.reserve(text.size() + 1);
  for (const char c : text) prepared.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  prepared.push_back(' ');
  return prepared;
}

void FinishTranslation(std::string& text) {
  CapitaliseSentences(text);
  const size_t keep = text.find_last_not_of(' ');
  text.erase(keep == std::string::npos ? 0 : keep + 1);
}

std::optional<std::string> TranslateText(Translator& translator, std::string_view text, const RuleStrings& rules,
                                         const BetweenAlternatives& between, GameCommands commands) {
  const SpeechTranslation speech = [&](std::string_view run) -> std::optional<std::string> {
    std::optional<std::string> translated = translator.Translate(PrepareForTranslation(run), rules, between);
    if (translated) FinishTranslation(*translated);
    return translated;
  };
  return commands == GameCommands::LeaveAlone ? TranslateAroundGameCommands(text, speech) : speech(text);
}

}  // namespace kestrelle
