#include "ui/digit_mask.h"

#include <algorithm>

namespace kestrelle::ui {
namespace {

bool IsMaskChar(char ch) { return ch == ' ' || (ch >= '0' && ch <= '9'); }

// Blanks the selected range and collapses it to a caret at its start; returns whether there was one.
bool BlankSelection(DigitMaskState& state) {
  if (state.selLength == 0) return false;
  const std::size_t end = std::min(state.selStart + state.selLength, state.text.size());
  for (std::size_t i = state.selStart; i < end; ++i) state.text[i] = ' ';
  state.selLength = 0;
  return true;
}

}  // namespace

std::string FitDigitMask(std::string_view text) {
  if (text.size() > kDigitMaskLength) text = text.substr(text.size() - kDigitMaskLength);
  std::string fitted(kDigitMaskLength - text.size(), ' ');
  for (char ch : text) fitted += IsMaskChar(ch) ? ch : ' ';
  return fitted;
}

bool TypeIntoDigitMask(DigitMaskState& state, char ch) {
  if (!IsMaskChar(ch)) return false;
  if (state.selLength == 0 && state.selStart >= state.text.size()) return false;
  BlankSelection(state);
  state.text[state.selStart++] = ch;
  return true;
}

void BackspaceInDigitMask(DigitMaskState& state) {
  if (BlankSelection(state) || state.selStart == 0) return;
  state.text[--state.selStart] = ' ';
}

void DeleteInDigitMask(DigitMaskState& state) {
  if (BlankSelection(state) || state.selStart >= state.text.size()) return;
  state.text[state.selStart] = ' ';
}

}  // namespace kestrelle::ui
