// The main window on a screen of the DPI the test run gives in KESTRELLE_WINE_DPI (the screen's own when
// unset): the window takes that DPI and the scaled outer size, every control lies inside its parent and
// inside the window, every page tab shows whole, and the caption bar and the menu bar are drawn.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

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

bool ClassIs(HWND window, const char* name) {
  char own[64] = {};
  GetClassNameA(window, own, sizeof own);
  return lstrcmpiA(own, name) == 0;
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
  // A zoomed picture may be larger than its frame, which clips it; a hidden window takes no room; the
  // scroll arrows of a tab strip are the strip's own, placed by the system.
  const bool picture = dynamic_cast<const ui::Image*>(ui::Control::FromHandle(window)) != nullptr;
  const bool stripArrows = ClassIs(GetParent(window), WC_TABCONTROLA);
  if (picture || stripArrows || (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) == 0) return TRUE;
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

void ExpectEveryControlInside(HWND form) {
  Walk walk{ClientOnScreen(form)};
  EnumChildWindows(form, &ExpectInsideParentAndWindow, reinterpret_cast<LPARAM>(&walk));
  EXPECT_GT(walk.count, 100);  // the walk reaches every page, the hidden magic lookups too
}

TEST(ScaledLayout, EveryControlLiesInsideItsParentAndTheWindow) {
  auto form = test::ShowMainForm();
  ExpectEveryControlInside(form->Handle());
}

// Each window's place in its parent and its font, in the walk's order.
using Places = std::vector<std::pair<RECT, LRESULT>>;

BOOL CALLBACK CollectPlace(HWND window, LPARAM places) {
  RECT rect = WindowRectOf(window);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  reinterpret_cast<Places*>(places)->push_back({rect, SendMessageA(window, WM_GETFONT, 0, 0)});
  return TRUE;
}

Places PlacesOf(HWND form) {
  Places places;
  EnumChildWindows(form, &CollectPlace, reinterpret_cast<LPARAM>(&places));
  return places;
}

// Moved to a screen of another scale and back, as the system tells the window, at the size it suggests.
TEST(ScaledLayout, MovingBetweenScreensLaysTheWindowOutAgain) {
  auto form = test::ShowMainForm();
  const HWND window = form->Handle();
  const int start = form->Dpi();
  const Places before = PlacesOf(window);
  const ui::Rect startBounds = form->Bounds();
  for (const int dpi : {144, 120, 192, start}) {
    SCOPED_TRACE(dpi);
    RECT suggested{100, 50, 100 + MulDiv(startBounds.width, dpi, start), 50 + MulDiv(startBounds.height, dpi, start)};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    test::Pump();
    EXPECT_EQ(form->Dpi(), dpi);
    EXPECT_EQ(form->Bounds().left, 100);
    EXPECT_EQ(form->Bounds().width, MulDiv(TMainForm::kOuterWidth, dpi, ui::kLayoutDpi));
    ExpectEveryControlInside(window);
    const Places now = PlacesOf(window);
    ASSERT_EQ(now.size(), before.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (before[i].second != 0) {
        EXPECT_EQ(now[i].second != before[i].second, dpi != start) << "font of window " << i;
      }
    }
  }
  const Places after = PlacesOf(window);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_TRUE(EqualRect(&after[i].first, &before[i].first) && after[i].second == before[i].second) << "window " << i;
  }
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
  // Above every window, in a corner of its own: the top-left one on a 96-DPI screen, the bottom-right one on
  // the others (whose runs take turns), so that no run beside this one covers it.
  const ui::Rect bounds = form->Bounds();
  const bool ownScale = form->Dpi() == ui::kLayoutDpi;
  SetWindowPos(window, HWND_TOPMOST, ownScale ? 0 : GetSystemMetrics(SM_CXSCREEN) - bounds.width,
               ownScale ? 0 : GetSystemMetrics(SM_CYSCREEN) - bounds.height, 0, 0, SWP_NOSIZE);
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
  // (The caption's colours when the window is active, and when another program's window has taken that.)
  const bool active = GetForegroundWindow() == window;
  const struct {
    const char* bar;
    RECT rect;
    COLORREF colour;
    COLORREF otherColour;
  } bars[] = {
      {"caption", title.rcTitleBar, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
       GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION)},
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
