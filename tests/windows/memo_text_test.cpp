// The memo's text in the program's 8-bit code page: lines and the length limit where a character may take
// two bytes (run with a double-byte code page, Japanese here, as well as the single-byte one), and a line
// added while the memo's window is re-created.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "ui/memo.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

using test::HostForm;

bool DoubleByteCodePage() {
  CPINFO info{};
  return GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
}

// Puts text on the clipboard as another program would.
void CopyToClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(data), text.c_str(), bytes);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

const std::wstring kJapanese = L"\u65e5\u672c\u8a9e";  // three characters, two bytes each in code page 932

TEST(MemoText, LinesAfterDoubleByteCharactersAreCutWhereTheyBreak) {
  if (!DoubleByteCodePage()) GTEST_SKIP() << "code page " << GetACP() << " has one byte a character";
  HostForm host;
  const std::string japanese = ui::AnsiFromWide(kJapanese);
  ASSERT_EQ(japanese.size(), 2 * kJapanese.size());
  for (const bool wrap : {false, true}) {
    SCOPED_TRACE(wrap ? "word wrap" : "no word wrap");
    ui::Memo memo(host, {10, 10, 300, 200}, "", {.wordWrap = wrap});
    const std::vector<std::string> lines = {japanese, "abc " + japanese + " def", "", japanese + japanese, "xyz"};
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    memo.SetText(text);
    EXPECT_EQ(memo.Lines(), lines);
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) EXPECT_EQ(memo.Line(i), lines[static_cast<std::size_t>(i)]);
  }
}

// Typed characters and pastes stop where the next character's bytes no longer fit, each keystroke on its own.
TEST(MemoText, TheLimitCountsBytesOfTheProgramsText) {
  HostForm host;
  constexpr std::size_t kLimit = 11;
  ui::Memo memo(host, {10, 10, 300, 200}, "", {.maxLength = kLimit});
  const std::string japanese = ui::AnsiFromWide(kJapanese);
  memo.SetText(japanese);  // set by the program: never cut, and counted
  memo.SetSelection(static_cast<int>(kJapanese.size()), 0);
  CopyToClipboard(memo.Handle(), kJapanese + L"abc");
  memo.PasteFromClipboard();
  std::string expected = japanese;
  for (const wchar_t c : kJapanese + L"abc") {
    const std::string bytes = ui::AnsiFromWide(std::wstring(1, c));
    if (expected.size() + bytes.size() > kLimit) break;  // a paste ends at the first character that does not fit
    expected += bytes;
  }
  EXPECT_EQ(memo.Text(), expected);
  for (const wchar_t c : kJapanese + L"xy") {  // typed, one keystroke after the other
    SendMessageW(memo.Handle(), WM_CHAR, c, 0);
    const std::string bytes = ui::AnsiFromWide(std::wstring(1, c));
    if (expected.size() + bytes.size() <= kLimit) expected += bytes;
    EXPECT_EQ(memo.Text(), expected);
  }
  EXPECT_LE(memo.Text().size(), kLimit);
  SendMessageW(memo.Handle(), WM_CHAR, VK_BACK, 0);
  EXPECT_LT(memo.Text().size(), expected.size()) << "Backspace still works at the limit";
}

// Switching word wrap while a long line goes in re-creates the window with the text so far; the line then
// goes on where it was, neither lost nor added twice.
TEST(MemoText, ALineGoesOnWhereItWasWhenWordWrapSwitchesMeanwhile) {
  HostForm host;
  ui::Memo memo(host, {10, 10, 120, 200}, "first\r\n", {.scrollBars = ui::ScrollBars::Vertical});
  std::string words;
  while (words.size() < 5000) words += "word ";
  int calls = 0;
  memo.AppendLine(words, [&] {
    if (calls++ == 0) memo.SetWordWrap(false);
  });
  EXPECT_GT(calls, 1);
  EXPECT_EQ(memo.Text(), "first\r\n" + words + "\r\n");
}

}  // namespace
}  // namespace kestrelle
