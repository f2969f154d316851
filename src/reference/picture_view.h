#pragma once
// The picture step of the reference pages: the bitmap named after an item, zoomed, fitted to its frame
// and centred in it.

#include <string_view>

#include "reference/picture_geometry.h"
#include "ui/image.h"

namespace kestrelle {

// How a page fits a zoomed picture into its frame (ItemPictureBounds or AnimalPictureBounds).
using PicturePlacement = TPictureBounds (*)(TPictureSize bitmap, int zoomPosition);

// Loads the picture of displayText into image, places it and names it after what it shows ("Picture of
// Alligator"), the name screen readers read. A missing picture throws EResourceNotFound before anything
// changes, so the image keeps what it showed and the caller's later steps do not run.
void ShowPicture(ui::Image& image, std::string_view displayText, int zoomPosition, PicturePlacement place);

}  // namespace kestrelle
