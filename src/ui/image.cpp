#include "ui/image.h"

namespace kestrelle::ui {

Image::Image(Control& parent, const Rect& bounds) {
  Create({.style = WS_VISIBLE, .parent = &parent, .bounds = bounds});
}

void Image::SetBitmap(BitmapHandle bitmap) {
  bitmap_ = std::move(bitmap);
  icon_.Reset();
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Image::SetIcon(IconHandle icon) {
  icon_ = std::move(icon);
  bitmap_.Reset();
  InvalidateRect(Handle(), nullptr, TRUE);
}

SIZE Image::BitmapSize() const {
  BITMAP info{};
  if (!bitmap_ || GetObjectA(bitmap_.Get(), sizeof info, &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

void Image::Paint(HDC dc) {
  RECT area;
  GetClientRect(Handle(), &area);
  FillRect(dc, &area, SharedBrush(PaintingColours().background));
  if (icon_) {
    DrawIconEx(dc, 0, 0, icon_.Get(), area.right, area.bottom, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!bitmap_) return;
  const SIZE size = BitmapSize();
  MemoryDcHandle source(CreateCompatibleDC(dc));
  SelectedObject picture(source.Get(), bitmap_.Get());
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, area.right, area.bottom, source.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
}

LRESULT Image::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;  // painted whole in WM_PAINT
  return PaintedControl::HandleMessage(message, wParam, lParam);
}

}  // namespace kestrelle::ui
