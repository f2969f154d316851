// The Moongates page driven as a player drives it: clicks on the real buttons, and characters and keys
// posted to the focused window so that they pass the form's keyboard interface like typed ones.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "test_support.h"

namespace kestrelle {
namespace {

using Rows = std::array<std::string, 6>;

const Rows kNoRows = {"", "", "", "", "", ""};
// Moonglow to Magincia: the second window of the even hours.
const Rows kMoonglowToMagincia = {"12:10 - 12:29", "02:10 - 02:29", "04:10 - 04:29",
                                  "06:10 - 06:29", "08:10 - 08:29", "10:10 - 10:29"};
// Britain to Jhelom, and Magincia to Moonglow: the last window of the odd hours.
const Rows kLastOddWindow = {"01:40 - 01:59", "03:40 - 03:59", "05:40 - 05:59",
                             "07:40 - 07:59", "09:40 - 09:59", "11:40 - 11:59"};

constexpr int kMoonglow = 0;
constexpr int kBritain = 1;
constexpr int kJhelom = 2;
constexpr int kYew = 3;
constexpr int kTrinsic = 5;
constexpr int kMagincia = 7;

using test::Press;
using test::Pump;

class MoongatePageTest : public testing::Test {
 protected:
  void SetUp() override { ShowNewForm(); }

  // A main window as the program starts it, replacing any earlier one.
  void ShowNewForm() {
    form_.reset();
    form_ = test::ShowMainForm();
    ASSERT_EQ(GetActiveWindow(), form_->Handle()) << "keys reach the page through the active form";
  }

  TMoongatePage& Page() { return test::MoongatePage(*form_); }

  Rows Panels() const {
    Rows rows;
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = test::MoongatePage(*form_).pnlTimes[i]->Text();
    return rows;
  }

  static void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
    Pump();
  }
  static void ClickTown(ui::RadioGroup& group, int town) { Click(group.ItemHandle(town)); }
  void ClickByEnterTime() { Click(Page().cbByTime.Handle()); }

  // Characters as typed into whatever has the focus.
  static void Type(const std::string& text) {
    for (char c : text) PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    Pump();
  }
  // A key pressed and released on whatever has the focus; the form's keyboard interface sees it first.
  // Time-entry mode as it must look, whatever the player did in it.
  void ExpectTimeEntryMode() {
    EXPECT_TRUE(Page().cbByTime.Checked());
    EXPECT_TRUE(Page().edtByTime.Visible());
    EXPECT_EQ(Page().rgDest.ItemIndex(), -1);
    EXPECT_FALSE(Page().rgDest.Enabled());
    for (int i = 0; i < Page().rgDest.Count(); ++i) EXPECT_FALSE(IsWindowEnabled(Page().rgDest.ItemHandle(i))) << i;
    EXPECT_EQ(Panels(), kNoRows);
  }

  std::unique_ptr<TMainForm> form_;
};

TEST_F(MoongatePageTest, PanelsFillOnlyOnceBothTownsAreChosen) {
  struct Case {
    const char* name;
    bool enterFirst;
    int first;
    int second;
    const Rows& rows;
  };
  const Case cases[] = {
      {"Enter Moonglow, then Exit Magincia", true, kMoonglow, kMagincia, kMoonglowToMagincia},
      {"Exit Moonglow, then Enter Magincia", false, kMoonglow, kMagincia, kLastOddWindow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShowNewForm();
    ui::RadioGroup& firstGroup = c.enterFirst ? Page().rgStart : Page().rgDest;
    ui::RadioGroup& secondGroup = c.enterFirst ? Page().rgDest : Page().rgStart;
    ClickTown(firstGroup, c.first);
    EXPECT_EQ(firstGroup.ItemIndex(), c.first);
    EXPECT_EQ(Panels(), kNoRows);
    ClickTown(secondGroup, c.second);
    EXPECT_EQ(Panels(), c.rows);
  }
}

TEST_F(MoongatePageTest, ChangingEitherTownRecomputesThePanels) {
  ClickTown(Page().rgStart, kBritain);
  ClickTown(Page().rgDest, kJhelom);
  ASSERT_EQ(Panels(), kLastOddWindow);
  ClickTown(Page().rgStart, kMoonglow);
  ClickTown(Page().rgDest, kMagincia);
  EXPECT_EQ(Panels(), kMoonglowToMagincia);
}

TEST_F(MoongatePageTest, ByEnterTimeWithoutAnEnterTownPicksMoonglowAndFocusesTheTimeBox) {
  ClickTown(Page().rgDest, kYew);
  ClickByEnterTime();
  ExpectTimeEntryMode();
  EXPECT_EQ(Page().rgStart.ItemIndex(), kMoonglow);
  EXPECT_TRUE(Page().edtByTime.Focused());
  wchar_t cue[16] = {};
  SendMessageW(Page().edtByTime.Handle(), EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 16);
  EXPECT_STREQ(cue, L"hh:mm") << "the empty box shows the format";
}

TEST_F(MoongatePageTest, ByEnterTimeKeepsTheEnterTownAndEmptiesFilledPanels) {
  ClickTown(Page().rgStart, kTrinsic);
  ClickTown(Page().rgDest, kYew);
  ASSERT_NE(Panels(), kNoRows);
  ClickByEnterTime();
  ExpectTimeEntryMode();
  EXPECT_EQ(Page().rgStart.ItemIndex(), kTrinsic);
}

TEST_F(MoongatePageTest, BritainAtQuarterToFourLeadsToJhelom) {
  ClickTown(Page().rgStart, kBritain);
  ClickByEnterTime();
  Type("345");
  Press(VK_RETURN);

  EXPECT_EQ(Page().edtByTime.Text(), "03:45");
  EXPECT_FALSE(Page().cbByTime.Checked());
  EXPECT_FALSE(Page().edtByTime.Visible());
  EXPECT_TRUE(Page().rgDest.Enabled());
  EXPECT_TRUE(IsWindowEnabled(Page().rgDest.ItemHandle(kJhelom)));
  EXPECT_EQ(Page().rgDest.ItemIndex(), kJhelom);
  EXPECT_EQ(Page().rgDest.Item(kJhelom), "Jhelom");
  EXPECT_EQ(Page().rgStart.ItemIndex(), kBritain);
  EXPECT_EQ(Panels(), kLastOddWindow);
  EXPECT_TRUE(Page().cbByTime.Focused()) << "the keyboard goes on from the box the time box covered";
}

// The error box says what is wrong with the text, which stays as typed, selected, to type over.
TEST_F(MoongatePageTest, InvalidTimesAreExplainedAndStaySelectedInTheMode) {
  ClickTown(Page().rgStart, kBritain);
  ClickByEnterTime();
  // Each text is typed over the selected text the previous attempt left, as a player would retype.
  const char* const invalid[] = {"12", "13:00", "12:60", "12:", "ab:cd", "-1:30", "1:-5", "1 :05"};
  for (const std::string text : invalid) {
    SCOPED_TRACE(text);
    Type(text);
    test::ErrorBoxWatcher watcher("Kestrelle");
    Press(VK_RETURN);
    const std::string message = watcher.Result().message;
    EXPECT_EQ(message.find('"' + text + "\" is "), 0u) << message;
    EXPECT_NE(message.find("hh:mm"), std::string::npos) << "how to type a time";
    EXPECT_EQ(Page().edtByTime.Text(), text);
    EXPECT_EQ(Page().edtByTime.SelectionStart(), 0);
    EXPECT_EQ(Page().edtByTime.SelectionLength(), static_cast<int>(text.size()));
    EXPECT_TRUE(Page().edtByTime.Focused());
    ExpectTimeEntryMode();
  }
  SCOPED_TRACE("a valid time after the errors");
  Type("12:3");
  Press(VK_RETURN);
  EXPECT_EQ(Page().edtByTime.Text(), "012:3");
  EXPECT_EQ(Page().rgDest.ItemIndex(), kBritain) << "at 12:03 every gate leads to its own town";
}

TEST_F(MoongatePageTest, OnlyEnterIsTakenFromTheTimeBox) {
  ClickTown(Page().rgStart, kBritain);
  ClickByEnterTime();
  Type("a-:9z!");
  EXPECT_EQ(Page().edtByTime.Text(), "a-:9z") << "any character, up to five";
  ExpectTimeEntryMode();
}

TEST_F(MoongatePageTest, UncheckingByHandLeavesExitEmptyUntilATownIsPicked) {
  ClickTown(Page().rgStart, kMoonglow);
  ClickTown(Page().rgDest, kMagincia);
  ClickByEnterTime();
  Type("12");
  ClickByEnterTime();

  EXPECT_FALSE(Page().cbByTime.Checked());
  EXPECT_FALSE(Page().edtByTime.Visible());
  EXPECT_TRUE(Page().rgDest.Enabled());
  EXPECT_EQ(Page().rgDest.ItemIndex(), -1);
  EXPECT_EQ(Panels(), kNoRows);
  ClickTown(Page().rgDest, kMagincia);
  EXPECT_EQ(Panels(), kMoonglowToMagincia);

  SCOPED_TRACE("checking again selects what was typed before");
  ClickByEnterTime();
  EXPECT_EQ(Page().edtByTime.Text(), "12");
  EXPECT_EQ(Page().edtByTime.SelectionStart(), 0);
  EXPECT_EQ(Page().edtByTime.SelectionLength(), 2);
  EXPECT_TRUE(Page().edtByTime.Focused());
}

TEST_F(MoongatePageTest, WholePageWorksFromTheKeyboard) {
  const HWND checkBox = Page().cbByTime.Handle();
  SetFocus(form_->Handle());
  EXPECT_EQ(GetFocus(), Page().rgStart.ItemHandle(kMoonglow)) << "the window passes the focus to the Enter group";
  Press(VK_DOWN);
  EXPECT_EQ(Page().rgStart.ItemIndex(), kBritain);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Page().rgDest.ItemHandle(kMoonglow)) << "one Tab leaves the group";
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(Page().rgDest.ItemIndex(), kJhelom);
  EXPECT_EQ(Panels(), kLastOddWindow);
  Press(VK_UP);
  EXPECT_EQ(Page().rgDest.ItemIndex(), kBritain);
  EXPECT_EQ(Panels()[0], "12:00 - 12:09");
  EXPECT_EQ(Page().rgStart.ItemIndex(), kBritain);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), checkBox);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), form_->tpMain.Handle()) << "the page tabs come after the page";
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Page().rgStart.ItemHandle(kBritain)) << "Tab comes back to the selected town";

  SCOPED_TRACE("time-entry mode");
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_EQ(GetFocus(), checkBox);
  Press(VK_SPACE);
  ExpectTimeEntryMode();
  ASSERT_TRUE(Page().edtByTime.Focused());
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), form_->tpMain.Handle()) << "the time box is the page's last control, after the check box";
  Press(VK_TAB);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), checkBox) << "the disabled Exit group is passed over";
  Press(VK_TAB);
  EXPECT_TRUE(Page().edtByTime.Focused());
  Type("345");
  Press(VK_RETURN);
  EXPECT_EQ(Page().rgDest.ItemIndex(), kJhelom);
  EXPECT_EQ(Panels(), kLastOddWindow);
  EXPECT_EQ(GetFocus(), checkBox);
  Press(VK_TAB, false, true);
  EXPECT_EQ(GetFocus(), Page().rgDest.ItemHandle(kJhelom)) << "Shift+Tab enters the Exit group at the town found";
}

}  // namespace
}  // namespace kestrelle
