#pragma once
// Picture bitmaps of the program's own module, looked up by resource name ignoring case.
#include <windows.h>

#include <string>

#include "reference/picture_geometry.h"
#include "reference/resource_error.h"
#include "ui/smart_handle.h"

namespace kestrelle {

// The picture bitmap named name (as PictureResourceName forms it; case does not matter), kept as a DIB
// section so its own palette colours stay. Throws EResourceNotFound ("Resource <name> not found").
ui::BitmapHandle LoadPictureBitmap(const std::string& name);

// A bitmap's width and height in pixels; 0 x 0 for none.
TPictureSize PictureSizeOf(HBITMAP bitmap);

}  // namespace kestrelle
