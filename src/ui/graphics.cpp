#include "ui/graphics.h"

#include <map>
#include <tuple>

#include "ui/smart_handle.h"

namespace kestrelle::ui {

HFONT SharedFont(const FontSpec& wanted) {
  using Key = std::tuple<std::string, int, bool, bool>;
  static std::map<Key, FontHandle> fonts;
  FontHandle& font = fonts[Key(wanted.name, wanted.height, wanted.bold, wanted.italic)];
  if (!font) {
    LOGFONTA description{};
    description.lfHeight = wanted.height;
    description.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = wanted.italic ? TRUE : FALSE;
    description.lfCharSet = ANSI_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(description.lfFaceName, wanted.name.c_str(), LF_FACESIZE);
    font.Reset(CreateFontIndirectA(&description));
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
