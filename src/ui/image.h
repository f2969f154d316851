#pragma once
// A picture: draws its bitmap stretched to its own size. It never sizes itself to the bitmap.

#include "ui/painted_control.h"

namespace kestrelle::ui {

class Image : public PaintedControl {
 public:
  Image(Control& parent, const Rect& bounds);

  // Takes the bitmap over (null: no picture) and redraws.
  void SetBitmap(BitmapHandle bitmap);
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  // The bitmap's own size in pixels (0 x 0 without one).
  SIZE BitmapSize() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;

  BitmapHandle bitmap_;
};

}  // namespace kestrelle::ui
