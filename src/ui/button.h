#pragma once
// A push button; the default button of a form is also pressed by Enter.

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
  void OnCommand(WORD code) override;
};

}  // namespace kestrelle::ui
