#include "ui/access_keys.h"

namespace kestrelle::ui {

char AccessKeyFor(char typed) { return typed >= 'a' && typed <= 'z' ? static_cast<char>(typed - 'a' + 'A') : typed; }

std::optional<char> AccessKeyOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return AccessKeyFor(caption[i + 1]);
    ++i;  // "&&" is a shown "&"
  }
  return std::nullopt;
}

std::string ShownCaption(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

}  // namespace kestrelle::ui
