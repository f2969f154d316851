#include "ui/scroll_bar.h"

#include <algorithm>

namespace kestrelle::ui {

ScrollBar::ScrollBar(Control& parent, const Rect& bounds, const ScrollBarOptions& options)
    : min_(options.min),
      max_(std::max(options.min, options.max)),
      position_(std::clamp(options.position, min_, max_)),
      smallChange_(options.smallChange),
      largeChange_(options.largeChange) {
  Create({.className = "SCROLLBAR", .style = WS_VISIBLE | WS_TABSTOP | SBS_HORZ, .parent = &parent, .bounds = bounds});
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, min_, max_, 0, position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void ScrollBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  SetScrollPos(Handle(), SB_CTL, position_, TRUE);
  if (onChange) onChange();
}

void ScrollBar::OnScroll(WORD code) {
  switch (code) {
    case SB_LINELEFT:
      SetPosition(position_ - smallChange_);
      break;
    case SB_LINERIGHT:
      SetPosition(position_ + smallChange_);
      break;
    case SB_PAGELEFT:
      SetPosition(position_ - largeChange_);
      break;
    case SB_PAGERIGHT:
      SetPosition(position_ + largeChange_);
      break;
    case SB_LEFT:
      SetPosition(min_);
      break;
    case SB_RIGHT:
      SetPosition(max_);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), SB_CTL, &info);
      SetPosition(info.nTrackPos);
      break;
    }
    default:
      break;
  }
}

}  // namespace kestrelle::ui
