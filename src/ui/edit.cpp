#include "ui/edit.h"

#include <commctrl.h>

#include "ui/wide_text.h"

namespace kestrelle::ui {
LRESULT EditBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (onKeyPress && IsAsciiKey(wParam)) {
        char key = static_cast<char>(wParam);
        onKeyPress(key);
        if (key == 0) return 0;
        wParam = static_cast<unsigned char>(key);
      }
      break;
    case WM_GETDLGCODE: {
      // With a key press handler the box takes Enter itself, rather than the form's keyboard interface.
      const LRESULT code = Control::HandleMessage(message, wParam, lParam);
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool enter = key != nullptr && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN;
      return onKeyPress && enter ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_SETFOCUS:
      if (onEnter) onEnter();
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (onMouseDown) onMouseDown();
      break;
    default:
      break;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

bool EditBase::ReadOnly() const { return (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_READONLY) != 0; }

void EditBase::SetReadOnly(bool readOnly) { SendMessageA(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }

void EditBase::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void EditBase::SetSelection(int start, int length) { SendMessageA(Handle(), EM_SETSEL, start, start + length); }

int EditBase::SelectionStart() const {
  DWORD start = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int EditBase::SelectionLength() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void EditBase::CreateOneLine(Control& parent, const Rect& bounds, std::string_view text, bool tabStop,
                             const std::optional<FontSpec>& font) {
  Create({.className = "EDIT",
          .style = WS_VISIBLE | ES_AUTOHSCROLL | (tabStop ? WS_TABSTOP : 0u),
          .exStyle = WS_EX_CLIENTEDGE,
          .parent = &parent,
          .bounds = bounds,
          .text = text,
          .font = font});
}

Edit::Edit(Control& parent, const Rect& bounds, std::string_view text, const EditOptions& options) {
  CreateOneLine(parent, bounds, text, options.tabStop, options.font);
  if (options.maxLength > 0) SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(options.maxLength), 0);
  if (!options.cue.empty()) {
    SendMessageW(Handle(), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(WideFromUtf8(options.cue).c_str()));
  }
}

}  // namespace kestrelle::ui
