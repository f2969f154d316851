#pragma once
// Where a reference picture stands in its white frame and at what size it is drawn: the zoom set by the
// page's scroll bar, the fit to the frame, and the centring. Real-valued steps are computed as 80-bit
// extended arithmetic would compute them (see extended_real.h), so the pixel sizes are the same with every
// compiler.
#include <cstdint>

namespace kestrelle {

struct TPictureSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TPictureSize&, const TPictureSize&) = default;
};

// The image's place inside its frame (may be negative when the image is larger) and its drawn size.
struct TPictureBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TPictureBounds&, const TPictureBounds&) = default;
};

// Zoom scroll bar positions, in tenths: 0.5 to 3.0, 2.0 at start.
inline constexpr int kZoomPositionMin = 5;
inline constexpr int kZoomPositionMax = 30;
inline constexpr int kZoomPositionDefault = 20;

// Outer sizes of the picture frames: the weapons and armour pages share one, the animals page has its own.
inline constexpr TPictureSize kItemPictureFrame{105, 105};
inline constexpr TPictureSize kAnimalPictureFrame{160, 174};

// side × (position × 0.1), rounded to the nearest whole pixel (ties to even); position is clamped to the
// scroll bar's range and a negative side counts as 0.
int ZoomSide(int side, int position);
TPictureSize ZoomPicture(TPictureSize bitmap, int position);

// Weapons and armour: while either side is over the frame's side less 11, take one pixel off both. A side
// never goes below one pixel, however long or wide the picture.
TPictureSize ShrinkToFrame(TPictureSize image, TPictureSize frame);

// Animals: a picture higher or wider than the frame's side less 11 is scaled down, keeping its ratio, until
// it fits both (width = (frame height − 11) ÷ height × width, rounded, where the height binds; the same
// across where the width does), so that it shows whole inside the frame's border.
TPictureSize FitToFrameKeepingRatio(TPictureSize image, TPictureSize frame);

// left = (frame width − width) div 2, top = (frame height − height) div 2, truncating towards zero.
TPictureBounds CentreInFrame(TPictureSize image, TPictureSize frame);

// The three steps together, for the Weapons and Armour pages and for the Animals page.
TPictureBounds ItemPictureBounds(TPictureSize bitmap, int position);
TPictureBounds AnimalPictureBounds(TPictureSize bitmap, int position);

}  // namespace kestrelle
