#pragma once
// A push button. As in any dialog, Enter presses the button that has the focus, which shows as the one
// Enter presses while it has it; the default button of a form is also pressed by Enter when the focused
// control does not use the key itself.

#include <functional>
#include <optional>

#include "ui/control.h"

namespace kestrelle::ui {

struct ButtonOptions {
  bool isDefault = false;
  std::optional<FontSpec> font;
};

class Button : public Control {
 public:
  Button(Control& parent, const Rect& bounds, std::string_view caption, const ButtonOptions& options = {});

  std::function<void()> onClick;
  // Raises onClick, as a press of the button does.
  void Click();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WORD code) override;

 private:
  bool isDefault_;
};

}  // namespace kestrelle::ui
