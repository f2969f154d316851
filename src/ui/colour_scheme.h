#pragma once
// The system's colour scheme as everything the window layer paints reads it: whether high contrast is on
// and the system's colours. What a control paints itself takes its colours through PaintColoursOf, so that
// its own fixed colours give way to the system's where they would not read (ui/colour_contrast.h).
//
// Wine cannot switch high contrast on, so a test puts in a scheme of its own with UseColourScheme.

#include <windows.h>

#include "ui/graphics.h"

namespace kestrelle::ui {

class ColourScheme {
 public:
  virtual ~ColourScheme() = default;
  // SPI_GETHIGHCONTRAST.
  virtual bool HighContrast() const;
  // GetSysColor.
  virtual COLORREF SystemColour(int index) const;
};

// The scheme in use from now on: the one given (not owned), or the system's again for null.
void UseColourScheme(const ColourScheme* scheme);
const ColourScheme& CurrentColourScheme();

struct PaintColours {
  COLORREF text;
  COLORREF background;
};

// The colours for text wanted in one colour on a background wanted in another, as the scheme in use lets
// them show.
PaintColours PaintColoursOf(Colour text, Colour background);

}  // namespace kestrelle::ui
