#include "capture.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "ui/message_pump.h"

namespace kestrelle::screenshots {

Picture CaptureWindow(HWND window) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ui::ProcessPendingMessages();
  GdiFlush();
  Sleep(200);  // lets the display server show the last drawing before it is read back

  RECT bounds;
  GetWindowRect(window, &bounds);
  Picture picture;
  picture.width = bounds.right - bounds.left;
  picture.height = bounds.bottom - bounds.top;
  const HDC screen = GetDC(nullptr);
  picture.bitmap.Reset(CreateCompatibleBitmap(screen, picture.width, picture.height));
  {
    ui::MemoryDcHandle canvas(CreateCompatibleDC(screen));
    ui::SelectedObject selected(canvas.Get(), picture.bitmap.Get());
    BitBlt(canvas.Get(), 0, 0, picture.width, picture.height, screen, bounds.left, bounds.top, SRCCOPY);
  }
  ReleaseDC(nullptr, screen);
  return picture;
}

void SaveBmp(const Picture& picture, const std::string& path) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = picture.width;
  header.biHeight = picture.height;  // bottom-up rows, as BMP files store them
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (picture.width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(picture.height));
  const HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, picture.bitmap.Get(), 0, static_cast<UINT>(picture.height), pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != picture.height) throw std::runtime_error("Cannot read the picture for " + path);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  if (!out) throw std::runtime_error("Cannot write " + path);
}

}  // namespace kestrelle::screenshots
