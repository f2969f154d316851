// The memo's text beyond ASCII: letters of every script, whatever the system's code page (run under a
// Japanese code page too), and its limit in the units the control counts.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "ui/memo.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

TEST(MemoText, LinesOfEveryScriptAreCutWhereTheyBreak) {
  test::HostForm host;
  const std::vector<std::string> lines = {"日本語", "abc λόγος def", "", "日本語日本語 \xF0\x9F\x98\x80", "Привет"};
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  for (const bool wrap : {false, true}) {
    ui::Memo memo(host, {10, 10, 300, 200}, text, {.wordWrap = wrap});
    EXPECT_EQ(memo.Text(), text) << wrap;
    EXPECT_EQ(memo.Lines(), lines) << wrap;
  }
}

// Typed and pasted letters go in whatever their script while they fit in the limit, counted in UTF-16
// units; a paste that does not fit whole goes in not at all, and a letter beyond the first 65536 (two
// units) goes in whole or not at all.
TEST(MemoText, EveryLetterGoesInWithinTheLimitInUnits) {
  test::HostForm host;
  ui::Memo memo(host, {10, 10, 300, 200}, "", {.maxLength = 6});
  std::vector<std::size_t> refusedPaste;  // the paste's units and the room left
  memo.onPasteTooLong = [&](std::size_t pasted, std::size_t room) { refusedPaste = {pasted, room}; };
  const struct {
    const char* start;  // the caret at its end
    bool pasted;
    std::wstring input;
    const char* expected;
    std::vector<std::size_t> refusedPaste;
  } rows[] = {
      {"λ日", true, L"abc\U0001F600", "λ日", {5, 4}},
      {"λ日", true, L"ab\U0001F600", "λ日ab\xF0\x9F\x98\x80", {}},
      {"λ日ab", false, L"\u16A0\U0001F600y\u0436", "λ日abᚠy", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expected);
    refusedPaste.clear();
    memo.SetText(row.start);
    memo.SetSelection(static_cast<int>(ui::WideFromUtf8(row.start).size()), 0);
    if (row.pasted) {
      ui::Memo source(host, {10, 220, 200, 40}, ui::Utf8FromWide(row.input));
      source.SelectAll();
      source.CopyToClipboard();
      memo.PasteFromClipboard();
    }
    for (const wchar_t unit : row.pasted ? std::wstring() : row.input) SendMessageW(memo.Handle(), WM_CHAR, unit, 0);
    EXPECT_EQ(memo.Text(), row.expected);
    EXPECT_EQ(refusedPaste, row.refusedPaste);
  }
  SendMessageW(memo.Handle(), WM_CHAR, VK_BACK, 0);
  EXPECT_EQ(memo.Text(), "λ日abᚠ") << "Backspace still works at the limit";
}

}  // namespace
}  // namespace kestrelle
