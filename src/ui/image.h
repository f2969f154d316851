#pragma once
// A picture: draws its bitmap or icon stretched to its own size. It never sizes itself to the picture.

#include "ui/painted_control.h"

namespace kestrelle::ui {

class Image : public PaintedControl {
 public:
  Image(Control& parent, const Rect& bounds);

  // Takes the bitmap over (null: no picture) and redraws.
  void SetBitmap(BitmapHandle bitmap);
  // Takes the icon over in place of any bitmap and redraws; the icon's transparent parts show the
  // background.
  void SetIcon(IconHandle icon);
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  // The bitmap's own size in pixels (0 x 0 without one).
  SIZE BitmapSize() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;

  BitmapHandle bitmap_;
  IconHandle icon_;
};

}  // namespace kestrelle::ui
