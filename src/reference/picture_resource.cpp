#include "reference/picture_resource.h"

#include <utility>

namespace kestrelle {

TBitmapHandle& TBitmapHandle::operator=(TBitmapHandle&& other) noexcept {
  if (this != &other) {
    TBitmapHandle old(std::exchange(Bitmap, other.Release()));
  }
  return *this;
}

TBitmapHandle::~TBitmapHandle() {
  if (Bitmap != nullptr) DeleteObject(Bitmap);
}

HBITMAP TBitmapHandle::Release() { return std::exchange(Bitmap, nullptr); }

TPictureSize TBitmapHandle::Size() const {
  BITMAP info{};
  if (Bitmap == nullptr || GetObjectA(Bitmap, sizeof(info), &info) == 0) return {};
  return {static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight)};
}

TBitmapHandle LoadPictureBitmap(const std::string& name) {
  // An empty name would not be a name at all to the resource functions; it is simply not found.
  HANDLE image = name.empty() ? nullptr
                              : LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (image == nullptr) throw EResourceNotFound(name);
  return TBitmapHandle(static_cast<HBITMAP>(image));
}

}  // namespace kestrelle
