// The text controls' behaviours that the pages rely on (edits, the memo, the combo box), each on a plain
// host form.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "test_support.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/masked_edit.h"
#include "ui/memo.h"

namespace kestrelle {
namespace {

using test::HostForm;
using test::Pump;

void TypeChars(HWND window, std::string_view text) {
  for (char ch : text) SendMessageA(window, WM_CHAR, static_cast<unsigned char>(ch), 0);
}

// Notifies the parent as the system does when the user acts on a child control.
void NotifyParent(const ui::Control& child, WORD code) {
  SendMessageA(GetParent(child.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child.Handle()), code),
               reinterpret_cast<LPARAM>(child.Handle()));
}

TEST(Edit, KeyPressSeesEnterAndCanSwallowKeys) {
  HostForm host;
  ui::Edit edit(host, {10, 10, 72, 22}, "", {.maxLength = 5});
  std::string seen;
  edit.onKeyPress = [&](char& key) {
    seen += key;
    if (key == 'x') key = 0;
  };
  edit.SetFocus();
  for (WPARAM key : {WPARAM{'A'}, WPARAM{'X'}, WPARAM{VK_RETURN}}) PostMessageA(edit.Handle(), WM_KEYDOWN, key, 1);
  Pump();  // through the message loop's keyboard handling, as typed keys go
  EXPECT_EQ(seen, "ax\r");
  EXPECT_EQ(edit.Text(), "a") << "the swallowed key is not typed";
}

// Typed, set or pasted, the field keeps four positions of digits or blanks.
TEST(MaskedEdit, KeepsFourDigitOrBlankPositions) {
  HostForm host;
  ui::MaskedEdit edit(host, {10, 10, 35, 22}, "  25");
  EXPECT_EQ(edit.Text(), "  25");
  const struct {
    const char* start;
    int selStart;
    int selLength;
    const char* typed;
    const char* expected;
  } cases[] = {
      {"  25", 0, 0, "1", "1 25"},      {"  25", 0, 0, "x", "  25"},     {"3000", 0, 4, "7", "7   "},
      {"3000", 4, 0, "5", "3000"},      {"3000", 2, 0, "\b", "3 00"},    {"3000", 1, 0, "2 5", "32 5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " typed '" + c.typed + "'");
    edit.SetText(c.start);
    edit.SetSelection(c.selStart, c.selLength);
    TypeChars(edit.Handle(), c.typed);
    EXPECT_EQ(edit.Text(), c.expected);
  }
  edit.SetText("7");
  EXPECT_EQ(edit.Text(), "   7") << "blanks at the left";
  edit.SetText("2x5");
  EXPECT_EQ(edit.Text(), " 2 5");
  ui::Memo source(host, {10, 40, 200, 60}, "9a8");
  source.SelectAll();
  source.CopyToClipboard();
  edit.SetText("    ");
  edit.SetSelection(0, 0);
  SendMessageA(edit.Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit.Text(), "98  ") << "a paste types only digits and blanks";
}

TEST(Memo, ReadsLinesAsDisplayed) {
  HostForm host;
  ui::Memo memo(host, {10, 10, 120, 200}, "", {.scrollBars = ui::ScrollBars::Vertical});
  const std::string paragraph = "alpha beta gamma delta epsilon zeta eta theta iota kappa";
  memo.SetText(paragraph + "\r\nshort\r\n");
  const std::vector<std::string> lines = memo.Lines();
  ASSERT_GT(lines.size(), 2u) << "the long paragraph wraps";
  EXPECT_EQ(lines.back(), "short") << "the empty line after the last break does not count";
  std::string joined;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (i + 2 < lines.size()) {
      EXPECT_EQ(lines[i].back(), ' ') << "a wrapped piece keeps its blank: " << lines[i];
    }
    joined += lines[i];
  }
  EXPECT_EQ(joined, paragraph);

  memo.Clear();
  EXPECT_EQ(memo.LineCount(), 0);
  memo.AppendLine("first");
  memo.AppendLine("second");
  EXPECT_EQ(memo.Text(), "first\r\nsecond\r\n");
  EXPECT_EQ(memo.LineCount(), 2);
}

// A long text is read and added with the window live; a change made meanwhile (a "Clear Text" from the
// pop-up menu) is not mixed into the result, and a switch of word wrap (which re-creates the window with
// the text so far) neither loses the line being added nor adds it twice.
TEST(Memo, LongTextsAreReadAndAddedAroundChangesMeanwhile) {
  HostForm host;
  ui::Memo memo(host, {10, 10, 120, 200}, "", {.scrollBars = ui::ScrollBars::Vertical});
  std::string paragraphs, words;
  for (int i = 0; i < 700; ++i) paragraphs += "line " + std::to_string(i) + "\r\n";
  while (words.size() < 5000) words += "word ";
  const std::string changed = "alpha beta gamma delta epsilon zeta eta theta iota kappa\r\nshort";
  enum class Meanwhile { Nothing, NewText, WrapSwitched };
  for (const Meanwhile meanwhile : {Meanwhile::Nothing, Meanwhile::NewText, Meanwhile::WrapSwitched}) {
    SCOPED_TRACE(static_cast<int>(meanwhile));
    memo.SetText(paragraphs);
    int calls = 0;
    const auto between = [&] {
      if (calls++ != 0) return;
      if (meanwhile == Meanwhile::NewText) memo.SetText(changed);
      if (meanwhile == Meanwhile::WrapSwitched) memo.SetWordWrap(!memo.WordWrap());
    };
    const std::vector<std::string> lines = memo.Lines(between);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(lines, memo.Lines()) << "the lines of the text as it is at the end";
    memo.SetText(paragraphs);
    calls = 0;
    memo.AppendLine(words, between);
    EXPECT_GT(calls, 1) << "the line is added in pieces, and goes on after the change";
    EXPECT_EQ(memo.Text(), (meanwhile == Meanwhile::NewText ? changed + "\r\n" : paragraphs) + words + "\r\n");
  }
}

TEST(Memo, SwitchingWordWrapKeepsTheTextAndTheControl) {
  HostForm host;
  ui::Memo memo(host, {10, 10, 120, 200}, "",
                {.scrollBars = ui::ScrollBars::Vertical, .readOnly = true, .tabStop = false});
  const std::string text = "alpha beta gamma delta epsilon zeta eta theta iota kappa\r\nshort";
  memo.SetText(text);
  const HWND before = memo.Handle();
  const ui::Rect bounds = memo.Bounds();
  ASSERT_GT(memo.LineCount(), 2);

  memo.SetWordWrap(false);
  memo.SetScrollBars(ui::ScrollBars::Both);
  EXPECT_NE(memo.Handle(), before) << "the system fixes wrapping when the window is made";
  EXPECT_EQ(ui::Control::FromHandle(memo.Handle()), &memo);
  EXPECT_EQ(memo.Text(), text);
  EXPECT_EQ(memo.LineCount(), 2);
  EXPECT_EQ(memo.Lines().front(), "alpha beta gamma delta epsilon zeta eta theta iota kappa");
  EXPECT_EQ(memo.Bounds(), bounds);
  EXPECT_TRUE(memo.ReadOnly());
  const auto style = GetWindowLongPtrA(memo.Handle(), GWL_STYLE);
  EXPECT_NE(style & WS_HSCROLL, 0);
  EXPECT_NE(style & WS_VSCROLL, 0);
  EXPECT_EQ(style & WS_TABSTOP, 0);

  memo.SetScrollBars(ui::ScrollBars::Vertical);
  memo.SetWordWrap(true);
  EXPECT_EQ(memo.Text(), text);
  EXPECT_GT(memo.LineCount(), 2);
}

TEST(Memo, CutsNothingOfALongText) {
  HostForm host;
  ui::Memo memo(host, {10, 10, 200, 100}, "", {.wordWrap = false});
  const std::size_t beyondDefaultLimit = 35000;  // the system stops typing at 30000 characters
  memo.SetText(std::string(beyondDefaultLimit, 'x'));
  memo.SetSelection(static_cast<int>(beyondDefaultLimit), 0);
  TypeChars(memo.Handle(), "yz");
  EXPECT_EQ(memo.Text().size(), beyondDefaultLimit + 2);
  EXPECT_EQ(memo.Lines().front().size(), beyondDefaultLimit + 2) << "a line is read whole, however long";

  std::string words;
  while (words.size() < beyondDefaultLimit) words += "word ";
  memo.SetText(words);
  memo.SetWordWrap(true);  // a new window, which must take the whole text and not bring the limit back
  EXPECT_EQ(memo.Text(), words);
  memo.SetSelection(static_cast<int>(words.size()), 0);
  TypeChars(memo.Handle(), "!");
  memo.AppendLine("end");
  EXPECT_EQ(memo.Text(), words + "!\r\nend\r\n");
}

// Choosing an entry and searching by typing: a change is raised only when the entry the box stands for
// changes, and the handler reads the new entry. (The reference pages' tests type into the real boxes.)
TEST(ComboBox, ChosenEntriesAndASearchAsTyped) {
  HostForm host;
  ui::ComboBox combo(host, {10, 10, 129, 22}, {.itemHeight = 14});
  ui::Edit other(host, {10, 100, 100, 21}, "");
  EXPECT_EQ(combo.Bounds().height, 22);
  combo.SetItems({"Axe", "Battle Axe", "Bow", "Dagger"});
  std::vector<int> raised;
  combo.onChange = [&] { raised.push_back(combo.ItemIndex()); };

  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), "Battle Axe");
  EXPECT_TRUE(raised.empty()) << "selecting from the program raises nothing";
  SendMessageA(combo.Handle(), CB_SETCURSEL, 3, 0);  // as the user chooses from the list
  NotifyParent(combo, CBN_SELCHANGE);
  EXPECT_EQ(raised, std::vector<int>{3});
  EXPECT_EQ(combo.Text(), "Dagger");

  const HWND edit = FindWindowExA(combo.Handle(), nullptr, "Edit", nullptr);
  combo.SetFocus();
  SendMessageA(edit, EM_SETSEL, 0, -1);
  // Typed in turn: "b" finds Battle Axe, "o" Bow, "x" nothing, two deletions Battle Axe again.
  TypeChars(edit, "box\b\b");
  EXPECT_EQ(raised, (std::vector<int>{3, 1, 2, 1}));
  EXPECT_EQ(combo.Text(), "b") << "the text stays as typed";
  other.SetFocus();
  EXPECT_EQ(combo.Text(), "Battle Axe") << "leaving the box shows the entry it found";

  combo.SetItemIndex(-1);
  EXPECT_EQ(combo.Text(), "");
  EXPECT_EQ(combo.ItemIndex(), -1);
}

}  // namespace
}  // namespace kestrelle
