#include "app/marquee_run.h"

#include <algorithm>

namespace kestrelle {

TMarqueeRect MarqueeRun::BitmapRect() const {
  return {0, 0, metrics_.Width, metrics_.LineCount * metrics_.LineHeight + 2 * metrics_.Height};
}

TMarqueeRect MarqueeRun::ViewRect() const {
  const int bevel = metrics_.BevelWidth;
  return {bevel, bevel, metrics_.Width - bevel, metrics_.Height - bevel};
}

TMarqueeRect MarqueeRun::LineRect(int index) const {
  const TMarqueeRect view = ViewRect();
  return {view.Left, metrics_.Height + index * metrics_.LineHeight, view.Right, BitmapRect().Bottom};
}

void MarqueeRun::Activate() {
  if (active_ || face_.LineCount() == 0) return;
  active_ = true;
  metrics_ = face_.Measure();
  // Upward, the view starts on the blank control height above the first line; downward, on the one
  // below the last.
  offset_ = face_.ScrollsDown() ? BitmapRect().Bottom - metrics_.Height : 0;
  face_.FillBitmap(*this);
  face_.SetTicking(true);
}

void MarqueeRun::Deactivate() {
  if (!active_) return;
  face_.SetTicking(false);
  face_.RaiseDone();
  active_ = false;
  face_.ReleaseBitmap();
}

void MarqueeRun::Step() {
  if (!active_) return;
  const int last = metrics_.ClientHeight + metrics_.LineCount * metrics_.LineHeight;
  const int step = std::max(metrics_.Step, 1);
  if (face_.ScrollsDown()) {
    if (offset_ < 1) {
      Deactivate();
    } else {
      offset_ = std::max(offset_ - step, 0);
    }
  } else if (last - 1 < offset_) {
    Deactivate();
  } else {
    offset_ = std::min(offset_ + step, last);
  }
}

}  // namespace kestrelle
