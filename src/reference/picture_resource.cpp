#include "reference/picture_resource.h"

namespace kestrelle {

ui::BitmapHandle LoadPictureBitmap(const std::string& name) {
  // An empty name would not be a name at all to the resource functions; it is simply not found.
  HANDLE image = name.empty() ? nullptr
                              : LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (image == nullptr) throw EResourceNotFound(name);
  return ui::BitmapHandle(static_cast<HBITMAP>(image));
}

TPictureSize PictureSizeOf(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof(info), &info) == 0) return {};
  return {static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight)};
}

}  // namespace kestrelle
