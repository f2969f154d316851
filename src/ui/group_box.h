#pragma once
// A captioned frame that holds other controls.

#include <optional>

#include "ui/control.h"

namespace kestrelle::ui {

struct GroupBoxOptions {
  std::optional<FontSpec> font;
};

class GroupBox : public Control {
 public:
  GroupBox(Control& parent, const Rect& bounds, std::string_view caption, const GroupBoxOptions& options = {});
};

}  // namespace kestrelle::ui
