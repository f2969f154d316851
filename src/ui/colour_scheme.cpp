#include "ui/colour_scheme.h"

#include "ui/colour_contrast.h"

namespace kestrelle::ui {
namespace {

const ColourScheme* schemeInUse = nullptr;

Rgb RgbOf(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

COLORREF ColorRefOf(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

WantedColour Wanted(Colour colour) { return {RgbOf(colour.Resolve()), !colour.IsSystem()}; }

}  // namespace

bool ColourScheme::HighContrast() const {
  HIGHCONTRASTA settings{sizeof settings, 0, nullptr};
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) != FALSE &&
         (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF ColourScheme::SystemColour(int index) const { return GetSysColor(index); }

void UseColourScheme(const ColourScheme* scheme) { schemeInUse = scheme; }

const ColourScheme& CurrentColourScheme() {
  static const ColourScheme system;
  return schemeInUse != nullptr ? *schemeInUse : system;
}

COLORREF Colour::Resolve() const {
  return system_ ? CurrentColourScheme().SystemColour(static_cast<int>(value_)) : value_;
}

PaintColours PaintColoursOf(Colour text, Colour background) {
  const ColourScheme& scheme = CurrentColourScheme();
  const SchemeColours system{scheme.HighContrast(), RgbOf(scheme.SystemColour(COLOR_WINDOW)),
                             RgbOf(scheme.SystemColour(COLOR_WINDOWTEXT))};
  const Rgb shownBackground = ChooseBackground(Wanted(background), system);
  return {ColorRefOf(ChooseTextColour(Wanted(text), shownBackground, system)), ColorRefOf(shownBackground)};
}

}  // namespace kestrelle::ui
