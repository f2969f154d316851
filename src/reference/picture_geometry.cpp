#include "reference/picture_geometry.h"

#include <algorithm>
#include <limits>

#include "reference/extended_real.h"

namespace kestrelle {
namespace {

// The frames are bordered: a picture fits when it leaves 11 pixels of the frame's outer size free.
constexpr int kFrameMargin = 11;

std::uint32_t Side(int side) { return static_cast<std::uint32_t>(std::max(side, 0)); }

int ToPixels(TExtendedReal value) {
  // Sides come from 32-bit values scaled by at most 3 or by a frame-to-picture ratio, so they fit an int
  // in every real case; clamping keeps absurd inputs defined.
  return static_cast<int>(std::min<std::int64_t>(RoundHalfEven(value), std::numeric_limits<int>::max()));
}

// frame ÷ side × other, each step rounded as in extended precision, then rounded to whole pixels.
int ScaleByRatio(int frame, int side, int other) {
  const TExtendedReal ratio = ExtendedDivide(Side(frame), Side(side));
  return ToPixels(ExtendedMultiply(ratio, ExtendedFromInteger(Side(other))));
}

}  // namespace

int ZoomSide(int side, int position) {
  static const TExtendedReal kTenth = ExtendedDivide(1, 10);
  const int clamped = std::clamp(position, kZoomPositionMin, kZoomPositionMax);
  const TExtendedReal factor = ExtendedMultiply(ExtendedFromInteger(static_cast<std::uint32_t>(clamped)), kTenth);
  return ToPixels(ExtendedMultiply(ExtendedFromInteger(Side(side)), factor));
}

TPictureSize ZoomPicture(TPictureSize bitmap, int position) {
  return {ZoomSide(bitmap.Width, position), ZoomSide(bitmap.Height, position)};
}

TPictureSize ShrinkToFrame(TPictureSize image, TPictureSize frame) {
  // Taking one pixel off both sides until both fit is taking the larger excess off both at once.
  const int excess = std::max({image.Height - (frame.Height - kFrameMargin), image.Width - (frame.Width - kFrameMargin), 0});
  const auto shrink = [excess](int side) { return std::min(side, std::max(side - excess, 1)); };
  return {shrink(image.Width), shrink(image.Height)};
}

TPictureSize FitToFrameKeepingRatio(TPictureSize image, TPictureSize frame) {
  const int width = frame.Width - kFrameMargin;
  const int height = frame.Height - kFrameMargin;
  if (image.Width <= width && image.Height <= height) return image;
  // The side over its room by the larger factor binds; the other then fits too, rounded or not. A side of
  // 0 pixels has no ratio to keep and can only be over a frame smaller than the margin.
  const bool heightBinds = std::int64_t{image.Height} * width >= std::int64_t{image.Width} * height;
  if (heightBinds && image.Height > 0) return {ScaleByRatio(height, image.Height, image.Width), height};
  if (!heightBinds && image.Width > 0) return {width, ScaleByRatio(width, image.Width, image.Height)};
  return image;
}

TPictureBounds CentreInFrame(TPictureSize image, TPictureSize frame) {
  return {(frame.Width - image.Width) / 2, (frame.Height - image.Height) / 2, image.Width, image.Height};
}

TPictureBounds ItemPictureBounds(TPictureSize bitmap, int position) {
  return CentreInFrame(ShrinkToFrame(ZoomPicture(bitmap, position), kItemPictureFrame), kItemPictureFrame);
}

TPictureBounds AnimalPictureBounds(TPictureSize bitmap, int position) {
  return CentreInFrame(FitToFrameKeepingRatio(ZoomPicture(bitmap, position), kAnimalPictureFrame), kAnimalPictureFrame);
}

}  // namespace kestrelle
