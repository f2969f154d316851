#pragma once
// Taking pictures of windows as they show on screen and writing them as 24-bit BMP files.

#include <windows.h>

#include <string>

#include "ui/smart_handle.h"

namespace kestrelle::screenshots {

struct Picture {
  ui::BitmapHandle bitmap;
  int width = 0;
  int height = 0;
};

// Redraws a window with everything on it and copies it, frame included, from the screen.
Picture CaptureWindow(HWND window);

// Writes a picture as an uncompressed 24-bit BMP file; throws when the file cannot be written.
void SaveBmp(const Picture& picture, const std::string& path);

}  // namespace kestrelle::screenshots
