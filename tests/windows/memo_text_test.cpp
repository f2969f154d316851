// The memo's 8-bit text where a character may take two bytes (run under a Japanese code page too).

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "ui/memo.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

const std::wstring kJapanese = L"\u65e5\u672c\u8a9e";  // two bytes each in code page 932

TEST(MemoText, LinesAfterDoubleByteCharactersAreCutWhereTheyBreak) {
  CPINFO codePage{};
  if (!GetCPInfo(CP_ACP, &codePage) || codePage.MaxCharSize < 2) GTEST_SKIP() << "one byte a character";
  test::HostForm host;
  const std::string japanese = ui::AnsiFromWide(kJapanese);
  const std::vector<std::string> lines = {japanese, "abc " + japanese + " def", "", japanese + japanese, "xyz"};
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  for (const bool wrap : {false, true}) {
    ui::Memo memo(host, {10, 10, 300, 200}, text, {.wordWrap = wrap});
    EXPECT_EQ(memo.Lines(), lines) << wrap;
  }
}

// A paste whose bytes do not all fit is refused whole; each typed character fits or not on its own, and one
// the code page lacks not at all.
TEST(MemoText, TheLimitCountsBytesOfTheProgramsText) {
  test::HostForm host;
  constexpr std::size_t kLimit = 11;
  const auto bytesOf = [](wchar_t c) { return ui::AnsiFromWideExactly(std::wstring(1, c)); };
  const std::string pasted = ui::AnsiFromWide(kJapanese + L"abc");
  ui::Memo source(host, {10, 220, 200, 40}, pasted);
  source.SelectAll();
  source.CopyToClipboard();
  ui::Memo memo(host, {10, 10, 300, 200}, "", {.maxLength = kLimit});
  std::string expected = ui::AnsiFromWide(kJapanese);
  memo.SetText(expected);  // set by the program, and counted
  memo.SetSelection(static_cast<int>(kJapanese.size()), 0);
  memo.PasteFromClipboard();
  if (expected.size() + pasted.size() <= kLimit) expected += pasted;
  EXPECT_EQ(memo.Text(), expected);
  // A character the code page lacks (a rune, in every 8-bit one) goes in not at all, typed or from an input
  // method.
  const wchar_t kRune = L'\u16A0';
  SendMessageW(memo.Handle(), WM_IME_CHAR, kRune, 0);
  test::Pump();  // the system may post what it makes of an input method's character
  EXPECT_EQ(memo.Text(), expected);
  for (const wchar_t c : kJapanese + kRune + L"xy") {
    SendMessageW(memo.Handle(), WM_CHAR, c, 0);
    if (bytesOf(c) && expected.size() + bytesOf(c)->size() <= kLimit) expected += *bytesOf(c);
    EXPECT_EQ(memo.Text(), expected);
  }
  SendMessageW(memo.Handle(), WM_CHAR, VK_BACK, 0);
  EXPECT_LT(memo.Text().size(), expected.size()) << "Backspace still works at the limit";
}

}  // namespace
}  // namespace kestrelle
