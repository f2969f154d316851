#pragma once
// A static text of fixed size, left, right or centre aligned, in its font's colour on its parent's
// background.

#include <optional>

#include "ui/control.h"

namespace kestrelle::ui {

enum class Alignment { Left, Right, Centre };

struct LabelOptions {
  Alignment alignment = Alignment::Left;
  bool wordWrap = false;
  std::optional<FontSpec> font;
};

class Label : public Control {
 public:
  Label(Control& parent, const Rect& bounds, std::string_view caption, const LabelOptions& options = {});
};

}  // namespace kestrelle::ui
