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
#include "ui/file_dialog.h"
#include "ui/image.h"
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
