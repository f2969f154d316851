// The main window from the keyboard alone: the keys that move between controls, pages and categories, the
// focus kept across whatever takes the keyboard away for a while, and no stray character left behind by a
// shortcut whose command shows a box.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/about_box.h"
#include "test_support.h"
#include "ui/application.h"
#include "user_actions.h"

namespace kestrelle {
namespace {

using test::Press;
using test::Pump;

class KeyboardTest : public testing::Test {
 protected:
  KeyboardTest() : form_(test::ShowMainForm()) {}

  TMoongatePage& Moongates() { return form_->tsMoongate.ContentAs<TMoongatePage>(); }
  TTranslatorPage& Translator() { return form_->tsSpeak.ContentAs<TTranslatorPage>(); }
  TWeaponsPage& Weapons() { return form_->TabSheet1.ContentAs<TWeaponsPage>(); }
  TArmourPage& Armour() { return form_->tsArmour.ContentAs<TArmourPage>(); }
  TAnimalsPage& Animals() { return form_->Animals.ContentAs<TAnimalsPage>(); }
  HWND MainTabs() const { return form_->tpMain.Handle(); }

  std::unique_ptr<TMainForm> form_;
};

// Each step presses its keys and finds the page, the focused control and the weapon category it expects.
TEST_F(KeyboardTest, KeysAgainstFocusAndPage) {
  enum { kMoongates, kTranslator, kWeapons, kArmour, kAnimals };
  constexpr int kLastCategory = -1;
  struct Keys {
    UINT key = 0;  // none: look only
    bool ctrl = false;
    bool shift = false;
    int times = 1;
  };
  const Keys tab{VK_TAB}, shiftTab{VK_TAB, false, true}, ctrlTab{VK_TAB, true}, ctrlShiftTab{VK_TAB, true, true};
  const Keys ctrlPageDown{VK_NEXT, true}, ctrlPageUp{VK_PRIOR, true};
  const struct {
    const char* name;
    Keys keys;
    int page;
    std::function<HWND()> focus;
    int weaponCategory = 0;
  } steps[] = {
      {"at start", {}, kMoongates, [&] { return Moongates().rgStart.ItemHandle(0); }},
      {"Ctrl+Shift+Tab", ctrlShiftTab, kAnimals, [&] { return Animals().sbAnimals.Handle(); }},
      {"Ctrl+Tab", ctrlTab, kMoongates, [&] { return Moongates().rgStart.ItemHandle(0); }},
      {"Ctrl+PgDn", ctrlPageDown, kTranslator, [&] { return Translator().memoText.Handle(); }},
      {"Tab", tab, kTranslator, [&] { return Translator().memoTranslated.Handle(); }},
      {"Tab", tab, kTranslator, [&] { return Translator().rgSpeak.ItemHandle(0); }},
      {"Tab", tab, kTranslator, [&] { return Translator().meCharDelay.Handle(); }},
      {"Tab", tab, kTranslator, [&] { return Translator().meLineDelay.Handle(); }},
      {"Tab", tab, kTranslator, [&] { return Translator().btnTranslate.Handle(); }},
      {"Tab", tab, kTranslator, [&] { return MainTabs(); }},
      {"Tab", tab, kTranslator, [&] { return Translator().memoText.Handle(); }},
      {"Shift+Tab", shiftTab, kTranslator, [&] { return MainTabs(); }},
      {"Right on the page tabs", {VK_RIGHT}, kWeapons, [&] { return MainTabs(); }},
      {"Tab", tab, kWeapons, [&] { return Weapons().sbWeapons.Handle(); }},
      {"Ctrl+PgDn", ctrlPageDown, kWeapons, [&] { return Weapons().sbWeapons.Handle(); }, 1},
      {"Ctrl+PgUp", ctrlPageUp, kWeapons, [&] { return Weapons().sbWeapons.Handle(); }, 0},
      {"Ctrl+PgUp", ctrlPageUp, kWeapons, [&] { return Weapons().sbWeapons.Handle(); }, kLastCategory},
      {"Ctrl+Tab", ctrlTab, kArmour, [&] { return Armour().sbArmour.Handle(); }, kLastCategory},
      {"Shift+Tab", shiftTab, kArmour, [&] { return MainTabs(); }, kLastCategory},
      {"Shift+Tab", shiftTab, kArmour, [&] { return Armour().tcArmour.StripHandle(); }, kLastCategory},
      {"Shift+Tab", shiftTab, kArmour, [&] { return Armour().btnArmourMagic.Handle(); }, kLastCategory},
      {"Tab twice", {VK_TAB, false, false, 2}, kArmour, [&] { return MainTabs(); }, kLastCategory},
      {"Ctrl+PgDn on the page tabs", ctrlPageDown, kAnimals, [&] { return MainTabs(); }, kLastCategory},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    for (int i = 0; step.keys.key != 0 && i < step.keys.times; ++i) Press(step.keys.key, step.keys.ctrl, step.keys.shift);
    EXPECT_EQ(form_->tpMain.ActivePageIndex(), step.page);
    EXPECT_EQ(GetFocus(), step.focus());
    const ui::TabControl& categories = Weapons().tcWeapons;
    EXPECT_EQ(categories.TabIndex(), step.weaponCategory == kLastCategory ? categories.TabCount() - 1 : step.weaponCategory);
  }
}

// Tab and Shift+Tab leave every memo and come back to it, and no tab character is ever typed into one.
TEST_F(KeyboardTest, TabMovesOutOfEveryMemo) {
  const struct {
    const char* name;
    std::function<ui::Memo&()> memo;
  } memos[] = {
      {"input", [&]() -> ui::Memo& { return Translator().memoText; }},
      {"output", [&]() -> ui::Memo& { return Translator().memoTranslated; }},
      {"weapon magic", [&]() -> ui::Memo& { return Weapons().memoMagicWpnDescription; }},
      {"armour magic", [&]() -> ui::Memo& { return Armour().memoMagicAmr; }},
  };
  test::Click(Weapons().btnWpnMagic.Handle());
  test::Click(Armour().btnArmourMagic.Handle());
  for (const auto& c : memos) {
    SCOPED_TRACE(c.name);
    ui::Memo& memo = c.memo();
    form_->tpMain.SetActivePage(form_->tpMain.PageCount() - 1);
    for (int i = 0; i < form_->tpMain.PageCount(); ++i) {
      if (IsChild(form_->tpMain.Page(i).Handle(), memo.Handle())) form_->tpMain.SetActivePage(i);
    }
    memo.SetFocus();
    const std::string text = memo.Text();
    Press(VK_TAB);
    EXPECT_NE(GetFocus(), memo.Handle());
    Press(VK_TAB, false, true);
    EXPECT_EQ(GetFocus(), memo.Handle());
    Press('I', true);  // the control character of a tab
    EXPECT_EQ(memo.Text(), text);
  }
}

// The focused control has the focus again after anything that took the keyboard away for a while.
TEST_F(KeyboardTest, FocusComesBack) {
  form_->tpMain.SetActivePage(1);
  TTranslatorPage& page = Translator();
  page.meCharDelay.SetText("   0");
  page.meLineDelay.SetText("   0");
  const struct {
    const char* name;
    std::function<HWND()> focus;
    std::function<void()> away;
  } cases[] = {
      {"another window", [&] { return page.meLineDelay.Handle(); }, [] { test::HostForm other; }},
      {"minimise and restore", [&] { return page.memoTranslated.Handle(); },
       [&] {
         SendMessageA(form_->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
         Pump();
         SendMessageA(form_->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
       }},
      {"an error box", [&] { return page.rgSpeak.ItemHandle(0); },
       [] {
         test::ErrorBoxWatcher watcher("Kestrelle");
         ui::ShowErrorBox("Something failed.");
         EXPECT_TRUE(watcher.Result().found);
       }},
      {"Translate from the keyboard, which disables the button", [&] { return page.btnTranslate.Handle(); },
       [&] {
         page.memoText.SetText("hello");
         Press(VK_SPACE);
         EXPECT_EQ(page.memoTranslated.Text(), "Hello\r\n");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetFocus(c.focus());
    ASSERT_EQ(GetFocus(), c.focus());
    c.away();
    Pump();
    EXPECT_EQ(GetActiveWindow(), form_->Handle());
    EXPECT_EQ(GetFocus(), c.focus());
  }
  // So the system keeps the about box above the main window and gives the activation back to it.
  EXPECT_EQ(GetWindow(form_->AboutBox().Handle(), GW_OWNER), form_->Handle());
}

// A shortcut whose command fails with an error box, Ctrl being released while a dialog of the command was
// open, does not type its letter into the memo; nor do keys still queued for the memo when a box comes.
TEST_F(KeyboardTest, NoStrayLetterAfterABox) {
  form_->tpMain.SetActivePage(1);
  TTranslatorPage& page = Translator();
  page.showFileDialog = [](ui::FileDialog& dialog) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    dialog.fileName = L"Z:\\no such folder\\no such file.txt";
    return true;
  };
  const struct {
    const char* name;
    UINT ctrlKey;  // pressed with Ctrl, or else
    char typed;    // typed
    UINT queued;   // a key pressed meanwhile, waiting in the queue when the box comes (0: none)
  } cases[] = {
      {"Ctrl+O of a file that can't be read", 'O', 0, 0},
      {"Ctrl+S to a file that can't be written", 'S', 0, 0},
      {"Ctrl+O with the key's repeat queued", 'O', 0, 'O'},
      {"Enter translating with a delay that is no number", 0, '\r', 'X'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    page.memoText.SetText("abc");
    page.memoText.SetFocus();
    page.memoText.SetSelection(3, 0);
    page.meCharDelay.SetText(c.typed != 0 ? "    " : "   0");
    if (page.pmAutoTranslate.Checked() != (c.typed == '\r')) page.pmAutoTranslate.Click();
    test::ErrorBoxWatcher watcher("Kestrelle");
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = c.ctrlKey != 0 ? 0x80 : 0;
    SetKeyboardState(keys);
    const HWND memo = page.memoText.Handle();
    if (c.ctrlKey != 0) PostMessageA(memo, WM_KEYDOWN, c.ctrlKey, 1);
    if (c.typed != 0) PostMessageA(memo, WM_CHAR, static_cast<WPARAM>(c.typed), 1);
    if (c.queued != 0) PostMessageA(memo, WM_KEYDOWN, c.queued, 1);
    Pump();
    EXPECT_TRUE(watcher.Result().found);
    Pump();
    EXPECT_EQ(page.memoText.Text(), "abc");
    EXPECT_EQ(GetFocus(), memo);
  }
}

}  // namespace
}  // namespace kestrelle
