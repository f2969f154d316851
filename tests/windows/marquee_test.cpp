// The credits control on a plain form: a run draws its lines through the view, placed as Justify says and
// inside the bevel, and the control paints as a plain panel again once the run has ended.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/marquee.h"
#include "test_support.h"

namespace kestrelle {
namespace {

// The control's face as it paints itself now: one 0xRRGGBB value a pixel, row by row.
std::vector<std::uint32_t> Face(const TMarquee& marquee) {
  const ui::Rect client = marquee.ClientRect();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = client.width;
  info.bmiHeader.biHeight = -client.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const ui::BitmapHandle picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const ui::MemoryDcHandle canvas(CreateCompatibleDC(nullptr));
  {
    const ui::SelectedObject selected(canvas.Get(), picture.Get());
    SendMessageA(marquee.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Get()), PRF_CLIENT);
  }
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> face(pixels, pixels + client.width * client.height);
  for (std::uint32_t& pixel : face) pixel &= 0xFFFFFF;
  return face;
}

// The columns of the face that hold a pixel of the text colour.
struct TextColumns {
  int first = -1;  // -1: no text in view
  int last = -1;
};

TextColumns TextInView(const TMarquee& marquee) {
  const int width = marquee.ClientRect().width;
  const std::vector<std::uint32_t> face = Face(marquee);
  const COLORREF text = ui::colours::WindowText.Resolve();
  const std::uint32_t textPixel = (GetRValue(text) << 16) | (GetGValue(text) << 8) | GetBValue(text);
  TextColumns columns;
  for (std::size_t i = 0; i < face.size(); ++i) {
    if (face[i] != textPixel) continue;
    const int x = static_cast<int>(i) % width;
    columns.first = columns.first < 0 ? x : std::min(columns.first, x);
    columns.last = std::max(columns.last, x);
  }
  return columns;
}

// Whether a face keeps the bevel of the idle one, all around.
bool BevelKept(const TMarquee& marquee, const std::vector<std::uint32_t>& idle) {
  const ui::Rect client = marquee.ClientRect();
  const int bevel = marquee.BevelWidth();
  const std::vector<std::uint32_t> now = Face(marquee);
  for (int y = 0; y < client.height; ++y) {
    for (int x = 0; x < client.width; ++x) {
      const bool onBevel = x < bevel || y < bevel || x >= client.width - bevel || y >= client.height - bevel;
      const auto i = static_cast<std::size_t>(y * client.width + x);
      if (onBevel && now[i] != idle[i]) return false;
    }
  }
  return true;
}

TEST(Marquee, RunDrawsTheLinesThroughTheViewThenPaintsAsAPanel) {
  test::HostForm host;
  const struct {
    const char* name;
    bool scrollDown;
    TJustification justify;
  } runs[] = {
      {"upward, centred", false, TJustification::tjCenter},
      {"downward, left", true, TJustification::tjLeft},
      {"upward, right", false, TJustification::tjRight},
  };
  for (const auto& r : runs) {
    SCOPED_TRACE(r.name);
    TMarquee marquee(host, {10, 10, 120, 60}, {.font = ui::FontSpec{"Arial", -16, true}});
    marquee.Items = {"&WWW", "", "WWW"};
    marquee.ScrollDown = r.scrollDown;
    marquee.Justify = r.justify;
    EXPECT_EQ(TextInView(marquee).first, -1) << "idle";
    const std::vector<std::uint32_t> idle = Face(marquee);
    marquee.Activate();
    EXPECT_EQ(TextInView(marquee).first, -1) << "a run starts on background";
    TextColumns seen;
    int bevelCovered = 0;
    for (int tick = 0; tick < 1000 && marquee.Active(); ++tick) {
      marquee.Step();
      bevelCovered += BevelKept(marquee, idle) ? 0 : 1;
      const TextColumns now = TextInView(marquee);
      if (now.first < 0) continue;
      seen.first = seen.first < 0 ? now.first : std::min(seen.first, now.first);
      seen.last = std::max(seen.last, now.last);
    }
    ASSERT_GE(seen.first, 0) << "the lines passed through the view";
    EXPECT_EQ(bevelCovered, 0) << "ticks whose painting covered the bevel";
    const int middle = marquee.ClientRect().width / 2;
    switch (r.justify) {
      case TJustification::tjLeft:
        EXPECT_LT(seen.last, middle);
        break;
      case TJustification::tjRight:
        EXPECT_GT(seen.first, middle);
        break;
      case TJustification::tjCenter:
        EXPECT_LT(seen.first, middle);
        EXPECT_GT(seen.last, middle);
        break;
    }
    EXPECT_EQ(TextInView(marquee).first, -1) << "a plain panel again";
  }
}

}  // namespace
}  // namespace kestrelle
