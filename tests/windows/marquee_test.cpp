// The credits control on a plain form: a run draws its lines through the view, placed as Justify says,
// and the control paints as a plain panel again once the run has ended.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "app/marquee.h"
#include "test_support.h"

namespace kestrelle {
namespace {

// The columns of the control's face, as it paints itself now, that hold a pixel of the text colour.
struct TextColumns {
  int first = -1;  // -1: no text in view
  int last = -1;
  bool bevelWhole = false;  // the top and left bevel keep their light colour
};

TextColumns TextInView(const TMarquee& marquee) {
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
  const auto pixelOf = [](COLORREF c) { return std::uint32_t{GetRValue(c)} << 16 | GetGValue(c) << 8 | GetBValue(c); };
  const std::uint32_t textPixel = pixelOf(ui::colours::WindowText.Resolve());
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  TextColumns columns;
  for (int y = 0; y < client.height; ++y) {
    for (int x = 0; x < client.width; ++x) {
      if ((pixels[y * client.width + x] & 0xFFFFFF) != textPixel) continue;
      columns.first = columns.first < 0 ? x : std::min(columns.first, x);
      columns.last = std::max(columns.last, x);
    }
  }
  const std::uint32_t light = pixelOf(ui::colours::Highlight.Resolve());
  columns.bevelWhole = (pixels[client.width / 2] & 0xFFFFFF) == light && (pixels[client.height / 2 * client.width] & 0xFFFFFF) == light;
  return columns;
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
    marquee.Activate();
    EXPECT_EQ(TextInView(marquee).first, -1) << "a run starts on background";
    TextColumns seen;
    for (int tick = 0; tick < 1000 && marquee.Active(); ++tick) {
      marquee.Step();
      const TextColumns now = TextInView(marquee);
      EXPECT_TRUE(now.bevelWhole) << "tick " << tick;
      if (now.first < 0) continue;
      seen.first = seen.first < 0 ? now.first : std::min(seen.first, now.first);
      seen.last = std::max(seen.last, now.last);
    }
    ASSERT_GE(seen.first, 0) << "the lines passed through the view";
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
