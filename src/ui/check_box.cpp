#include "ui/check_box.h"

namespace kestrelle::ui {

CheckBox::CheckBox(Control& parent, const Rect& bounds, std::string_view caption, const CheckBoxOptions& options) {
  Create({.className = "BUTTON",
          .style = WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX,
          .parent = &parent,
          .bounds = bounds,
          .text = caption,
          .font = options.font});
}

bool CheckBox::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (onClick) onClick();
}

void CheckBox::OnCommand(WORD code) {
  if (code == BN_CLICKED) SetChecked(!Checked());
}

}  // namespace kestrelle::ui
