// The main window from the keyboard alone: the keys that move between controls, pages and categories, the
// focus kept across whatever takes the keyboard away, and no stray letter after a shortcut's box.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "app/about_box.h"
#include "test_support.h"
#include "ui/application.h"

namespace kestrelle {
namespace {

using test::Press;
using test::Pump;

class KeyboardTest : public testing::Test {
 protected:
  KeyboardTest() : form(test::ShowMainForm()) {}
  std::unique_ptr<TMainForm> form;
  // Every page made, as when each has been shown once.
  TMoongatePage& moongates = test::MoongatePage(*form);
  TTranslatorPage& page = test::TranslatorPage(*form);
  TWeaponsPage& weapons = test::WeaponsPage(*form);
  TArmourPage& armour = test::ArmourPage(*form);
  TAnimalsPage& animals = test::AnimalsPage(*form);
};

// Each step presses its key (T Tab, S Shift+Tab, N Ctrl+Tab, P Ctrl+Shift+Tab, D Ctrl+PgDn, U Ctrl+PgUp,
// R Right, I Ctrl+I, a blank Space, 0 none) and finds the page, the focus and the weapon category it expects.
// Tab follows each page top to bottom, left to right (the Translator's texts, then its settings), and
// Ctrl+Tab comes to a page's first control.
TEST_F(KeyboardTest, KeysAgainstFocusAndPage) {
  const std::map<char, std::pair<UINT, int>> keys{{'T', {VK_TAB, 0}},  {'S', {VK_TAB, 2}},   {'N', {VK_TAB, 1}},
                                                  {'P', {VK_TAB, 3}},  {'D', {VK_NEXT, 1}}, {'U', {VK_PRIOR, 1}},
                                                  {'R', {VK_RIGHT, 0}}, {'I', {'I', 1}},     {' ', {VK_SPACE, 0}}};
  enum { kMoongates, kTranslator, kWeapons, kArmour, kAnimals };
  const int last = weapons.tcWeapons.TabCount() - 1;
  const HWND pages = form->tpMain.Handle(), town = moongates.rgStart.ItemHandle(0);
  const HWND strip = weapons.tcWeapons.StripHandle();
  const HWND input = page.memoText.Handle();
  const auto box = [](const ui::ComboBox& items) { return FindWindowExA(items.Handle(), nullptr, "Edit", nullptr); };
  const struct {
    char key;
    int page;
    HWND focus;
    int category = 0;
  } steps[] = {
      {'0', kMoongates, town},  // at start
      {'T', kMoongates, moongates.rgDest.ItemHandle(0)},
      {'T', kMoongates, moongates.cbByTime.Handle()},
      {'T', kMoongates, pages},
      {'T', kMoongates, town},
      {'P', kAnimals, animals.sbAnimals.Handle()},
      {'T', kAnimals, box(animals.cbAnimals)},
      {'T', kAnimals, pages},
      {'T', kAnimals, animals.sbAnimals.Handle()},
      {'N', kMoongates, town},
      {'D', kTranslator, input},
      {'I', kTranslator, input},  // types no tab
      {'T', kTranslator, page.memoTranslated.Handle()},
      {'T', kTranslator, page.rgSpeak.ItemHandle(0)},
      {'T', kTranslator, page.meCharDelay.Handle()},
      {'T', kTranslator, page.meLineDelay.Handle()},
      {'T', kTranslator, page.btnTranslate.Handle()},
      {'T', kTranslator, pages},
      {'R', kWeapons, pages},
      {'T', kWeapons, strip},  // the category strip first, as it stands above the page
      {'T', kWeapons, weapons.sbWeapons.Handle()},
      {'T', kWeapons, box(weapons.cbWeapons)},
      {'T', kWeapons, weapons.btnWpnMagic.Handle()},
      {'T', kWeapons, pages},
      {'T', kWeapons, strip},
      {'D', kWeapons, strip, 1},
      {'U', kWeapons, strip, 0},
      {'U', kWeapons, strip, last},
      {'S', kWeapons, pages, last},
      {'S', kWeapons, weapons.btnWpnMagic.Handle(), last},
      {' ', kWeapons, weapons.rgMagicWpnSkill.ItemHandle(0), last},  // the magic lookup
      {'S', kWeapons, pages, last},
      {'S', kWeapons, weapons.Button2.Handle(), last},
      {'S', kWeapons, weapons.Button3.Handle(), last},
      {'S', kWeapons, weapons.memoMagicWpnDescription.Handle(), last},
      {'T', kWeapons, weapons.Button3.Handle(), last},
      {'N', kArmour, armour.tcArmour.StripHandle(), last},
      {'S', kArmour, pages, last},
      {'D', kAnimals, pages, last},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "step " << &step - steps << " key " << step.key);
    if (const auto key = keys.find(step.key); key != keys.end()) {
      Press(key->second.first, (key->second.second & 1) != 0, (key->second.second & 2) != 0);
    }
    EXPECT_EQ(form->tpMain.ActivePageIndex(), step.page);
    EXPECT_EQ(GetFocus(), step.focus);
    EXPECT_EQ(weapons.tcWeapons.TabIndex(), step.category);
  }
  EXPECT_EQ(page.memoText.Text(), "");
  EXPECT_EQ(weapons.memoMagicWpnDescription.Text().find('\t'), std::string::npos);
}

// The focused control has the focus again after anything that took the keyboard away for a while.
TEST_F(KeyboardTest, FocusComesBack) {
  form->tpMain.SetActivePage(1);
  const HWND window = form->Handle();
  const std::pair<HWND, std::function<void()>> cases[] = {
      {page.meLineDelay.Handle(), [] { test::HostForm other; }},
      {page.memoTranslated.Handle(), [&] {
         SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
         SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
       }},
      {page.rgSpeak.ItemHandle(0), [] {
         test::ErrorBoxWatcher watcher("Kestrelle");
         ui::ShowErrorBox("Something failed.");
       }},
      {page.memoText.Handle(), [&] {
         PostMessageA(form->AboutBox().Handle(), WM_CLOSE, 0, 0);
         form->AboutBox().ShowModal();
       }},
      {page.btnTranslate.Handle(), [&] {  // Translate from the keyboard: the command disables the button
         page.memoText.SetText("hello");
         Press(VK_SPACE);
         EXPECT_EQ(page.memoTranslated.Text(), "Hello\r\n");
       }},
  };
  for (const auto& [focus, away] : cases) {
    SCOPED_TRACE(testing::Message() << "focus on " << focus);
    SetFocus(focus);
    away();
    Pump();
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetFocus(), focus);
  }
  // So the system keeps the about box above the main window.
  EXPECT_EQ(GetWindow(form->AboutBox().Handle(), GW_OWNER), window);
}

// A shortcut whose command fails with an error box, Ctrl released while the command's dialog was open, types
// no letter into the memo; nor do keys still queued for the memo when a box comes.
TEST_F(KeyboardTest, NoStrayLetterAfterABox) {
  form->tpMain.SetActivePage(1);
  page.showFileDialog = [](ui::FileDialog& dialog) {
    test::HoldKeys(false);  // Ctrl released while the dialog is open
    dialog.fileName = L"Z:\\no such folder\\no such file.txt";
    return true;
  };
  // The shortcut, else Enter with translation on Enter and a delay that is no number; a key waiting in the
  // queue when the box comes, or none.
  const std::pair<UINT, UINT> cases[] = {{'O', 0}, {'S', 0}, {'O', 'O'}, {0, 'X'}};
  for (const auto& [ctrlKey, queued] : cases) {
    SCOPED_TRACE(testing::Message() << "key " << ctrlKey << " queued " << queued);
    page.memoText.SetText("abc");
    page.memoText.SetFocus();
    page.meCharDelay.SetText(ctrlKey == 0 ? "    " : "  25");
    if (page.pmAutoTranslate.Checked() != (ctrlKey == 0)) page.pmAutoTranslate.Click();
    test::ErrorBoxWatcher watcher("Kestrelle");
    test::HoldKeys(ctrlKey != 0);
    PostMessageA(GetFocus(), ctrlKey != 0 ? WM_KEYDOWN : WM_CHAR, ctrlKey != 0 ? ctrlKey : '\r', 1);
    if (queued != 0) PostMessageA(GetFocus(), WM_KEYDOWN, queued, 1);
    Pump();
    EXPECT_TRUE(watcher.Result().found);
    Pump();
    EXPECT_EQ(page.memoText.Text(), "abc");
  }
}

}  // namespace
}  // namespace kestrelle
