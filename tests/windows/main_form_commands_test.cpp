// The main window's menus and their commands, and the error box for an exception that escapes a handler.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "test_support.h"

namespace kestrelle {
namespace {

// The menu as lines: one per item, submenu items indented, shortcuts after a tab, checked items marked.
std::vector<std::string> MenuLines(HMENU menu, const std::string& indent = "") {
  std::vector<std::string> lines;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char caption[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = sizeof caption;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    lines.push_back(indent + ((info.fType & MFT_SEPARATOR) != 0 ? "-" : caption));
    if ((info.fState & MFS_CHECKED) != 0) lines.back() += " [checked]";
    if (info.hSubMenu != nullptr) std::ranges::copy(MenuLines(info.hSubMenu, indent + "  "), std::back_inserter(lines));
  }
  return lines;
}

// The main menu, with the Help menu's separator first, and the Translator page's pop-up menu.
TEST(MainForm, MenusWithTheirSeparatorsShortcutsAndChecks) {
  auto form = test::ShowMainForm();
  ASSERT_EQ(GetMenu(form->Handle()), form->MainMenu1.Handle());
  const std::pair<HMENU, std::vector<std::string>> menus[] = {
      {GetMenu(form->Handle()), {"&File", "  E&xit", "&Help", "  -", "  &About ..."}},
      {test::TranslatorPage(*form).pmTranslate.Handle(),
       {"Clear Text", "-", "Settings", "  Word wrap [checked]", "  Auto Translate on Enter",
        "  Leave Game Commands Alone [checked]", "-", "&File", "  &Open\tCtrl+O", "  -", "  &Save\tCtrl+S",
        "  Save &As...", "&Edit", "  Cu&t\tCtrl+X", "  &Copy\tCtrl+C", "  &Paste\tCtrl+V"}},
  };
  for (const auto& [menu, expected] : menus) EXPECT_EQ(MenuLines(menu), expected);
}

TEST(MainForm, ExitClosesTheWindowAndEndsTheMessageLoop) {
  auto form = test::ShowMainForm();
  form->Exit1.Click();
  EXPECT_FALSE(form->Visible());
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// What escapes a handler is shown in the error box (application title, the exception's message); the
// program goes on with what the handler had changed, and the next event is handled as usual.
TEST(MainForm, ExceptionInAHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
  auto form = test::ShowMainForm();
  int runs = 0;
  auto failing = [&] {
    ++runs;
    test::TranslatorPage(*form).Label1.SetText("changed " + std::to_string(runs));
    throw std::runtime_error("Resource  not found");
  };
  const struct {
    const char* name;
    std::function<void()> bind;
    std::function<void()> raise;
  } cases[] = {
      {"button click", [&] { test::TranslatorPage(*form).btnTranslate.onClick = failing; },
       [&] { SendMessageA(test::TranslatorPage(*form).btnTranslate.Handle(), BM_CLICK, 0, 0); }},
      {"radio group click", [&] { test::MoongatePage(*form).rgStart.onClick = failing; },
       [&] {
         test::MoongatePage(*form).rgStart.SetItemIndex(-1);
         SendMessageA(test::MoongatePage(*form).rgStart.ItemHandle(3), BM_CLICK, 0, 0);
       }},
      {"main menu command", [&] { form->About1.onClick = failing; },
       [&] { SendMessageA(form->Handle(), WM_COMMAND, form->About1.CommandId(), 0); }},
      {"check box click", [&] { test::MoongatePage(*form).cbByTime.onClick = failing; },
       [&] { SendMessageA(test::MoongatePage(*form).cbByTime.Handle(), BM_CLICK, 0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    runs = 0;
    c.bind();
    for (int attempt = 1; attempt <= 2; ++attempt) {
      test::ErrorBoxWatcher watcher("Kestrelle");
      c.raise();
      const auto seen = watcher.Result();
      EXPECT_TRUE(seen.found) << "attempt " << attempt;
      EXPECT_EQ(seen.caption, "Kestrelle");
      EXPECT_EQ(seen.message, "Resource  not found");
      EXPECT_EQ(runs, attempt);
      EXPECT_EQ(test::TranslatorPage(*form).Label1.Text(), "changed " + std::to_string(attempt));
    }
  }
  EXPECT_EQ(test::MoongatePage(*form).rgStart.ItemIndex(), 3) << "the selection made before the handler stays";
  EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST(MainForm, ExceptionInTheShowHandlerIsReportedAndTheWindowStillShows) {
  test::ErrorBoxWatcher watcher("Kestrelle");
  ui::Form form("Failing", {.clientWidth = 100, .clientHeight = 100, .font = {"Arial", -11}});
  form.onShow = [] { throw std::runtime_error("show failed"); };
  form.Show();
  const auto seen = watcher.Result();
  EXPECT_TRUE(seen.found);
  EXPECT_EQ(seen.message, "show failed");
  EXPECT_TRUE(form.Visible());
}
}  // namespace
}  // namespace kestrelle
