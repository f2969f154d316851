#include "app/about_box.h"

#include <algorithm>

namespace kestrelle {

TAboutBox::TAboutBox()
    : Form("About", {.clientWidth = 297, .clientHeight = 215, .font = {"Courier New", -11}, .border = ui::FormBorder::Dialog}),
      OKButton(*this, {111, 180, 75, 25}, "OK", {.isDefault = true}) {
  const ui::Rect outer = Bounds();
  MoveTo(std::max(0, (GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2),
         std::max(0, (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2));
  OKButton.onClick = [this] { Close(); };
}

}  // namespace kestrelle
