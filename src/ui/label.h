#pragma once
// A static text of fixed size, left, right or centre aligned, in its font's colour on its parent's
// background. A label names the control just after it among its siblings for screen readers, and an "&"
// in its caption gives that control an access key. Where a page shows no label, a hidden one names its
// control all the same.

#include <optional>

#include "ui/control.h"

namespace kestrelle::ui {

enum class Alignment { Left, Right, Centre };

struct LabelOptions {
  Alignment alignment = Alignment::Left;
  bool wordWrap = false;
  bool hidden = false;  // never shown: it only names its control
  std::optional<FontSpec> font;
};

class Label : public Control {
 public:
  Label(Control& parent, const Rect& bounds, std::string_view caption, const LabelOptions& options = {});
};

}  // namespace kestrelle::ui
