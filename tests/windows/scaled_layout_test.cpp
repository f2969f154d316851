// The main window on the screen the run names in KESTRELLE_WINE_SCREEN (the DPI, "-win10" for the frame of
// Windows 10 and 11; the screen's own when unset), and after moves to other scales and back: scaled client
// size, every control and page tab inside its parent and the window, caption and menu bars above the client.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "test_support.h"
#include "user_actions.h"
#include "ui/dpi.h"
#include "ui/image.h"

namespace kestrelle {
namespace {

// A window's outer rectangle, or its client area, on the screen.
RECT OnScreen(HWND window, bool client = false) {
  RECT rect{};
  if (!client) GetWindowRect(window, &rect);
  if (client && GetClientRect(window, &rect)) MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Inside(const RECT& in, std::initializer_list<RECT> outers) {
  return std::ranges::all_of(outers, [&](const RECT& out) {
    return in.left >= out.left && in.top >= out.top && in.right <= out.right && in.bottom <= out.bottom;
  });
}

// Each window under a form in the walk's order: its place in its parent, its font, and whether it lies
// inside its parent and the form. A hidden window takes no room; the scroll arrows of a tab strip are the
// strip's own, placed by the system.
struct Child { std::array<LRESULT, 5> place; bool inside; std::string name; };

std::vector<Child> ChildrenOf(HWND form) {
  std::vector<Child> children;
  EnumChildWindows(form, [](HWND window, LPARAM list) {
    const HWND parent = GetParent(window);
    char kind[64] = {};
    GetClassNameA(parent, kind, sizeof kind);
    const bool exempt = lstrcmpiA(kind, WC_TABCONTROLA) == 0 || !(GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE);
    RECT own = OnScreen(window);
    const bool inside = exempt || Inside(own, {OnScreen(parent, true), OnScreen(GetAncestor(window, GA_ROOT), true)});
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&own), 2);
    reinterpret_cast<std::vector<Child>*>(list)->push_back(
        {{own.left, own.top, own.right, own.bottom, SendMessageA(window, WM_GETFONT, 0, 0)}, inside,
         test::WindowText(window) + "\" in a " + kind});
    return TRUE;
  }, reinterpret_cast<LPARAM>(&children));
  return children;
}

// The window's DPI and client size at a DPI, whatever the frame, and every control and page tab inside its
// parent and the window. Told of another DPI than its screen's, a window under Wine keeps the frame of its
// screen; it then has the outer size that the frame of the DPI told needs around the client area.
void ExpectLaidOutAt(const TMainForm& form, int dpi, bool frameOfTheScreen = true) {
  EXPECT_EQ(form.Dpi(), dpi);
  const auto scaled = [dpi](int length) { return MulDiv(length, dpi, ui::kLayoutDpi); };
  const SIZE wanted = frameOfTheScreen ? SIZE{scaled(TMainForm::kClientWidth), scaled(TMainForm::kClientHeight)}
                                       : form.OuterSizeForClient(TMainForm::kClientWidth, TMainForm::kClientHeight);
  const ui::Rect has = frameOfTheScreen ? form.ClientRect() : form.Bounds();
  EXPECT_EQ((ui::Rect{0, 0, has.width, has.height}), (ui::Rect{0, 0, wanted.cx, wanted.cy}));
  for (const Child& child : ChildrenOf(form.Handle())) EXPECT_TRUE(child.inside) << '"' << child.name << " sticks out";
  const HWND tabs = form.tpMain.Handle();
  for (int i = 0; i < form.tpMain.PageCount(); ++i) {
    RECT tab{};
    SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
    MapWindowPoints(tabs, HWND_DESKTOP, reinterpret_cast<POINT*>(&tab), 2);
    EXPECT_TRUE(Inside(tab, {OnScreen(tabs, true), OnScreen(form.Handle(), true)})) << "page tab " << i;
  }
}

TEST(ScaledLayout, TheWindowTakesTheScreensDpiAndKeepsEverythingInside) {
  auto form = test::ShowMainForm();
  const char* screen = std::getenv("KESTRELLE_WINE_SCREEN");
  const int dpi = screen != nullptr ? std::atoi(screen) : ui::ScreenDpi();
  if (screen != nullptr && std::string(screen).ends_with("-win10")) {
    constexpr int kWindows10Caption = 23;  // at 96 DPI; Wine's own is 19
    ASSERT_GE(GetSystemMetrics(SM_CYCAPTION), MulDiv(kWindows10Caption, dpi, ui::kLayoutDpi)) << "Windows 10 frame";
  }
  // Each page is made when it first comes to the front, at the window's DPI of that moment.
  for (int i = 0; i < form->tpMain.PageCount(); ++i) {
    SCOPED_TRACE(i);
    form->tpMain.SetActivePage(i);
    test::Pump();
    ExpectLaidOutAt(*form, dpi);
  }
}

// Every picture of the three pages, at both ends of the zoom, shows whole inside its frame's border.
TEST(ScaledLayout, PicturesStayInsideTheirFramesAtTheZoomEnds) {
  auto form = test::ShowMainForm();
  TWeaponsPage& weapons = test::WeaponsPage(*form);
  TArmourPage& armour = test::ArmourPage(*form);
  TAnimalsPage& animals = test::AnimalsPage(*form);
  const struct { ui::TabControl* tabs; ui::ComboBox& items; ui::ScrollBar& zoom; const ui::Image& picture; } pages[] = {
      {&weapons.tcWeapons, weapons.cbWeapons, weapons.sbWeapons, weapons.imgWeapon},
      {&armour.tcArmour, armour.cbArmour, armour.sbArmour, armour.imgArmour},
      {nullptr, animals.cbAnimals, animals.sbAnimals, animals.imgAnimals}};
  for (const auto& page : pages) {
    for (int tab = 0; tab < (page.tabs != nullptr ? page.tabs->TabCount() : 1); ++tab) {
      if (page.tabs != nullptr) { ASSERT_TRUE(test::ChooseTab(*page.tabs, page.tabs->TabCaption(tab))); }
      for (int item = 0; item < page.items.Count(); ++item) {
        ASSERT_TRUE(test::ChooseItem(page.items, page.items.Item(item)));
        for (const int zoom : {page.zoom.Min(), page.zoom.Max()}) {
          page.zoom.SetPosition(zoom);
          const HWND picture = page.picture.Handle();
          EXPECT_TRUE(Inside(OnScreen(picture), {OnScreen(GetParent(picture), true)}))
              << page.picture.Text() << " at " << zoom;
        }
      }
    }
  }
}

// Moved to screens of other scales and back, as the system tells the window, at the size the window asked
// for beforehand.
TEST(ScaledLayout, MovingBetweenScreensLaysTheWindowOutAgain) {
  auto form = test::ShowMainForm();
  for (int i = form->tpMain.PageCount() - 1; i >= 0; --i) form->tpMain.SetActivePage(i);  // every page made
  const int start = form->Dpi();
  const auto before = ChildrenOf(form->Handle());
  for (const int dpi : {144, 120, 192, start}) {
    SCOPED_TRACE(dpi);
    SIZE asked{};
    ASSERT_TRUE(SendMessageA(form->Handle(), WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&asked)));
    RECT suggested{100, 50, 100 + asked.cx, 50 + asked.cy};
    SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    test::Pump();
    EXPECT_EQ(form->Bounds(), (ui::Rect{100, 50, asked.cx, asked.cy}));
    ExpectLaidOutAt(*form, dpi, dpi == start);
    const auto now = ChildrenOf(form->Handle());
    ASSERT_EQ(now.size(), before.size());
    for (std::size_t i = 0; i < now.size(); ++i) {  // back at the start all as it was; elsewhere each font another
      const auto &was = before[i].place, &is = now[i].place;
      EXPECT_TRUE(dpi == start ? is == was : was[4] == 0 || is[4] != was[4]) << '"' << now[i].name;
    }
  }
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
  // The caption's colours when the window is active, and when another program's window has taken that.
  const bool active = GetForegroundWindow() == window;
  const struct { const char* bar; RECT rect; int colour, otherColour; } bars[] = {
      {"caption", title.rcTitleBar, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION,
       active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION},
      {"menu", menu.rcBar, COLOR_MENU, COLOR_MENUBAR},
  };
  const HDC screen = GetDC(nullptr);
  for (const auto& [bar, rect, colour, otherColour] : bars) {
    SCOPED_TRACE(bar);
    const int middle = (rect.top + rect.bottom) / 2;
    EXPECT_TRUE(Inside(rect, {OnScreen(window)}) && middle < OnScreen(window, true).top);
    // Mostly the bar's colour across the middle row (the rest: text, buttons).
    int count = 0;
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF pixel = GetPixel(screen, x, middle);
      count += pixel == GetSysColor(colour) || pixel == GetSysColor(otherColour);
    }
    EXPECT_GT(count, (rect.right - rect.left) / 2);
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace kestrelle
