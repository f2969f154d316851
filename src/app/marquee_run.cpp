#include "app/marquee_run.h"

#include <algorithm>
#include <cstdint>

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
  start_ = face_.ScrollsDown() ? BitmapRect().Bottom - metrics_.Height : 0;
  offset_ = start_;
  ticks_ = 0;
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
  const bool down = face_.ScrollsDown();
  if (down ? offset_ < 1 : last - 1 < offset_) {
    Deactivate();
    return;
  }
  // The distance from the start is worked out whole each tick, so the fractions of a pixel add up instead
  // of being lost tick by tick; every tick still moves at least one pixel.
  ++ticks_;
  const std::int64_t travelled = std::max<std::int64_t>(std::int64_t{ticks_} * metrics_.Dpi / 96, ticks_);
  offset_ = down ? static_cast<int>(std::max<std::int64_t>(start_ - travelled, 0))
                 : static_cast<int>(std::min<std::int64_t>(start_ + travelled, last));
}

}  // namespace kestrelle
