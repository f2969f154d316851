#pragma once
// Colours that read in any colour scheme. The contrast of two colours is measured as the web's
// accessibility guidelines measure it, from their relative luminance; a control's own fixed colours give
// way to the system's where they would not read, and always while high contrast is on. Kept free of any
// window so that the rules can be tested on their own.

#include <cstdint>

namespace kestrelle::ui {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// 0 for black to 1 for white, from the sRGB components.
double RelativeLuminance(Rgb colour);
// (lighter + 0.05) / (darker + 0.05): 1 for a colour on itself, 21 for black on white.
double ContrastRatio(Rgb first, Rgb second);

// Text in a colour of the program's own reads on its background from this ratio on.
inline constexpr double kReadableContrast = 3.0;

// A colour as a control asks for it: one of its own, or one of the system's scheme.
struct WantedColour {
  Rgb rgb;
  bool fixed = false;
};

// What the system's colour scheme puts in place of a control's own colours.
struct SchemeColours {
  bool highContrast = false;
  Rgb window;      // the background of a window's contents
  Rgb windowText;  // the text on it
};

// A background of the control's own stays unless high contrast is on; then the system's window colour
// takes its place. The system's colours stay as they are.
Rgb ChooseBackground(WantedColour background, const SchemeColours& scheme);

// Text in a colour of the control's own stays where high contrast is off and it contrasts at least
// kReadableContrast with the background it is drawn on; else the system's window text colour takes its
// place. The system's colours stay as they are.
Rgb ChooseTextColour(WantedColour text, Rgb background, const SchemeColours& scheme);

}  // namespace kestrelle::ui
