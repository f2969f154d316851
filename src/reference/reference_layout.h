#pragma once
// The control styles that the Weapons, Armour and Animals pages share: a statistic is shown in a value
// panel with a right-aligned label ending just left of it, and pictures sit in a white frame of the size
// the picture geometry fits them to, above a zoom bar. The zoom bar, the item box and the magic lookup's
// description show no label; a hidden one at the same place names each for screen readers.

#include "reference/picture_geometry.h"
#include "ui/control.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/scroll_bar.h"

namespace kestrelle::layout {

inline constexpr int kStatLabelWidth = 86;
inline constexpr int kStatLabelHeight = 14;

// The bounds of a statistic's label whose text ends at x = right.
constexpr ui::Rect LabelEndingAt(int right, int top) {
  return {right - kStatLabelWidth, top, kStatLabelWidth, kStatLabelHeight};
}

constexpr ui::Rect ValuePanelAt(int left, int top) { return {left, top, 88, 21}; }

inline const ui::LabelOptions kStatLabel{.alignment = ui::Alignment::Right};
// Read-only value: sunken bevel, window colour; its caption is a single blank until it shows a value. A
// single line around the bevel keeps all four edges in sight where the bevel's light side is as light
// as the page.
inline const ui::PanelOptions kValuePanel{
    .bevelOuter = ui::Bevel::Lowered, .singleBorder = true, .colour = ui::colours::Window};
inline const ui::PanelOptions kPictureFrame{.singleBorder = true, .colour = ui::colours::White};
inline const ui::FontSpec kBoldArial{"Arial", -11, true};

inline const ui::LabelOptions kHiddenLabel{.hidden = true};
inline constexpr const char* kZoomName = "Picture zoom:";
inline constexpr const char* kDescriptionName = "Meaning of the magic words:";
inline constexpr const char* kMagicLookupCaption = "&Magic Lookup";

// The zoom bar under a picture, in tenths of the picture's own size.
inline constexpr ui::ScrollBarOptions kZoomBar{
    .min = kZoomPositionMin, .max = kZoomPositionMax, .position = kZoomPositionDefault};

// A picture frame of the given outer size with its top-left corner at left, top.
constexpr ui::Rect PictureFrameAt(int left, int top, TPictureSize frame) {
  return {left, top, frame.Width, frame.Height};
}

}  // namespace kestrelle::layout
