#pragma once
// A plain container with an outer and an inner bevel (each none, raised or lowered, of a width in pixels),
// an optional single-line border, a background colour and a caption centred in it.

#include <optional>

#include "ui/painted_control.h"

namespace kestrelle::ui {

enum class Bevel { None, Raised, Lowered };

struct PanelOptions {
  Bevel bevelOuter = Bevel::Raised;
  Bevel bevelInner = Bevel::None;
  int bevelWidth = 1;  // layout units, like the bounds
  bool singleBorder = false;
  std::optional<Colour> colour;
  std::optional<FontSpec> font;
};

class Panel : public PaintedControl {
 public:
  Panel(Control& parent, const Rect& bounds, std::string_view caption, const PanelOptions& options = {});

  void SetBevels(Bevel outer, Bevel inner);
  void SetSingleBorder(bool single);
  int BevelWidth() const { return bevelWidth_; }  // layout units

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc) override;

 private:
  Bevel outer_;
  Bevel inner_;
  int bevelWidth_;
};

}  // namespace kestrelle::ui
