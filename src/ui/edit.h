#pragma once
// Text boxes: EditBase holds what the one-line edit, the masked edit and the memo share (key press and
// mouse down events, selection, read-only mode); Edit is the plain one-line box.

#include <functional>
#include <optional>
#include <string>

#include "ui/control.h"

namespace kestrelle::ui {

class EditBase : public Control {
 public:
  // A key of ASCII typed into the box (Enter, a digit, a letter of ASCII), before the box takes it; setting
  // it to 0 swallows it. A letter beyond ASCII goes into the box without it.
  std::function<void(char& key)> onKeyPress;
  // Any mouse button pressed on the box.
  std::function<void()> onMouseDown;
  // The box receives the keyboard focus.
  std::function<void()> onEnter;

  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  void SelectAll();
  void SetSelection(int start, int length);
  int SelectionStart() const;
  int SelectionLength() const;

 protected:
  EditBase() = default;
  // Whether a WM_CHAR's character (a UTF-16 unit) is one of ASCII.
  static constexpr bool IsAsciiKey(WPARAM unit) { return unit < 0x80; }
  // Creates the one-line box that Edit and MaskedEdit share.
  void CreateOneLine(Control& parent, const Rect& bounds, std::string_view text, bool tabStop,
                     const std::optional<FontSpec>& font);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Read-only boxes too keep the window colour.
  std::optional<Colour> ClassBackground() const override { return colours::Window; }
};

struct EditOptions {
  int maxLength = 0;  // 0: no limit beyond the system's
  bool tabStop = true;
  std::string cue;  // shown greyed in the empty box, also while it has the focus (what to type, or how)
  std::optional<FontSpec> font;
};

class Edit : public EditBase {
 public:
  Edit(Control& parent, const Rect& bounds, std::string_view text, const EditOptions& options = {});
};

}  // namespace kestrelle::ui
