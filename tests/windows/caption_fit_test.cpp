// Every caption of the real windows fits the room its control gives it, measured with the control's own
// font: a label in its box, a push button's inside its edge, a check box's or radio item's beside its
// mark, a group's between the frame's corner and its right side, a panel's inside its bevels, a tab's inside
// its tab on a strip that shows all of its tabs. The rules know nothing of the layout, so they hold for the
// font set the program runs with and for pages still to come.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "test_support.h"
#include "ui/panel.h"

namespace kestrelle {
namespace {

// A caption and the rectangle, in its window's client coordinates, that its text must stay inside.
struct Caption {
  std::string kind;
  HWND window;
  std::string text;
  RECT room;
  UINT layout = DT_SINGLELINE;  // how the control lays the text out: DT_SINGLELINE or DT_WORDBREAK, DT_NOPREFIX
};

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool IsClass(HWND window, const char* name) { return lstrcmpiA(ClassOf(window).c_str(), name) == 0; }

RECT ClientOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return client;
}

RECT Deflated(RECT rect, int dx, int dy) {
  InflateRect(&rect, -dx, -dy);
  return rect;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)); }

// The font the window draws its text with: the one set on a standard control, or the font of a control
// the window layer paints itself (whose windows do not answer WM_GETFONT).
HFONT FontOf(HWND window) {
  if (const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0))) return font;
  const ui::Control* control = ui::Control::FromHandle(window);
  return control ? control->ScaledFont() : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// The size of a text in the window's font, laid out in a given width (one line, or broken at blanks).
SIZE TextSize(HWND window, const std::string& text, int width, UINT layout) {
  const HDC dc = GetDC(window);
  const HGDIOBJ old = SelectObject(dc, FontOf(window));
  RECT box{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_EXPANDTABS | layout);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return {box.right - box.left, box.bottom - box.top};
}

std::optional<Caption> ButtonCaption(HWND window, const std::string& text) {
  const RECT client = ClientOf(window);
  const int edge = GetSystemMetrics(SM_CXEDGE);
  switch (StyleOf(window) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:  // inside the raised edge and the focus rectangle a pixel within it
      return Caption{"push button", window, text, Deflated(client, edge + 1, edge + 1)};
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {  // after the mark and a gap of half a digit's width
      RECT room = client;
      room.left += GetSystemMetrics(SM_CXMENUCHECK) + TextSize(window, "0", 0, DT_SINGLELINE).cx / 2;
      const DWORD type = StyleOf(window) & BS_TYPEMASK;
      const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
      return Caption{radio ? "radio item" : "check box", window, text, room,
                     (StyleOf(window) & BS_MULTILINE) != 0 ? UINT{DT_WORDBREAK} : UINT{DT_SINGLELINE}};
    }
    case BS_GROUPBOX: {  // where the system starts it on the top line, up to a pixel's gap before the right side
      RECT room = client;
      room.left += 8;
      room.right -= edge + 1;
      return Caption{"group", window, text, room};
    }
    default:
      return std::nullopt;
  }
}

// A label that is never shown only names its field for screen readers.
std::optional<Caption> LabelCaption(HWND window, const std::string& text) {
  if ((StyleOf(window) & WS_VISIBLE) == 0) return std::nullopt;
  const DWORD type = StyleOf(window) & SS_TYPEMASK;
  const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  if (!wraps && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE) return std::nullopt;  // pictures, frames
  const UINT prefix = (StyleOf(window) & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
  return Caption{"label", window, text, ClientOf(window), (wraps ? UINT{DT_WORDBREAK} : UINT{DT_SINGLELINE}) | prefix};
}

// The captions of a strip's tabs; none for a strip that scrolls (its arrows show), whose tabs are sized to
// their text and shown a few at a time.
std::vector<Caption> TabCaptions(HWND strip) {
  // The arrows' own style, as the strip's page may be hidden.
  const HWND arrows = FindWindowExA(strip, nullptr, UPDOWN_CLASSA, nullptr);
  if (arrows != nullptr && (StyleOf(arrows) & WS_VISIBLE) != 0) return {};
  const RECT client = ClientOf(strip);
  std::vector<Caption> captions;
  const int count = static_cast<int>(SendMessageA(strip, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(strip, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    RECT tab{};
    SendMessageA(strip, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
    // Inside the tab's edges and, across, its focus rectangle; and the tab itself on the strip.
    RECT room = Deflated(tab, GetSystemMetrics(SM_CXEDGE) + 1, GetSystemMetrics(SM_CYEDGE));
    IntersectRect(&room, &room, &client);
    captions.push_back({"tab", strip, text, room});
  }
  return captions;
}

std::vector<Caption> CaptionsOf(HWND window) {
  if (IsClass(window, WC_TABCONTROLA)) return TabCaptions(window);
  const std::string text = test::WindowText(window);
  if (text.empty()) return {};
  std::optional<Caption> caption;
  if (IsClass(window, "Button")) caption = ButtonCaption(window, text);
  if (IsClass(window, "Static")) caption = LabelCaption(window, text);
  // A panel centres its caption inside its bevels, a pixel or two each; the layer's other windows (pages,
  // containers) show no text of theirs.
  if (dynamic_cast<const ui::Panel*>(ui::Control::FromHandle(window)) != nullptr) {
    caption = Caption{"panel", window, text, Deflated(ClientOf(window), 2, 2), DT_SINGLELINE | DT_NOPREFIX};
  }
  if (caption) return {*caption};
  return {};
}

BOOL CALLBACK CollectCaptions(HWND window, LPARAM captions) {
  for (Caption& caption : CaptionsOf(window)) reinterpret_cast<std::vector<Caption>*>(captions)->push_back(caption);
  return TRUE;
}

// Checks every caption on a window's descendants, shown or hidden, and returns the kinds of control seen.
std::set<std::string> ExpectEveryCaptionFits(HWND top) {
  std::vector<Caption> captions;
  EnumChildWindows(top, &CollectCaptions, reinterpret_cast<LPARAM>(&captions));
  std::set<std::string> kinds;
  for (const Caption& caption : captions) {
    kinds.insert(caption.kind);
    const SIZE room{caption.room.right - caption.room.left, caption.room.bottom - caption.room.top};
    const SIZE needed = TextSize(caption.window, caption.text, room.cx, caption.layout);
    EXPECT_TRUE(needed.cx <= room.cx && needed.cy <= room.cy)
        << caption.kind << " \"" << caption.text << "\" needs " << needed.cx << " x " << needed.cy
        << " pixels, has " << room.cx << " x " << room.cy;
  }
  return kinds;
}

TEST(Captions, FitTheirControlsOnEveryPage) {
  auto form = test::ShowMainForm();
  for (int i = 0; i < form->tpMain.PageCount(); ++i) form->tpMain.Page(i).Content();
  // The main window has every kind (the walk also reaches the magic lookups, hidden until asked for).
  const std::set<std::string> everyKind{"label", "push button", "check box", "radio item", "group", "panel", "tab"};
  EXPECT_EQ(ExpectEveryCaptionFits(form->Handle()), everyKind);
}

TEST(Captions, FitTheirControlsInTheAboutBox) {
  TAboutBox aboutBox;
  EXPECT_FALSE(ExpectEveryCaptionFits(aboutBox.Handle()).empty());
}

}  // namespace
}  // namespace kestrelle
