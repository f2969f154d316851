#include "ui/button.h"

#include "ui/form.h"

namespace kestrelle::ui {
namespace {

bool IsEnter(const MSG* key) {
  return key != nullptr && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN;
}

}  // namespace

Button::Button(Control& parent, const Rect& bounds, std::string_view caption, const ButtonOptions& options)
    : isDefault_(options.isDefault) {
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

LRESULT Button::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      const LRESULT code = Control::HandleMessage(message, wParam, lParam);
      return IsEnter(reinterpret_cast<const MSG*>(lParam)) ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        Click();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == VK_RETURN) return 0;  // the press came with the key
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!isDefault_) {
        const WPARAM style = message == WM_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        SendMessageA(Handle(), BM_SETSTYLE, style, TRUE);
      }
      break;
    default:
      break;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace kestrelle::ui
