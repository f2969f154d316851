#include "ui/group_box.h"

namespace kestrelle::ui {

GroupBox::GroupBox(Control& parent, const Rect& bounds, std::string_view caption, const GroupBoxOptions& options) {
  Create({.className = "BUTTON",
          .style = WS_VISIBLE | BS_GROUPBOX | WS_CLIPCHILDREN,
          .exStyle = WS_EX_CONTROLPARENT,
          .parent = &parent,
          .bounds = bounds,
          .text = caption,
          .font = options.font,
          .fillsBackground = true});
}

}  // namespace kestrelle::ui
