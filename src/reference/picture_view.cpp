#include "reference/picture_view.h"

#include <string>

#include "reference/picture_name.h"
#include "reference/picture_resource.h"

namespace kestrelle {

void ShowPicture(ui::Image& image, std::string_view displayText, int zoomPosition, PicturePlacement place) {
  ui::BitmapHandle bitmap = LoadPictureBitmap(PictureResourceName(displayText));
  const TPictureBounds bounds = place(PictureSizeOf(bitmap.Get()), zoomPosition);
  image.SetBitmap(std::move(bitmap));
  image.SetBounds({bounds.Left, bounds.Top, bounds.Width, bounds.Height});
  image.SetText("Picture of " + std::string(displayText));
}

}  // namespace kestrelle
