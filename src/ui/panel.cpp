#include "ui/panel.h"

#include "ui/wide_text.h"

namespace kestrelle::ui {
namespace {

// Draws a bevel of `width` pixels along the inside of a rectangle, one pixel-wide frame after the other
// so that the light and dark sides meet on the diagonals, and shrinks the rectangle past it.
void DrawBevel(HDC dc, RECT& area, Bevel bevel, int width) {
  if (bevel == Bevel::None) return;
  const COLORREF light = colours::Highlight.Resolve();
  const COLORREF dark = colours::Shadow.Resolve();
  const COLORREF topLeft = bevel == Bevel::Raised ? light : dark;
  const COLORREF bottomRight = bevel == Bevel::Raised ? dark : light;
  for (int i = 0; i < width; ++i) {
    const RECT top{area.left, area.top, area.right, area.top + 1};
    const RECT left{area.left, area.top, area.left + 1, area.bottom};
    const RECT bottom{area.left, area.bottom - 1, area.right, area.bottom};
    const RECT right{area.right - 1, area.top, area.right, area.bottom};
    FillRect(dc, &top, SharedBrush(topLeft));
    FillRect(dc, &left, SharedBrush(topLeft));
    FillRect(dc, &bottom, SharedBrush(bottomRight));
    FillRect(dc, &right, SharedBrush(bottomRight));
    InflateRect(&area, -1, -1);
  }
}

}  // namespace

Panel::Panel(Control& parent, const Rect& bounds, std::string_view caption, const PanelOptions& options)
    : outer_(options.bevelOuter), inner_(options.bevelInner), bevelWidth_(options.bevelWidth) {
  Create({.style = WS_VISIBLE | WS_CLIPCHILDREN | (options.singleBorder ? WS_BORDER : 0u),
          .exStyle = WS_EX_CONTROLPARENT,
          .parent = &parent,
          .bounds = bounds,
          .text = caption,
          .font = options.font});
  if (options.colour) SetBackgroundColour(*options.colour);
}

void Panel::SetBevels(Bevel outer, Bevel inner) {
  outer_ = outer;
  inner_ = inner;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::SetSingleBorder(bool single) {
  auto style = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
  style = single ? style | WS_BORDER : style & ~static_cast<DWORD>(WS_BORDER);
  SetWindowLongPtrA(Handle(), GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Panel::Paint(HDC dc) {
  RECT area;
  GetClientRect(Handle(), &area);
  const PaintColours colours = PaintingColours();
  FillRect(dc, &area, SharedBrush(colours.background));
  DrawBevel(dc, area, outer_, Scale(bevelWidth_));
  DrawBevel(dc, area, inner_, Scale(bevelWidth_));
  const std::wstring caption = WideFromUtf8(Text());
  if (caption.empty()) return;
  SelectedObject font(dc, ScaledFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours.text);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {  // the caption is drawn by Paint
    const LRESULT result = DefaultHandling(message, wParam, lParam);
    InvalidateRect(Handle(), nullptr, TRUE);
    return result;
  }
  return PaintedControl::HandleMessage(message, wParam, lParam);
}

}  // namespace kestrelle::ui
