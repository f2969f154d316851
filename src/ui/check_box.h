#pragma once
// A check box whose every change of state, by the user or by the program, raises onClick.

#include <functional>
#include <optional>

#include "ui/control.h"

namespace kestrelle::ui {

struct CheckBoxOptions {
  std::optional<FontSpec> font;
};

class CheckBox : public Control {
 public:
  CheckBox(Control& parent, const Rect& bounds, std::string_view caption, const CheckBoxOptions& options = {});

  std::function<void()> onClick;

  bool Checked() const;
  // Raises onClick when the state changes.
  void SetChecked(bool checked);

 protected:
  void OnCommand(WORD code) override;
};

}  // namespace kestrelle::ui
