#include "ui/painted_control.h"

namespace kestrelle::ui {

LRESULT PaintedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(Handle(), &paint);
      Paint(dc);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kestrelle::ui
