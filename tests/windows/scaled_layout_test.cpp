// The main window on a screen of the DPI the test run gives in KESTRELLE_WINE_DPI (the screen's own when
// unset): the window takes that DPI and the scaled outer size, every control lies inside its parent and
// inside the window, every page tab shows whole, and the caption bar and the menu bar are drawn.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "test_support.h"
#include "ui/dpi.h"
#include "ui/image.h"

namespace kestrelle {
namespace {

int ExpectedDpi() {
  const char* dpi = std::getenv("KESTRELLE_WINE_DPI");
  return dpi != nullptr ? std::atoi(dpi) : ui::ScreenDpi();
}

RECT WindowRectOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientOnScreen(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

std::string Describe(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  const RECT rect = WindowRectOf(window);
  return std::string(name) + " \"" + test::WindowText(window) + "\" at " + std::to_string(rect.left) + ", " +
         std::to_string(rect.top) + " - " + std::to_string(rect.right) + ", " + std::to_string(rect.bottom);
}

struct Walk {
  RECT windowClient;
  int count = 0;
};

BOOL CALLBACK ExpectInsideParentAndWindow(HWND window, LPARAM walkData) {
  auto& walk = *reinterpret_cast<Walk*>(walkData);
  ++walk.count;
  // A zoomed picture may be larger than its frame, which clips it; a hidden window takes no room.
  const bool picture = dynamic_cast<const ui::Image*>(ui::Control::FromHandle(window)) != nullptr;
  if (picture || (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) == 0) return TRUE;
  const RECT own = WindowRectOf(window);
  EXPECT_TRUE(Inside(own, ClientOnScreen(GetParent(window)))) << Describe(window) << " sticks out of its parent";
  EXPECT_TRUE(Inside(own, walk.windowClient)) << Describe(window) << " sticks out of the window";
  return TRUE;
}

// How many pixels of a row of the screen between two x positions have one of two colours.
int PixelsOfColour(int y, int left, int right, COLORREF first, COLORREF second) {
  const HDC screen = GetDC(nullptr);
  int count = 0;
  for (int x = left; x < right; ++x) {
    const COLORREF pixel = GetPixel(screen, x, y);
    if (pixel == first || pixel == second) ++count;
  }
  ReleaseDC(nullptr, screen);
  return count;
}

TEST(ScaledLayout, TheWindowTakesTheScreensDpiAndTheScaledSize) {
  auto form = test::ShowMainForm();
  const int dpi = ExpectedDpi();
  EXPECT_EQ(form->Dpi(), dpi);
  EXPECT_EQ(form->Bounds().width, MulDiv(TMainForm::kOuterWidth, dpi, ui::kLayoutDpi));
  EXPECT_EQ(form->Bounds().height, MulDiv(TMainForm::kOuterHeight, dpi, ui::kLayoutDpi));
}

TEST(ScaledLayout, EveryControlLiesInsideItsParentAndTheWindow) {
  auto form = test::ShowMainForm();
  Walk walk{ClientOnScreen(form->Handle())};
  EnumChildWindows(form->Handle(), &ExpectInsideParentAndWindow, reinterpret_cast<LPARAM>(&walk));
  EXPECT_GT(walk.count, 100);  // the walk reaches every page, the hidden magic lookups too
}

TEST(ScaledLayout, EveryPageTabShowsWhole) {
  auto form = test::ShowMainForm();
  const HWND tabs = form->tpMain.Handle();
  const RECT visible = ClientOnScreen(form->Handle());
  for (int i = 0; i < form->tpMain.PageCount(); ++i) {
    RECT tab{};
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab)));
    MapWindowPoints(tabs, HWND_DESKTOP, reinterpret_cast<POINT*>(&tab), 2);
    EXPECT_TRUE(Inside(tab, visible) && Inside(tab, ClientOnScreen(tabs))) << "tab " << i;
  }
}

TEST(ScaledLayout, CaptionAndMenuBarsAreDrawnAboveTheClientArea) {
  auto form = test::ShowMainForm();
  const HWND window = form->Handle();
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  test::Pump();
  GdiFlush();
  Sleep(200);  // lets the display server show the drawing before it is read back
  const RECT outer = WindowRectOf(window);
  const RECT client = ClientOnScreen(window);
  TITLEBARINFO title{};
  title.cbSize = sizeof title;
  ASSERT_TRUE(GetTitleBarInfo(window, &title));
  MENUBARINFO menu{};
  menu.cbSize = sizeof menu;
  ASSERT_TRUE(GetMenuBarInfo(window, OBJID_MENU, 0, &menu));
  const struct {
    const char* bar;
    RECT rect;
    COLORREF colour;
    COLORREF otherColour;
  } bars[] = {
      {"caption", title.rcTitleBar, GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_GRADIENTACTIVECAPTION)},
      {"menu", menu.rcBar, GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUBAR)},
  };
  for (const auto& bar : bars) {
    SCOPED_TRACE(bar.bar);
    EXPECT_TRUE(Inside(bar.rect, outer));
    const int width = bar.rect.right - bar.rect.left;
    ASSERT_GT(width, 0);
    // Mostly the bar's colour, across the middle row (the rest: text, buttons).
    const int middle = (bar.rect.top + bar.rect.bottom) / 2;
    EXPECT_LT(middle, client.top);
    EXPECT_GT(PixelsOfColour(middle, bar.rect.left, bar.rect.right, bar.colour, bar.otherColour), width / 2);
  }
}

}  // namespace
}  // namespace kestrelle
