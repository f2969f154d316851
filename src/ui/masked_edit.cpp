#include "ui/masked_edit.h"

#include <string>

#include "ui/clipboard.h"
#include "ui/digit_mask.h"
#include "ui/wide_text.h"

namespace kestrelle::ui {

MaskedEdit::MaskedEdit(Control& parent, const Rect& bounds, std::string_view text, const MaskedEditOptions& options) {
  CreateOneLine(parent, bounds, FitDigitMask(text), options.tabStop, options.font);
  SendMessageA(Handle(), EM_SETLIMITTEXT, kDigitMaskLength, 0);
}

DigitMaskState MaskedEdit::State() const {
  DigitMaskState state;
  state.text = FitDigitMask(Text());
  state.selStart = static_cast<std::size_t>(SelectionStart());
  state.selLength = static_cast<std::size_t>(SelectionLength());
  return state;
}

void MaskedEdit::Apply(const DigitMaskState& state) {
  SetText(state.text);
  SetSelection(static_cast<int>(state.selStart), static_cast<int>(state.selLength));
}

void MaskedEdit::TypeText(std::string_view text) {
  DigitMaskState state = State();
  for (char ch : text) TypeIntoDigitMask(state, ch);
  Apply(state);
}

LRESULT MaskedEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool edits = message == WM_CHAR || message == WM_KEYDOWN || message == WM_CUT || message == WM_PASTE ||
                     message == WM_CLEAR;
  if (edits && ReadOnly()) return EditBase::HandleMessage(message, wParam, lParam);
  switch (message) {
    case WM_SETTEXT: {
      return DefaultSetText(wParam, FitDigitMask(TextOfMessage(lParam)));
    }
    case WM_CHAR: {
      if (!IsAsciiKey(wParam)) {  // no digit
        MessageBeep(MB_OK);
        return 0;
      }
      char key = static_cast<char>(wParam);
      if (onKeyPress) {
        onKeyPress(key);
        if (key == 0) return 0;
      }
      DigitMaskState state = State();
      if (key == '\b') {
        BackspaceInDigitMask(state);
      } else if (static_cast<unsigned char>(key) < ' ') {
        return DefaultHandling(message, static_cast<unsigned char>(key), lParam);  // Ctrl+C, X, V: see below
      } else if (!TypeIntoDigitMask(state, key)) {
        MessageBeep(MB_OK);
        return 0;
      }
      Apply(state);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        DigitMaskState state = State();
        DeleteInDigitMask(state);
        Apply(state);
        return 0;
      }
      break;
    case WM_CUT: {
      SendMessageW(Handle(), WM_COPY, 0, 0);
      DigitMaskState state = State();
      if (state.selLength > 0) DeleteInDigitMask(state);
      Apply(state);
      return 0;
    }
    case WM_PASTE:
      TypeText(Utf8FromWide(ClipboardText(Handle())));
      return 0;
    case WM_CLEAR: {
      DigitMaskState state = State();
      DeleteInDigitMask(state);
      Apply(state);
      return 0;
    }
    case WM_UNDO:
    case EM_UNDO:
      return 0;  // the box keeps no undo step that would respect the mask
    default:
      break;
  }
  return EditBase::HandleMessage(message, wParam, lParam);
}

}  // namespace kestrelle::ui
