#include "ui/graphics.h"

#include <map>
#include <tuple>

#include "ui/dpi.h"
#include "ui/font_face.h"
#include "ui/smart_handle.h"

namespace kestrelle::ui {
namespace {

FontHandle NewFont(const FontSpec& wanted, int height, BYTE precision = OUT_DEFAULT_PRECIS) {
  LOGFONTA description{};
  description.lfHeight = height;
  description.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = wanted.italic ? TRUE : FALSE;
  description.lfCharSet = ANSI_CHARSET;
  description.lfOutPrecision = precision;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynA(description.lfFaceName, InstalledFace(wanted.name).c_str(), LF_FACESIZE);
  return FontHandle(CreateFontIndirectA(&description));
}

TEXTMETRICA MetricsOf(HFONT font) {
  TEXTMETRICA metrics{};
  MemoryDcHandle canvas(CreateCompatibleDC(nullptr));
  SelectedObject selected(canvas.Get(), font);
  GetTextMetricsA(canvas.Get(), &metrics);
  return metrics;
}

// The font at a DPI. Glyphs are rounded to whole pixels and bitmap fonts come in a few sizes, so a font
// of exactly the scaled height may be taller or wider than its 96-DPI self scaled; then the next smaller
// height that is not is taken (the 96-DPI height when none is), so that a caption that fits its control
// at 96 DPI fits it at every scale. A bitmap font, which only grows by whole multiples, gives way to an
// outline font of its family.
FontHandle NewScaledFont(const FontSpec& wanted, int dpi, HFONT layoutFont) {
  const TEXTMETRICA layout = MetricsOf(layoutFont);
  const bool scalable = (layout.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
  const BYTE precision = scalable ? OUT_DEFAULT_PRECIS : OUT_TT_ONLY_PRECIS;
  const int maxHeight = ScaleToDpi(layout.tmHeight, dpi);
  const int maxCharWidth = ScaleToDpi(layout.tmAveCharWidth, dpi);
  const int step = wanted.height < 0 ? 1 : -1;
  for (int height = ScaleToDpi(wanted.height, dpi); height != wanted.height; height += step) {
    FontHandle font = NewFont(wanted, height, precision);
    if (!font) break;
    const TEXTMETRICA metrics = MetricsOf(font.Get());
    if (metrics.tmHeight <= maxHeight && metrics.tmAveCharWidth <= maxCharWidth) return font;
  }
  return NewFont(wanted, wanted.height);
}

}  // namespace

HFONT SharedFont(const FontSpec& wanted, int dpi) {
  using Key = std::tuple<std::string, int, bool, bool, int>;
  static std::map<Key, FontHandle> fonts;
  FontHandle& font = fonts[Key(wanted.name, wanted.height, wanted.bold, wanted.italic, dpi)];
  if (!font) {
    if (dpi == kLayoutDpi || wanted.height == 0) {
      font = NewFont(wanted, ScaleToDpi(wanted.height, dpi));
    } else {
      font = NewScaledFont(wanted, dpi, SharedFont(wanted, kLayoutDpi));
    }
    if (!font) font.Reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  }
  return font.Get();
}

HBRUSH SharedBrush(COLORREF colour) {
  static std::map<COLORREF, BrushHandle> brushes;
  BrushHandle& brush = brushes[colour];
  if (!brush) brush.Reset(CreateSolidBrush(colour));
  return brush.Get();
}

}  // namespace kestrelle::ui
