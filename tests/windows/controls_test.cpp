// The window layer's behaviours that the pages rely on, each on a plain host form.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "test_support.h"
#include "ui/application.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/file_dialog.h"
#include "ui/image.h"
#include "ui/masked_edit.h"
#include "ui/mci_player.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"
#include "ui/scroll_bar.h"
#include "ui/timer.h"

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

TEST(RadioGroup, SelectingAnItemRaisesClickClearingDoesNot) {
  HostForm host;
  ui::RadioGroup group(host, {10, 10, 120, 100}, "Group", {.items = {"A", "B", "C"}});
  std::vector<int> clicks;  // the index seen by each click
  group.onClick = [&] { clicks.push_back(group.ItemIndex()); };

  group.SetItemIndex(1);
  EXPECT_EQ(clicks, std::vector<int>{1});
  group.SetItemIndex(1);
  EXPECT_EQ(clicks, std::vector<int>{1}) << "the item already selected";
  group.SetItemIndex(-1);
  EXPECT_EQ(clicks, std::vector<int>{1}) << "no selection raises nothing";
  EXPECT_EQ(group.ItemIndex(), -1);
  for (int i = 0; i < group.Count(); ++i) EXPECT_EQ(SendMessageA(group.ItemHandle(i), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SendMessageA(group.ItemHandle(2), BM_CLICK, 0, 0);  // as the user clicks it
  EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
  EXPECT_EQ(SendMessageA(group.ItemHandle(2), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(group.ItemHandle(1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_THROW(group.SetItemIndex(3), std::out_of_range);
}

TEST(RadioGroup, IsDisabledAsAWhole) {
  HostForm host;
  ui::RadioGroup group(host, {10, 10, 200, 80}, "Two columns", {.items = {"A", "B", "C", "D"}, .columns = 2});
  group.SetEnabled(false);
  EXPECT_FALSE(group.Enabled());
  for (int i = 0; i < group.Count(); ++i) EXPECT_FALSE(IsWindowEnabled(group.ItemHandle(i))) << i;
  group.SetEnabled(true);
  for (int i = 0; i < group.Count(); ++i) EXPECT_TRUE(IsWindowEnabled(group.ItemHandle(i))) << i;

  // Two columns, the first half of the items in the left one.
  RECT first;
  RECT third;
  GetWindowRect(group.ItemHandle(0), &first);
  GetWindowRect(group.ItemHandle(2), &third);
  EXPECT_GT(third.left, first.left);
  EXPECT_EQ(third.top, first.top);
}

TEST(CheckBox, EveryChangeOfStateRaisesClick) {
  HostForm host;
  ui::CheckBox box(host, {10, 10, 100, 17}, "Check");
  std::vector<bool> seen;
  box.onClick = [&] { seen.push_back(box.Checked()); };
  box.SetChecked(true);
  box.SetChecked(true);
  SendMessageA(box.Handle(), BM_CLICK, 0, 0);
  box.SetChecked(false);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
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
}

TEST(MaskedEdit, PasteTypesOnlyDigitsAndBlanks) {
  HostForm host;
  ui::MaskedEdit edit(host, {10, 10, 35, 22}, "    ");
  ui::Memo source(host, {10, 40, 200, 60}, "9a8");
  source.SelectAll();
  source.CopyToClipboard();
  edit.SetSelection(0, 0);
  SendMessageA(edit.Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit.Text(), "98  ");
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
// pop-up menu) is not mixed into the result.
TEST(Memo, LongTextsAreReadAndAddedAroundChangesMeanwhile) {
  HostForm host;
  ui::Memo memo(host, {10, 10, 120, 200}, "", {.scrollBars = ui::ScrollBars::Vertical});
  std::string paragraphs, words;
  for (int i = 0; i < 700; ++i) paragraphs += "line " + std::to_string(i) + "\r\n";
  while (words.size() < 5000) words += "word ";
  const std::string changed = "alpha beta gamma delta epsilon zeta eta theta iota kappa\r\nshort";
  for (const bool changeMeanwhile : {false, true}) {
    memo.SetText(paragraphs);
    int calls = 0;
    const auto between = [&] {
      if (calls++ == 0 && changeMeanwhile) memo.SetText(changed);
    };
    const std::vector<std::string> lines = memo.Lines(between);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(lines, memo.Lines()) << "the lines of the text as it is at the end";
    memo.SetText(paragraphs);
    calls = 0;
    memo.AppendLine(words, between);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(memo.Text(), (changeMeanwhile ? changed + "\r\n" : paragraphs) + words + "\r\n");
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
  EXPECT_EQ(memo.Line(0), "alpha beta gamma delta epsilon zeta eta theta iota kappa");
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
  EXPECT_EQ(memo.Line(0).size(), beyondDefaultLimit + 2) << "a line is read whole, however long";

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

// A dialog box of this thread's other side: the first visible one captioned so, or owned by owner.
HWND WaitForDialog(const char* caption, HWND owner) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    HWND found = nullptr;
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
      if (!IsWindowVisible(w)) continue;
      if ((caption != nullptr && test::WindowText(w) == caption) || (owner != nullptr && GetWindow(w, GW_OWNER) == owner)) {
        found = w;
      }
    }
    if (found != nullptr) return found;
    Sleep(10);
  }
  return nullptr;
}

TEST(FileDialog, SavingOverAnExistingFileAsksFirst) {
  HostForm host;
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"kestrelle-dialog-test.txt";
  CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ui::FileDialog dialog(ui::FileDialog::Kind::Save, "Save the notes");
  dialog.fileName = path;

  bool asked = false;
  std::thread player([&] {
    const HWND save = WaitForDialog("Save the notes", nullptr);
    if (save == nullptr) return;
    PostMessageA(save, WM_COMMAND, IDOK, 0);
    if (const HWND question = WaitForDialog(nullptr, save)) {
      asked = true;
      PostMessageA(question, WM_COMMAND, IDNO, 0);
      while (IsWindow(question)) Sleep(10);
    }
    PostMessageA(save, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(dialog.Execute(host.Handle())) << "No to the question leaves the dialog, which is then cancelled";
  player.join();
  EXPECT_TRUE(asked);
  DeleteFileW(path.c_str());
}

TEST(ScrollBar, ChangesWithinItsRange) {
  HostForm host;
  ui::ScrollBar bar(host, {10, 10, 101, 12}, {.min = 5, .max = 30, .position = 20});
  std::vector<int> positions;
  bar.onChange = [&] { positions.push_back(bar.Position()); };
  auto scroll = [&](WORD code) {
    SendMessageA(host.Handle(), WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar.Handle()));
  };
  scroll(SB_LINERIGHT);
  scroll(SB_LINELEFT);
  scroll(SB_LINELEFT);
  bar.SetPosition(99);
  scroll(SB_LINERIGHT);  // already at the maximum
  bar.SetPosition(-4);
  EXPECT_EQ(positions, (std::vector<int>{21, 20, 19, 30, 5}));
  EXPECT_EQ(GetScrollPos(bar.Handle(), SB_CTL), 5);
}

TEST(PageControl, ShowsOnlyTheActivePage) {
  HostForm host;
  ui::PageControl pages(host, {0, 0, 320, 267}, {.tabsAtBottom = true});
  ui::TabSheet& first = pages.AddPage("First");
  ui::TabSheet& second = pages.AddPage("Second");
  int changes = 0;
  pages.onChange = [&] { ++changes; };
  EXPECT_TRUE(first.Visible());
  EXPECT_FALSE(second.Visible());

  pages.SetActivePage(1);
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(first.Visible());
  EXPECT_TRUE(second.Visible());

  RECT tab;  // the user clicks the first tab
  SendMessageA(pages.Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageA(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(pages.Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(pages.ActivePageIndex(), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(first.Visible());
  EXPECT_FALSE(second.Visible());
}

// A page that counts its starts and close questions; its start may fail, and it may refuse to close.
struct PageRecord {
  bool failingStart = false;
  bool refusing = false;
  int starts = 0;
  int closeQuestions = 0;
};
struct CountingPage : ui::PageContent {
  explicit CountingPage(PageRecord& record) : record_(record) {}
  void Start() override {
    ++record_.starts;
    if (record_.failingStart) throw std::runtime_error("start failed");
  }
  bool MayClose() override {
    ++record_.closeQuestions;
    return !record_.refusing;
  }
  PageRecord& record_;
};

// A page is made and started once, when it first comes to the front (the first page at once); one whose
// start fails is reported and shown all the same. Before closing, every page made is asked, also after one
// has refused, and a page never shown is not made for the question.
TEST(PageControl, MakesEachPageWhenFirstShownAndAsksTheMadeOnesBeforeClosing) {
  HostForm host;
  ui::PageControl pages(host, {0, 0, 320, 267});
  PageRecord records[] = {{.refusing = true}, {.failingStart = true}, {}};
  for (PageRecord& record : records) {
    pages.AddPage("Page", [&record](ui::TabSheet&) { return std::make_unique<CountingPage>(record); });
  }
  EXPECT_EQ(records[0].starts, 1);
  EXPECT_EQ(records[1].starts, 0);
  test::ErrorBoxWatcher watcher(ui::ApplicationTitle());
  pages.SetActivePage(1);
  EXPECT_EQ(watcher.Result().message, "start failed");
  EXPECT_TRUE(pages.Page(1).Visible());
  pages.SetActivePage(0);
  pages.SetActivePage(1);
  EXPECT_FALSE(pages.PagesMayClose());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(records[i].starts, i < 2 ? 1 : 0) << i;
    EXPECT_EQ(records[i].closeQuestions, i < 2 ? 1 : 0) << i;
  }
}

TEST(Form, ErasesItsClientAreaInItsBackgroundColour) {
  HostForm host;
  const HDC screen = GetDC(nullptr);
  ui::BitmapHandle target(CreateCompatibleBitmap(screen, 20, 20));
  ReleaseDC(nullptr, screen);
  ui::MemoryDcHandle canvas(CreateCompatibleDC(nullptr));
  ui::SelectedObject selected(canvas.Get(), target.Get());
  EXPECT_NE(SendMessageA(host.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Get()), 0), 0);
  EXPECT_EQ(GetPixel(canvas.Get(), 10, 10), ui::colours::ButtonFace.Resolve());
}

TEST(Image, DrawsItsBitmapStretchedToItsOwnSize) {
  HostForm host;
  ui::Image image(host, {10, 10, 40, 20});
  const DWORD pixels[2] = {0x00FF0000, 0x000000FF};  // red, blue (32-bit 0x00RRGGBB)
  image.SetBitmap(ui::BitmapHandle(CreateBitmap(2, 1, 1, 32, pixels)));
  EXPECT_EQ(image.BitmapSize().cx, 2);
  EXPECT_EQ(image.BitmapSize().cy, 1);
  EXPECT_EQ(image.Bounds(), (ui::Rect{10, 10, 40, 20})) << "the image keeps its size";

  const HDC screen = GetDC(nullptr);
  ui::MemoryDcHandle canvas(CreateCompatibleDC(screen));
  ui::BitmapHandle target(CreateCompatibleBitmap(screen, 40, 20));
  ReleaseDC(nullptr, screen);
  ui::SelectedObject selected(canvas.Get(), target.Get());
  SendMessageA(image.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Get()), PRF_CLIENT);
  EXPECT_EQ(GetPixel(canvas.Get(), 2, 18), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(canvas.Get(), 37, 1), RGB(0, 0, 255));
}

// The device's own message for a file it cannot open; nothing is open afterwards to stop or close.
TEST(MciPlayer, FileItCannotOpenRaisesTheDeviceMessage) {
  HostForm host;
  ui::MciPlayer player(host, {0, 0, 10, 10});
  EXPECT_THROW(player.Open("C:\\no such folder\\stones2.mid"), std::runtime_error);
  EXPECT_FALSE(player.IsOpen());
  EXPECT_THROW(player.Stop(), std::runtime_error);
  EXPECT_THROW(player.Close(), std::runtime_error);
}

TEST(PopupMenu, ShortcutsActWhileTheControlHasTheFocus) {
  HostForm host;
  ui::Memo memo(host, {10, 10, 200, 100}, "");
  ui::PopupMenu menu;
  ui::MenuItem& open = menu.Add("&File").Add("&Open", ui::Shortcut::Ctrl('O'));
  ui::MenuItem& save = menu.Add("&Save", ui::Shortcut::Ctrl('S'));
  int opened = 0;
  int saved = 0;
  open.onClick = [&] { ++opened; };
  save.onClick = [&] { ++saved; };
  save.SetEnabled(false);
  memo.SetPopupMenu(&menu);
  memo.SetFocus();

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(memo.Handle(), WM_KEYDOWN, 'O', 0);
  PostMessageA(memo.Handle(), WM_KEYDOWN, 'S', 0);
  Pump();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);

  EXPECT_EQ(opened, 1);
  EXPECT_EQ(saved, 0) << "a disabled item's shortcut does nothing";
  EXPECT_EQ(memo.Text(), "") << "the shortcut key is not typed";
}

TEST(Timer, TicksFromTheMessageLoopWhileEnabled) {
  ui::Timer timer(10);
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  timer.SetEnabled(true);
  for (int wait = 0; wait < 200 && ticks < 2; ++wait) {
    Sleep(10);
    Pump();
  }
  EXPECT_GE(ticks, 2);
  timer.SetEnabled(false);
  const int stopped = ticks;
  Sleep(50);
  Pump();
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
}  // namespace kestrelle
