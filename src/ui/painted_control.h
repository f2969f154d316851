#pragma once
// The base of the layer's controls that draw themselves (pictures, panels): Paint draws the whole client
// area, both for the window's own painting and when the system asks for a copy (WM_PRINTCLIENT).

#include "ui/control.h"

namespace kestrelle::ui {

class PaintedControl : public Control {
 protected:
  PaintedControl() = default;
  virtual void Paint(HDC dc) = 0;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kestrelle::ui
