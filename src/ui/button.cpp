#include "ui/button.h"

#include "ui/form.h"

namespace kestrelle::ui {

Button::Button(Control& parent, const Rect& bounds, std::string_view caption, const ButtonOptions& options) {
  Create({.className = "BUTTON",
          .style = WS_VISIBLE | WS_TABSTOP | static_cast<DWORD>(options.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
          .parent = &parent,
          .bounds = bounds,
          .text = caption,
          .font = options.font,
          .id = options.isDefault ? IDOK : 0});
  if (options.isDefault) {
    if (Form* form = OwnerForm()) form->SetDefaultButton(this);
  }
}

void Button::Click() {
  if (onClick) onClick();
}

void Button::OnCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

}  // namespace kestrelle::ui
