#include "speech/speech_styles.h"

namespace kestrelle {

std::optional<SpeechStyle> FindSpeechStyle(std::string_view name) {
  for (const SpeechStyle& style : kSpeechStyles) {
    if (style.name == name) return style;
  }
  return std::nullopt;
}

std::vector<std::string> SpeechStyleCaptions() {
  std::vector<std::string> captions;
  for (const SpeechStyle& style : kSpeechStyles) captions.emplace_back(style.caption);
  return captions;
}

}  // namespace kestrelle
