#pragma once
// Picture bitmaps of the program's own module, looked up by resource name ignoring case.
#include <windows.h>

#include <string>

#include "reference/picture_geometry.h"
#include "reference/resource_error.h"

namespace kestrelle {

// Owns a loaded bitmap and deletes it when it goes.
class TBitmapHandle {
 public:
  explicit TBitmapHandle(HBITMAP bitmap) : Bitmap(bitmap) {}
  TBitmapHandle(TBitmapHandle&& other) noexcept : Bitmap(other.Release()) {}
  TBitmapHandle& operator=(TBitmapHandle&& other) noexcept;
  TBitmapHandle(const TBitmapHandle&) = delete;
  TBitmapHandle& operator=(const TBitmapHandle&) = delete;
  ~TBitmapHandle();

  HBITMAP Get() const { return Bitmap; }
  HBITMAP Release();
  TPictureSize Size() const;  // the bitmap's width and height in pixels

 private:
  HBITMAP Bitmap = nullptr;
};

// The picture bitmap named name (as PictureResourceName forms it; case does not matter), kept as a DIB
// section so its own palette colours stay. Throws EResourceNotFound ("Resource <name> not found").
TBitmapHandle LoadPictureBitmap(const std::string& name);

}  // namespace kestrelle
