#pragma once
// A horizontal scroll bar with a range and a position. Every change of the position, by the user or by
// the program, raises onChange.

#include <functional>

#include "ui/control.h"

namespace kestrelle::ui {

struct ScrollBarOptions {
  int min = 0;
  int max = 100;
  int position = 0;
  int smallChange = 1;
  int largeChange = 1;
};

class ScrollBar : public Control {
 public:
  ScrollBar(Control& parent, const Rect& bounds, const ScrollBarOptions& options = {});

  std::function<void()> onChange;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Moves to the position, kept within the range; raises onChange when it changes.
  void SetPosition(int position);

 protected:
  void OnScroll(WORD code) override;
  HBRUSH OnControlColour(HDC) override { return nullptr; }

 private:
  int min_;
  int max_;
  int position_;
  int smallChange_;
  int largeChange_;
};

}  // namespace kestrelle::ui
