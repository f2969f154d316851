// The main window on a screen of the DPI the test run gives in KESTRELLE_WINE_DPI (the screen's own when
// unset): it takes that DPI and the scaled outer size, every control and page tab lies inside its parent
// and the window, the caption and menu bars are drawn, and a move to another scale and back restores it.

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

// A window's outer rectangle, or its client area, on the screen.
RECT OnScreen(HWND window, bool client = false) {
  RECT rect;
  if (!client) GetWindowRect(window, &rect);
  if (client && GetClientRect(window, &rect)) MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

BOOL CALLBACK ExpectInsideParentAndWindow(HWND window, LPARAM form) {
  char name[64] = {};
  GetClassNameA(GetParent(window), name, sizeof name);
  // A zoomed picture may be larger than its frame, which clips it; a hidden window takes no room; the
  // scroll arrows of a tab strip are the strip's own, placed by the system.
  const bool picture = dynamic_cast<const ui::Image*>(ui::Control::FromHandle(window)) != nullptr;
  if (picture || lstrcmpiA(name, WC_TABCONTROLA) == 0 || (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) == 0) {
    return TRUE;
  }
  const RECT own = OnScreen(window);
  EXPECT_TRUE(Inside(own, OnScreen(GetParent(window), true)) && Inside(own, OnScreen(reinterpret_cast<HWND>(form), true)))
      << "\"" << test::WindowText(window) << "\" in a " << name << " sticks out at " << own.left << ", " << own.top
      << " - " << own.right << ", " << own.bottom;
  return TRUE;
}

void ExpectEverythingInside(const TMainForm& form) {
  EnumChildWindows(form.Handle(), &ExpectInsideParentAndWindow, reinterpret_cast<LPARAM>(form.Handle()));
  const HWND tabs = form.tpMain.Handle();
  for (int i = 0; i < form.tpMain.PageCount(); ++i) {
    RECT tab{};
    SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
    MapWindowPoints(tabs, HWND_DESKTOP, reinterpret_cast<POINT*>(&tab), 2);
    EXPECT_TRUE(Inside(tab, OnScreen(form.Handle(), true)) && Inside(tab, OnScreen(tabs, true))) << "page tab " << i;
  }
}

TEST(ScaledLayout, TheWindowTakesTheScreensDpiAndKeepsEverythingInside) {
  auto form = test::ShowMainForm();
  const int dpi = ExpectedDpi();
  EXPECT_EQ(form->Dpi(), dpi);
  EXPECT_EQ(form->Bounds().width, MulDiv(TMainForm::kOuterWidth, dpi, ui::kLayoutDpi));
  EXPECT_EQ(form->Bounds().height, MulDiv(TMainForm::kOuterHeight, dpi, ui::kLayoutDpi));
  // Each page is made when it first comes to the front, at the window's DPI of that moment.
  for (int i = 0; i < form->tpMain.PageCount(); ++i) {
    SCOPED_TRACE(i);
    form->tpMain.SetActivePage(i);
    test::Pump();
    ExpectEverythingInside(*form);
  }
}

// Each window's place in its parent and its font, in the walk's order.
using Places = std::vector<std::pair<RECT, LRESULT>>;

Places PlacesOf(HWND form) {
  Places places;
  EnumChildWindows(form, [](HWND window, LPARAM list) {
    RECT rect = OnScreen(window);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    reinterpret_cast<Places*>(list)->push_back({rect, SendMessageA(window, WM_GETFONT, 0, 0)});
    return TRUE;
  }, reinterpret_cast<LPARAM>(&places));
  return places;
}

// Moved to screens of other scales and back, as the system tells the window, at the size it suggests.
TEST(ScaledLayout, MovingBetweenScreensLaysTheWindowOutAgain) {
  auto form = test::ShowMainForm();
  for (int i = form->tpMain.PageCount() - 1; i >= 0; --i) form->tpMain.SetActivePage(i);  // every page made
  const int start = form->Dpi();
  const Places before = PlacesOf(form->Handle());
  for (const int dpi : {144, 120, 192, start}) {
    SCOPED_TRACE(dpi);
    RECT suggested{100, 50, 100 + MulDiv(form->Bounds().width, dpi, form->Dpi()),
                   50 + MulDiv(form->Bounds().height, dpi, form->Dpi())};
    SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    test::Pump();
    EXPECT_EQ(form->Dpi(), dpi);
    EXPECT_EQ(form->Bounds().left, 100);
    EXPECT_EQ(form->Bounds().width, MulDiv(TMainForm::kOuterWidth, dpi, ui::kLayoutDpi));
    ExpectEverythingInside(*form);
    const Places now = PlacesOf(form->Handle());
    ASSERT_EQ(now.size(), before.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
      const bool same = EqualRect(&now[i].first, &before[i].first) && now[i].second == before[i].second;
      // Back at the start every window is as it was; elsewhere each font is another.
      EXPECT_TRUE(dpi == start ? same : before[i].second == 0 || now[i].second != before[i].second) << "window " << i;
    }
  }
}

// How many pixels of a row of the screen between two x positions have one of two colours.
int PixelsOfColour(int y, int left, int right, COLORREF first, COLORREF second) {
  const HDC screen = GetDC(nullptr);
  int count = 0;
  for (int x = left; x < right; ++x) count += GetPixel(screen, x, y) == first || GetPixel(screen, x, y) == second;
  ReleaseDC(nullptr, screen);
  return count;
}

TEST(ScaledLayout, CaptionAndMenuBarsAreDrawnAboveTheClientArea) {
  auto form = test::ShowMainForm();
  const HWND window = form->Handle();
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // above every window
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  test::Pump();
  GdiFlush();
  Sleep(200);  // lets the display server show the drawing before it is read back
  TITLEBARINFO title{sizeof title};
  MENUBARINFO menu{sizeof menu};
  ASSERT_TRUE(GetTitleBarInfo(window, &title) && GetMenuBarInfo(window, OBJID_MENU, 0, &menu));
  // (The caption's colours when the window is active, and when another program's window has taken that.)
  const bool active = GetForegroundWindow() == window;
  const struct {
    const char* bar;
    RECT rect;
    COLORREF colour, otherColour;
  } bars[] = {
      {"caption", title.rcTitleBar, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
       GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION)},
      {"menu", menu.rcBar, GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUBAR)},
  };
  for (const auto& bar : bars) {
    SCOPED_TRACE(bar.bar);
    const int middle = (bar.rect.top + bar.rect.bottom) / 2;
    EXPECT_TRUE(Inside(bar.rect, OnScreen(window)) && middle < OnScreen(window, true).top);
    // Mostly the bar's colour across the middle row (the rest: text, buttons).
    EXPECT_GT(PixelsOfColour(middle, bar.rect.left, bar.rect.right, bar.colour, bar.otherColour),
              (bar.rect.right - bar.rect.left) / 2);
  }
}

}  // namespace
}  // namespace kestrelle
