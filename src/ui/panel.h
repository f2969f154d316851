#pragma once
// A plain container with an outer and an inner bevel (each none, raised or lowered, one pixel), an
// optional single-line border, a background colour and a caption centred in it.

#include <optional>

#include "ui/painted_control.h"

namespace kestrelle::ui {

enum class Bevel { None, Raised, Lowered };

struct PanelOptions {
  Bevel bevelOuter = Bevel::Raised;
  Bevel bevelInner = Bevel::None;
  bool singleBorder = false;
  std::optional<Colour> colour;
  std::optional<FontSpec> font;
};

class Panel : public PaintedControl {
 public:
  Panel(Control& parent, const Rect& bounds, std::string_view caption, const PanelOptions& options = {});

  void SetBevels(Bevel outer, Bevel inner);
  void SetSingleBorder(bool single);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;

  Bevel outer_;
  Bevel inner_;
};

}  // namespace kestrelle::ui
