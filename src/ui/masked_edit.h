#pragma once
// A one-line box for the digit mask "!9999;1; ": four positions, each a digit or a blank, typed over in
// place; a text set shorter is padded with blanks at the left. Any other character is refused with the
// default beep. The editing rules are those of ui/digit_mask.h.

#include <optional>

#include "ui/digit_mask.h"
#include "ui/edit.h"

namespace kestrelle::ui {

struct MaskedEditOptions {
  bool tabStop = true;
  std::optional<FontSpec> font;
};

class MaskedEdit : public EditBase {
 public:
  MaskedEdit(Control& parent, const Rect& bounds, std::string_view text, const MaskedEditOptions& options = {});

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  DigitMaskState State() const;
  void Apply(const DigitMaskState& state);
  void TypeText(std::string_view text);
};

}  // namespace kestrelle::ui
