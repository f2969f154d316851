#include "ui/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace kestrelle::ui {
namespace {

// One sRGB component (0 to 255) as linear light (0 to 1).
double Linear(std::uint8_t component) {
  const double value = component / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb ChooseBackground(WantedColour background, const SchemeColours& scheme) {
  return background.fixed && scheme.highContrast ? scheme.window : background.rgb;
}

Rgb ChooseTextColour(WantedColour text, Rgb background, const SchemeColours& scheme) {
  if (!text.fixed) return text.rgb;
  const bool reads = !scheme.highContrast && ContrastRatio(text.rgb, background) >= kReadableContrast;
  return reads ? text.rgb : scheme.windowText;
}

}  // namespace kestrelle::ui
