// make_icon <file.ico> [size...]: draws the program's icon, a glowing blue moongate on a stone step, at
// each size named (square, 1 to 256 pixels; 32 and 16 when none is) in 32-bit colour with alpha, and writes
// the pictures into one icon file in that order.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "output_file.h"

namespace {

struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

// The picture in a unit square (0..1 both ways, y downwards), for one point.
Rgba Sample(double x, double y) {
  // The step: a grey slab along the bottom.
  if (y > 0.86 && y < 0.97 && x > 0.14 && x < 0.86) {
    const double shade = y < 0.90 ? 0.78 : 0.52;
    return {shade, shade, shade * 1.04, 1};
  }
  // The gate: an upright oval whose rim is deep blue and whose inside glows lighter towards the middle.
  const double u = (x - 0.5) / 0.34;
  const double v = (y - 0.47) / 0.42;
  const double d = std::sqrt(u * u + v * v);
  if (d > 1) return {};
  if (d > 0.8) return {0.08, 0.10, 0.45, 1};
  const double glow = 1 - d / 0.8;  // 1 in the middle, 0 at the rim
  return {0.25 + 0.70 * glow * glow, 0.45 + 0.50 * glow, 0.95, 1};
}

// One image of the icon, supersampled for smooth edges: rows bottom-up, BGRA.
std::vector<std::uint8_t> Draw(int size) {
  constexpr int kSamples = 4;
  std::vector<std::uint8_t> pixels;
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) {
      Rgba sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Rgba s = Sample((column + (sx + 0.5) / kSamples) / size, (row + (sy + 0.5) / kSamples) / size);
          sum.r += s.r * s.a;
          sum.g += s.g * s.a;
          sum.b += s.b * s.a;
          sum.a += s.a;
        }
      }
      auto channel = [](double value) { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255)); };
      const double alpha = sum.a / (kSamples * kSamples);
      const double weight = sum.a > 0 ? 1 / sum.a : 0;
      pixels.push_back(channel(sum.b * weight));
      pixels.push_back(channel(sum.g * weight));
      pixels.push_back(channel(sum.r * weight));
      pixels.push_back(channel(alpha));
    }
  }
  return pixels;
}

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// An icon image: bitmap header (height doubled for colour and mask), BGRA rows, then the 1-bit mask,
// set where the pixel is fully transparent, rows padded to 32 bits.
std::vector<std::uint8_t> IconImage(int size) {
  const std::vector<std::uint8_t> pixels = Draw(size);
  std::vector<std::uint8_t> image;
  Put32(image, 40);
  Put32(image, static_cast<std::uint32_t>(size));
  Put32(image, static_cast<std::uint32_t>(size * 2));
  Put16(image, 1);
  Put16(image, 32);
  for (int i = 0; i < 6; ++i) Put32(image, 0);  // no compression, sizes and palette left to the reader
  image.insert(image.end(), pixels.begin(), pixels.end());
  const int maskStride = ((size + 31) / 32) * 4;
  for (int row = 0; row < size; ++row) {
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride), 0);
    for (int column = 0; column < size; ++column) {
      if (pixels[static_cast<std::size_t>((row * size + column) * 4 + 3)] == 0) {
        mask[static_cast<std::size_t>(column / 8)] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
      }
    }
    image.insert(image.end(), mask.begin(), mask.end());
  }
  return image;
}

// A size named on the command line, or 0 when it is not a whole number from 1 to 256.
int SizeNamed(std::string_view text) {
  int size = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || size > 256) return 0;
    size = size * 10 + (c - '0');
  }
  return size <= 256 ? size : 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 2; i < argc; ++i) sizes.push_back(SizeNamed(argv[i]));
  if (sizes.empty()) sizes = {32, 16};
  if (argc < 2 || std::find(sizes.begin(), sizes.end(), 0) != sizes.end()) {
    std::fprintf(stderr, "usage: make_icon <file.ico> [size (1 to 256)...]\n");
    return 2;
  }
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : sizes) images.push_back(IconImage(size));

  std::vector<std::uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);  // an icon
  Put16(file, static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    // 256 is written as 0, as a byte holds no more.
    file.push_back(static_cast<std::uint8_t>(sizes[i] % 256));
    file.push_back(static_cast<std::uint8_t>(sizes[i] % 256));
    file.push_back(0);  // no palette
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  if (!kestrelle::tools::WriteWholeFile(argv[1], {reinterpret_cast<const char*>(file.data()), file.size()})) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
