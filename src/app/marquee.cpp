#include "app/marquee.h"

#include <algorithm>
#include <cstring>

namespace kestrelle {
namespace {

RECT ToRect(const TMarqueeRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

UINT JustifyFlag(TJustification justify) {
  switch (justify) {
    case TJustification::tjLeft:
      return DT_LEFT;
    case TJustification::tjRight:
      return DT_RIGHT;
    case TJustification::tjCenter:
      break;
  }
  return DT_CENTER;
}

// A picture of the display's colours that needs no window to be made.
ui::BitmapHandle NewPicture(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return ui::BitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}  // namespace

TMarquee::TMarquee(ui::Control& parent, const ui::Rect& bounds, const MarqueeOptions& options)
    : Panel(parent, bounds, "", {.bevelWidth = options.bevelWidth, .font = options.font}) {
  timer_.onTimer = [this] { TimerTick(); };
}

TMarquee::~TMarquee() { Deactivate(); }

// The line height of the control's own font, also before the control has ever been painted.
TMarqueeMetrics TMarquee::Measure() {
  ui::MemoryDcHandle canvas(CreateCompatibleDC(nullptr));
  ui::SelectedObject font(canvas.Get(), ScaledFont());
  TEXTMETRICA metrics{};
  GetTextMetricsA(canvas.Get(), &metrics);
  const ui::Rect outer = Bounds();
  return {.Width = outer.width,
          .Height = outer.height,
          .ClientHeight = ClientRect().height,
          .BevelWidth = Scale(BevelWidth()),
          .LineCount = LineCount(),
          .LineHeight = metrics.tmHeight + metrics.tmInternalLeading,
          .Dpi = Dpi()};
}

void TMarquee::FillBitmap(const MarqueeRun& run) {
  const RECT whole = ToRect(run.BitmapRect());
  bitmap_ = NewPicture(whole.right, whole.bottom);
  if (!bitmap_) throw EMarqueeError("Failed to render text");
  ui::MemoryDcHandle canvas(CreateCompatibleDC(nullptr));
  ui::SelectedObject picture(canvas.Get(), bitmap_.Get());
  ui::SelectedObject font(canvas.Get(), ScaledFont());
  const ui::PaintColours colours = PaintingColours();
  FillRect(canvas.Get(), &whole, ui::SharedBrush(colours.background));
  SetBkMode(canvas.Get(), TRANSPARENT);
  SetTextColor(canvas.Get(), colours.text);
  for (int i = 0; i < LineCount(); ++i) DrawLine(canvas.Get(), Items[static_cast<std::size_t>(i)], run.LineRect(i));
}

// One line in its rectangle, on one line and with '&' as the mnemonic prefix; lines are cut at 255
// characters.
void TMarquee::DrawLine(HDC dc, const std::string& line, const TMarqueeRect& rect) const {
  char text[256] = {};
  std::memcpy(text, line.data(), std::min(line.size(), sizeof text - 1));
  RECT area = ToRect(rect);
  if (DrawTextA(dc, text, -1, &area, DT_SINGLELINE | JustifyFlag(Justify)) <= 0) {
    throw EMarqueeError("Failed to render text");
  }
}

void TMarquee::RaiseDone() {
  if (OnDone) OnDone();
}

void TMarquee::ReleaseBitmap() {
  bitmap_.Reset();
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TMarquee::TimerTick() {
  Step();
  const RECT view = ToRect(run_.ViewRect());
  InvalidateRect(Handle(), &view, FALSE);
}

// During a run: the picture's block under the view, moved down by the offset, inside the panel's frame.
void TMarquee::Paint(HDC dc) {
  if (!run_.Active() || !bitmap_) {
    Panel::Paint(dc);
    return;
  }
  const TMarqueeRect view = run_.ViewRect();
  {
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, view.Left, view.Top, view.Right, view.Bottom);
    Panel::Paint(dc);
    RestoreDC(dc, saved);
  }
  ui::MemoryDcHandle source(CreateCompatibleDC(dc));
  ui::SelectedObject picture(source.Get(), bitmap_.Get());
  BitBlt(dc, view.Left, view.Top, view.Right - view.Left, view.Bottom - view.Top, source.Get(), view.Left,
         view.Top + run_.Offset(), SRCCOPY);
}

}  // namespace kestrelle
