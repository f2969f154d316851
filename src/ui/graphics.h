#pragma once
// Colours and fonts of the controls. Fonts and brushes are made once per distinct description and kept for
// the program's life, so controls can share them without owning them.

#include <windows.h>

#include <cstdint>
#include <string>

namespace kestrelle::ui {

// A fixed RGB colour or one of the system's colours (resolved when drawn, so theme changes show).
class Colour {
 public:
  static constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Colour(false, RGB(r, g, b)); }
  static constexpr Colour System(int index) { return Colour(true, static_cast<COLORREF>(index)); }

  // The colour now, a system colour as the colour scheme in use gives it (ui/colour_scheme.h).
  COLORREF Resolve() const;
  bool IsSystem() const { return system_; }
  friend constexpr bool operator==(const Colour&, const Colour&) = default;

 private:
  constexpr Colour(bool system, COLORREF value) : system_(system), value_(value) {}
  bool system_;
  COLORREF value_;
};

namespace colours {
inline constexpr Colour ButtonFace = Colour::System(COLOR_BTNFACE);
inline constexpr Colour Window = Colour::System(COLOR_WINDOW);
inline constexpr Colour WindowText = Colour::System(COLOR_WINDOWTEXT);
inline constexpr Colour Highlight = Colour::System(COLOR_BTNHIGHLIGHT);
inline constexpr Colour Shadow = Colour::System(COLOR_BTNSHADOW);
inline constexpr Colour Navy = Colour::Rgb(0, 0, 128);
inline constexpr Colour Red = Colour::Rgb(255, 0, 0);
inline constexpr Colour Yellow = Colour::Rgb(255, 255, 0);
inline constexpr Colour White = Colour::Rgb(255, 255, 255);
}  // namespace colours

// A font by face name, height (negative: character height in pixels, as in LOGFONT), style and colour.
struct FontSpec {
  std::string name;
  int height = 0;
  bool bold = false;
  bool italic = false;
  Colour colour = colours::WindowText;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The shared font for a description (ANSI character set) at a DPI, its height scaled from 96 DPI, in the
// face's installed stand-in where the face is missing (see font_face.h); never null.
HFONT SharedFont(const FontSpec& wanted, int dpi = 96);

// The shared solid brush of a colour.
HBRUSH SharedBrush(COLORREF colour);

}  // namespace kestrelle::ui
