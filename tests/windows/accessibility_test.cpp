// What a player finds who uses a screen reader, the keyboard alone or a colour scheme of their own: every
// control that takes the focus named, access keys unique on each page that press or reach their controls,
// Enter on push buttons, and colours that read in light, dark and high-contrast schemes.

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"
#include "ui/access_keys.h"

namespace kestrelle {
namespace {

class AccessibilityTest : public testing::Test {
 protected:
  std::unique_ptr<TMainForm> form = test::ShowMainForm();
  TMoongatePage& moongates = test::MoongatePage(*form);
  TTranslatorPage& translator = test::TranslatorPage(*form);
  TWeaponsPage& weapons = test::WeaponsPage(*form);
  TArmourPage& armour = test::ArmourPage(*form);
};

std::string KindOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return CharLowerA(name);
}

// The label a screen reader names a box or a bar after, as the system's accessibility layer finds it: the
// first label before it among its siblings, the search stopping at a control that starts a Tab group.
HWND LabelOf(HWND window) {
  for (HWND at = GetWindow(window, GW_HWNDPREV); at != nullptr; at = GetWindow(at, GW_HWNDPREV)) {
    if (KindOf(at) == "static") return at;
    if ((GetWindowLongPtrA(at, GWL_STYLE) & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
  }
  return nullptr;
}

std::vector<HWND> DescendantsOf(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, [](HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Every window of every page, both layers of the reference pages and the hidden time box too: a button is
// named by its caption, a box or bar by its label, a picture after what it shows. A shown field label and
// every push button and check box have an access key, none taken twice on a page or by the menu bar.
TEST_F(AccessibilityTest, ControlsAreNamedAndAccessKeysUniquePerPage) {
  const HMENU menu = GetMenu(form->Handle());
  std::set<char> menuKeys;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char caption[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION);
    menuKeys.insert(ui::AccessKeyOf(caption).value_or('\0'));
  }
  for (int page = 0; page < form->tpMain.PageCount(); ++page) {
    std::set<char> keys = menuKeys;
    for (const HWND window : DescendantsOf(form->tpMain.Page(page).Handle())) {
      const std::string kind = KindOf(window), text = test::WindowText(window);
      SCOPED_TRACE("page " + std::to_string(page) + ", " + kind + " \"" + text + '"');
      const auto type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
      const bool button = kind == "button" && type != BS_GROUPBOX;
      const bool field =
          kind == "combobox" || kind == "scrollbar" || (kind == "edit" && KindOf(GetParent(window)) != "combobox");
      const HWND label = field ? LabelOf(window) : nullptr;
      if (button || field) { EXPECT_NE(ui::ShownCaption(field ? test::WindowText(label) : text), ""); }
      if (label != nullptr && (GetWindowLongPtrA(label, GWL_STYLE) & WS_VISIBLE) != 0) {
        EXPECT_TRUE(ui::AccessKeyOf(test::WindowText(label))) << "a shown label of a field has an access key";
      }
      if (dynamic_cast<const ui::Image*>(ui::Control::FromHandle(window)) != nullptr) {
        EXPECT_EQ(text.find("Picture of "), 0u);
      }
      const std::optional<char> key = ui::AccessKeyOf(text);
      if (key && (SendMessageA(window, WM_GETDLGCODE, 0, 0) & (DLGC_STATIC | DLGC_BUTTON)) != 0) {
        EXPECT_TRUE(keys.insert(*key).second) << "the key " << *key << " is taken";
      }
      if (button && type <= BS_CHECKBOX) { EXPECT_TRUE(key) << "a push button or check box has an access key"; }
    }
  }
}

// Each step's key on its page: Alt and a letter, a letter alone on a control that takes none, Enter or Tab.
// The button the step expects pressed (if any) is pressed once, and the focus goes where the step expects.
TEST_F(AccessibilityTest, KeysPressButtonsAndReachFields) {
  std::map<const ui::Button*, int> presses;
  for (ui::Button* button : {&translator.btnTranslate, &weapons.btnWpnMagic, &weapons.Button3, &weapons.Button2,
                             &armour.btnArmourMagic, &armour.Button4, &armour.Button1}) {
    button->onClick = [button, &presses, click = button->onClick] {
      ++presses[button];
      click();
    };
  }
  const struct {
    int page;
    UINT message;
    WPARAM key;
    HWND focus;
    const ui::Button* pressed = nullptr;
  } steps[] = {
      {0, WM_SYSCHAR, 'B', moongates.edtByTime.Handle()},  // the check box: the time box takes the focus
      {0, WM_SYSCHAR, 'e', moongates.rgStart.ItemHandle(0)},
      {1, WM_SYSCHAR, 'e', translator.memoText.Handle()},
      {1, WM_SYSCHAR, 'c', translator.meCharDelay.Handle()},
      {1, WM_SYSCHAR, 't', translator.btnTranslate.Handle(), &translator.btnTranslate},
      {1, WM_KEYDOWN, VK_RETURN, translator.btnTranslate.Handle(), &translator.btnTranslate},
      {2, WM_SYSCHAR, 'm', weapons.rgMagicWpnSkill.ItemHandle(0), &weapons.btnWpnMagic},  // the lookup opens
      {2, WM_CHAR, 'a', weapons.rgMagicWpnDam.ItemHandle(0)},  // a radio item takes no letters
      {2, WM_SYSCHAR, 'c', weapons.Button3.Handle(), &weapons.Button3},
      {2, WM_KEYDOWN, VK_RETURN, weapons.Button3.Handle(), &weapons.Button3},
      {2, WM_KEYDOWN, VK_TAB, weapons.Button2.Handle()},
      {2, WM_KEYDOWN, VK_RETURN, weapons.btnWpnMagic.Handle(), &weapons.Button2},  // and closes
      {2, WM_KEYDOWN, VK_RETURN, weapons.rgMagicWpnSkill.ItemHandle(0), &weapons.btnWpnMagic},
      {3, WM_SYSCHAR, 'm', armour.rgMagicAmrDura.ItemHandle(0), &armour.btnArmourMagic},
      {3, WM_SYSCHAR, 'c', armour.Button4.Handle(), &armour.Button4},
      {3, WM_KEYDOWN, VK_RETURN, armour.Button4.Handle(), &armour.Button4},
      {3, WM_KEYDOWN, VK_TAB, armour.Button1.Handle()},
      {3, WM_KEYDOWN, VK_RETURN, armour.btnArmourMagic.Handle(), &armour.Button1},
      {3, WM_KEYDOWN, VK_RETURN, armour.rgMagicAmrDura.ItemHandle(0), &armour.btnArmourMagic},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "step " << &step - steps);
    if (form->tpMain.ActivePageIndex() != step.page) form->tpMain.SetActivePage(step.page);
    std::map<const ui::Button*, int> expected = presses;
    if (step.pressed != nullptr) ++expected[step.pressed];
    if (step.message == WM_KEYDOWN) {
      test::Press(static_cast<UINT>(step.key));
    } else {
      PostMessageA(GetFocus(), step.message, step.key, step.message == WM_SYSCHAR ? 1 << 29 : 1);  // Alt held
      test::Pump();
    }
    EXPECT_EQ(GetFocus(), step.focus);
    EXPECT_EQ(presses, expected);
    if (dynamic_cast<const ui::Button*>(ui::Control::FromHandle(step.focus)) != nullptr) {
      EXPECT_EQ(GetWindowLongPtrA(step.focus, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "shows as Enter's button";
    }
  }
  EXPECT_TRUE(moongates.cbByTime.Checked());
}

// A scheme put in through the seam, as Wine cannot switch high contrast on.
class TestScheme : public ui::ColourScheme {
 public:
  TestScheme(bool highContrast, COLORREF face, COLORREF window, COLORREF text)
      : highContrast_(highContrast), colours_{{COLOR_BTNFACE, face}, {COLOR_WINDOW, window}, {COLOR_WINDOWTEXT, text}} {
    ui::UseColourScheme(this);
  }
  ~TestScheme() override { ui::UseColourScheme(nullptr); }
  bool HighContrast() const override { return highContrast_; }
  COLORREF SystemColour(int index) const override {
    return colours_.contains(index) ? colours_.at(index) : GetSysColor(index);
  }

 private:
  bool highContrast_;
  std::map<int, COLORREF> colours_;
};

// The Moongates title as the page colours it for the system, the time and picture panels as they paint.
TEST_F(AccessibilityTest, ColoursReadInEveryScheme) {
  constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kYellow = RGB(255, 255, 0);
  const struct {
    const char* name;
    bool highContrast;
    COLORREF face, window, text, title, times, timesText, frame;
  } schemes[] = {
      {"light", false, RGB(240, 240, 240), kWhite, kBlack, RGB(0, 0, 128), kYellow, kBlack, kWhite},
      {"dark", false, RGB(32, 32, 32), kBlack, kWhite, kWhite, kYellow, kBlack, kWhite},
      {"high contrast black", true, kBlack, kBlack, kWhite, kWhite, kBlack, kWhite, kBlack},
      {"high contrast white", true, kWhite, kWhite, kBlack, kBlack, kWhite, kBlack, kWhite},
  };
  for (const auto& s : schemes) {
    SCOPED_TRACE(s.name);
    const TestScheme scheme(s.highContrast, s.face, s.window, s.text);
    const ui::MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SendMessageA(form->tsMoongate.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                 reinterpret_cast<LPARAM>(moongates.Label2.Handle()));
    EXPECT_EQ(std::pair(GetTextColor(dc.Get()), GetBkColor(dc.Get())), std::pair(s.title, s.face));
    const ui::PaintColours times = moongates.pnlTimes[0]->PaintingColours();
    EXPECT_EQ(std::pair(times.text, times.background), std::pair(s.timesText, s.times));
    EXPECT_EQ(weapons.pnlWeaponDisplay.PaintingColours().background, s.frame);
  }
}

}  // namespace
}  // namespace kestrelle
