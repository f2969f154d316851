#pragma once
// The four-position digit field of the delay boxes: each position holds a digit or a blank, a text that
// is set shorter than the field is padded with blanks at the left, and typing overwrites the character
// under the caret. Kept free of any window so that the editing rules can be tested on their own.

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelle::ui {

inline constexpr std::size_t kDigitMaskLength = 4;

// The field's content for a text given by the program: digits and blanks kept, any other character
// turned into a blank, the last four positions kept, blanks added at the left up to four.
std::string FitDigitMask(std::string_view text);

// The field while it is edited: its four characters and the selected range (a caret when empty).
struct DigitMaskState {
  std::string text = std::string(kDigitMaskLength, ' ');
  std::size_t selStart = 0;
  std::size_t selLength = 0;
};

// A typed character: a digit or a blank overwrites the position at the caret (after blanking a selection)
// and moves the caret on; returns false, changing nothing, for any other character or at the field's end.
bool TypeIntoDigitMask(DigitMaskState& state, char ch);

// Backspace blanks the selection, or else the position before the caret and moves the caret back.
void BackspaceInDigitMask(DigitMaskState& state);

// Delete blanks the selection, or else the position at the caret; the caret stays.
void DeleteInDigitMask(DigitMaskState& state);

}  // namespace kestrelle::ui
