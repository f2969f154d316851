// The Translator page through its real controls: the Translate command with a recording game client,
// translate on Enter, word wrap, the clipboard commands with their menu items, and closing the main window
// while the command types.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "link_test_support.h"
#include "recording_client_process.h"
#include "speech/compiled_style.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "test_support.h"
#include "translator/text_file_content.h"
#include "translator_page_fixture.h"
#include "ui/clipboard.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

using test::FileChooser;
using test::Pump;
using test::RecordingClient;
using test::TranslatorPageTest;

std::string ClipboardText() { return ui::Utf8FromWide(ui::ClipboardText(nullptr)); }

// A text of lower-case letters as the Normal style gives it back: its first letter a capital.
std::string Capitalised(std::string text) {
  if (!text.empty()) text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
  return text;
}

void SetClipboardText(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(data), text.c_str(), size);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}
// The player's capitals stay; only a sentence's first letter is raised.
TEST_F(TranslatorPageTest, NormalStyleTypesThePlayersCapitals) {
  RecordingClient client;
  page.memoText.SetText("lord British met the GM in UO.");
  PressTranslate();
  EXPECT_EQ(client.Text(), "Lord British met the GM in UO.\r");
  EXPECT_EQ(page.memoTranslated.Text(), "Lord British met the GM in UO.\r\n");
  EXPECT_TRUE(CommandControlsEnabled());
}

// The page translates with the rules of the chosen style, so its output is that of an engine of the same
// style and the same (starting) random state.
TEST_F(TranslatorPageTest, AStyledTranslationIsTypedAndShown) {
  RecordingClient client;
  const std::string text = "Well, i like it over there. Do you know the way?";
  page.rgSpeak.SetItemIndex(3);
  page.memoText.SetText(text);
  PressTranslate();

  Translator reference;
  reference.StyleBase = 3000;
  CompiledStyle style(ShippedRules(), reference.StyleBase);
  const std::string expected = TranslateText(style, reference, text, GameCommands::LeaveAlone, {}).value();
  CompiledStyle unchanged(ShippedRules(), 0);
  const std::string unstyled = TranslateText(unchanged, reference, text, GameCommands::LeaveAlone, {}).value();
  ASSERT_NE(expected, unstyled) << "the Courtly rules should change this text";
  EXPECT_EQ(page.memoTranslated.Text(), expected + "\r\n");
  EXPECT_EQ(client.Text(), test::KeysText(test::ExpectedKeys(expected, {})));
  EXPECT_TRUE(CommandControlsEnabled());
}

// A command line reaches the game as typed while the speech around it is styled; with "Leave Game
// Commands Alone" unchecked the command is translated like speech.
TEST_F(TranslatorPageTest, GameCommandsReachTheGameAsTyped) {
  RecordingClient client;
  const std::string text = "[Bank\r\nwhere is the bank?";
  page.rgSpeak.SetItemIndex(2);
  ASSERT_TRUE(page.pmtLeaveCommands.Checked());
  Translator reference = page.translator;
  CompiledStyle style(ShippedRules(), reference.StyleBase);
  const std::string expected = TranslateText(style, reference, text, GameCommands::LeaveAlone, [] { return true; }).value();
  ASSERT_TRUE(expected.starts_with("[Bank\r\n"));
  page.memoText.SetText(text);
  PressTranslate();
  EXPECT_EQ(client.Text(), test::KeysText(test::ExpectedKeys(expected, {})));

  Choose(page.pmtLeaveCommands);
  EXPECT_FALSE(page.pmtLeaveCommands.Checked());
  page.memoText.SetText(text);
  const std::size_t before = client.Text().size();
  PressTranslate();
  EXPECT_FALSE(client.Text().substr(before).starts_with("[Bank\r")) << "unchecked, the command is speech";
}

TEST_F(TranslatorPageTest, TheStyleSelectorSetsTheRuleBase) {
  for (const int index : {3, 1, 2, 0}) {
    page.rgSpeak.SetItemIndex(index);
    EXPECT_EQ(page.translator.StyleBase, kSpeechStyles[static_cast<size_t>(index)].base) << index;
  }
  page.rgSpeak.SetItemIndex(-1);
  EXPECT_EQ(page.translator.StyleBase, 0) << "no selection leaves the style as it was";
}

TEST_F(TranslatorPageTest, TheCommandTypesWithTheDelaysOfTheFields) {
  RecordingClient client;
  SetDelays("2 0 ", "   0");
  page.memoText.SetText("abc");
  PressTranslate();
  const auto records = client.Records();
  ASSERT_EQ(client.Text(), "Abc\r");
  const long long slackUs = test::TickResolutionMs() * 1000LL;
  for (size_t i = 1; i < 3; ++i) {
    EXPECT_GE(records[i].microseconds - records[i - 1].microseconds, 20000 - slackUs) << "character " << i;
  }
}

TEST_F(TranslatorPageTest, BlankInputTypesNothingAndEmptiesTheOutput) {
  RecordingClient client;
  page.memoTranslated.SetText("from before\r\n");
  page.memoText.SetText("   \r\n \t \r\n");
  PressTranslate();
  EXPECT_EQ(client.Text(), "");
  EXPECT_EQ(page.memoTranslated.Text(), "");
  EXPECT_EQ(page.memoText.Text(), "   \r\n \t \r\n");
}

// The error names the field, which then has the focus with its text selected for typing over.
TEST_F(TranslatorPageTest, ADelayFieldWithoutADigitIsReportedAndTheControlsComeBack) {
  RecordingClient client;
  page.memoText.SetText("hello");
  for (const auto& [empty, other, name] : {std::tuple{&page.meCharDelay, &page.meLineDelay, "Char Delay"},
                                           std::tuple{&page.meLineDelay, &page.meCharDelay, "Line Delay"}}) {
    empty->SetText("    ");
    other->SetText("   0");
    test::ErrorBoxWatcher watcher("Kestrelle");
    PressTranslate();
    const auto seen = watcher.Result();
    EXPECT_EQ(seen.message.substr(0, seen.message.find(':')), std::string(name) + " is empty");
    EXPECT_TRUE(CommandControlsEnabled());
    EXPECT_EQ(page.memoText.Text(), "hello");
    EXPECT_TRUE(empty->Focused() && empty->SelectionLength() == 4);
  }
  EXPECT_EQ(client.Text(), "") << "nothing is typed before the delays are known";
}

TEST_F(TranslatorPageTest, WordWrapDecidesHowTheLinesJoin) {
  RecordingClient client;
  const std::string paragraph = "hi there\r\nhow are you";
  // Wrapped: the lines are pieces of one text; unwrapped: paragraphs, with their line break typed.
  page.memoText.SetText(paragraph);
  PressTranslate();
  EXPECT_EQ(page.memoTranslated.Text(), "Hi there how are you\r\n");

  Choose(test::TranslatorPage(*form).pmtWordWrap);
  EXPECT_FALSE(test::TranslatorPage(*form).pmtWordWrap.Checked());
  PressTranslate();
  EXPECT_EQ(page.memoTranslated.Text(), "Hi there\r\nhow are you\r\n");
  EXPECT_EQ(client.Text(), "Hi there how are you\r" "Hi there\rhow are you\r");
}

TEST_F(TranslatorPageTest, AWrappedParagraphJoinsAtTheBlanksItBrokeAt) {
  const std::string paragraph = "this sentence is long enough to be wrapped over several lines of the memo";
  page.memoText.SetText(paragraph);
  ASSERT_GT(page.memoText.LineCount(), 2) << "the memo should show the paragraph wrapped";
  PressTranslate();
  EXPECT_EQ(page.memoTranslated.Text(), Capitalised(paragraph) + "\r\n");
}

TEST_F(TranslatorPageTest, WordWrapSwitchesBothMemosAndTheirScrollBars) {
  for (const bool wrap : {false, true}) {
    Choose(test::TranslatorPage(*form).pmtWordWrap);
    EXPECT_EQ(test::TranslatorPage(*form).pmtWordWrap.Checked(), wrap);
    for (const ui::Memo* memo : {&page.memoText, &page.memoTranslated}) {
      EXPECT_EQ(memo->WordWrap(), wrap);
      const auto style = GetWindowLongPtrA(memo->Handle(), GWL_STYLE);
      EXPECT_NE(style & WS_VSCROLL, 0);
      EXPECT_EQ((style & WS_HSCROLL) != 0, !wrap);
    }
  }
}

TEST_F(TranslatorPageTest, LongLinesAreNeverCut) {
  Choose(test::TranslatorPage(*form).pmtWordWrap);  // off: the whole line is one displayed line
  const std::string line = std::string(6000, 'a') + " end";
  page.memoText.SetText(line);
  PressTranslate();
  EXPECT_EQ(page.memoTranslated.Text(), Capitalised(line) + "\r\n");
}

TEST_F(TranslatorPageTest, EnterTranslatesWhenAutoTranslateIsOn) {
  RecordingClient client;
  page.memoText.SetText("hello there");
  page.memoText.SetFocus();
  page.memoText.SetSelection(5, 0);
  SendMessageA(page.memoText.Handle(), WM_CHAR, '\r', 1);
  EXPECT_EQ(client.Text(), "") << "auto translate is off at start";
  EXPECT_EQ(page.memoText.Text(), "hello\r\n there") << "Enter breaks the line as usual";

  Choose(test::TranslatorPage(*form).pmAutoTranslate);
  ASSERT_TRUE(test::TranslatorPage(*form).pmAutoTranslate.Checked());
  page.memoText.SetText("hello there");
  SendMessageA(page.memoText.Handle(), WM_CHAR, '\r', 1);
  EXPECT_EQ(client.Text(), "Hello there\r");
  EXPECT_EQ(page.memoText.Text(), "");
  EXPECT_EQ(page.memoTranslated.Text(), "");
  EXPECT_TRUE(page.memoText.Focused());
  EXPECT_TRUE(CommandControlsEnabled());

  page.memoTranslated.SetText("from before\r\n");
  page.memoText.SetText("    ");
  SendMessageA(page.memoText.Handle(), WM_CHAR, '\r', 1);
  EXPECT_EQ(page.memoText.Text(), "");
  EXPECT_EQ(page.memoTranslated.Text(), "");
  EXPECT_EQ(client.Text(), "Hello there\r") << "blank input types nothing";

  Choose(test::TranslatorPage(*form).pmAutoTranslate);
  EXPECT_FALSE(test::TranslatorPage(*form).pmAutoTranslate.Checked());
}

TEST_F(TranslatorPageTest, AFailedAutoTranslateKeepsTheTextAndTheEnter) {
  Choose(test::TranslatorPage(*form).pmAutoTranslate);
  SetDelays("    ", "   0");
  page.memoText.SetText("hello");
  test::ErrorBoxWatcher watcher("Kestrelle");
  SendMessageA(page.memoText.Handle(), WM_CHAR, '\r', 1);
  EXPECT_EQ(watcher.Result().message.find("Char Delay is empty"), 0u);
  EXPECT_EQ(page.memoText.Text(), "hello") << "neither cleared nor broken by the swallowed Enter";
  EXPECT_TRUE(CommandControlsEnabled());
}

TEST_F(TranslatorPageTest, ALineThatNoGameClientTookStays) {
  Choose(test::TranslatorPage(*form).pmAutoTranslate);
  page.memoText.SetText("hello");
  SendMessageA(page.memoText.Handle(), WM_CHAR, '\r', 1);
  EXPECT_EQ(page.memoText.Text(), "hello") << "the game is closed: the line is not lost";
  EXPECT_EQ(page.memoTranslated.Text(), "Hello\r\n");
  EXPECT_TRUE(CommandControlsEnabled());
}

TEST_F(TranslatorPageTest, ClearTextEmptiesBothMemos) {
  page.memoText.SetText("in");
  page.memoTranslated.SetText("out");
  MouseDown(page.memoTranslated);
  Choose(test::TranslatorPage(*form).pmtClear);
  EXPECT_EQ(page.memoText.Text(), "");
  EXPECT_EQ(page.memoTranslated.Text(), "");
}

TEST_F(TranslatorPageTest, MenuItemsFollowTheMemoLastClicked) {
  struct Case {
    const char* name;
    bool input;
    const char* text;
    UINT button;
  };
  // Save is offered whatever the memo holds, so that Ctrl+S is never swallowed by a stale state.
  const Case cases[] = {
      {"empty input memo", true, "", WM_LBUTTONDOWN},
      {"input memo with a line", true, "a", WM_RBUTTONDOWN},
      {"input memo with a line break only", true, "\r\n", WM_LBUTTONDOWN},
      {"empty output memo", false, "", WM_RBUTTONDOWN},
      {"output memo with a line", false, "a\r\n", WM_LBUTTONDOWN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Memo& memo = c.input ? page.memoText : page.memoTranslated;
    memo.SetText(c.text);
    MouseDown(memo, c.button);
    EXPECT_EQ(page.ActiveMemo, &memo);
    EXPECT_EQ(test::TranslatorPage(*form).cutTranslate.Enabled(), c.input);
    EXPECT_EQ(test::TranslatorPage(*form).PasteTranslate.Enabled(), c.input);
    EXPECT_EQ(test::TranslatorPage(*form).pmtOpen.Enabled(), c.input);
    EXPECT_TRUE(test::TranslatorPage(*form).pmtSave.Enabled());
    EXPECT_TRUE(test::TranslatorPage(*form).pmtSaveAs.Enabled());
    EXPECT_TRUE(test::TranslatorPage(*form).CopyTranslate.Enabled());
    EXPECT_TRUE(test::TranslatorPage(*form).pmtClear.Enabled());
    memo.SetText("");
  }
}

TEST_F(TranslatorPageTest, ClipboardCommandsActOnTheActiveMemo) {
  // Before either memo is clicked they act on the input memo.
  EXPECT_EQ(page.ActiveMemo, &page.memoText);
  page.memoText.SetText("input text");
  page.memoTranslated.SetText("output text");
  page.memoText.SelectAll();
  Choose(test::TranslatorPage(*form).CopyTranslate);
  EXPECT_EQ(ClipboardText(), "input text");

  page.memoText.SetSelection(0, 6);
  Choose(test::TranslatorPage(*form).cutTranslate);
  EXPECT_EQ(ClipboardText(), "input ");
  EXPECT_EQ(page.memoText.Text(), "text");
  page.memoText.SetSelection(4, 0);
  Choose(test::TranslatorPage(*form).PasteTranslate);
  EXPECT_EQ(page.memoText.Text(), "textinput ");

  MouseDown(page.memoTranslated);
  page.memoTranslated.SetSelection(0, 6);
  Choose(test::TranslatorPage(*form).CopyTranslate);
  EXPECT_EQ(ClipboardText(), "output");
}

TEST_F(TranslatorPageTest, ShortcutsActWhileEitherMemoHasTheFocus) {
  FileChooser chooser(page);
  page.memoText.SetFocus();
  PressCtrl(page.memoText, 'O');
  EXPECT_EQ(chooser.shown, std::vector<std::string>{"open"});

  page.memoText.SetText("typed");
  MouseDown(page.memoText);
  page.memoText.SelectAll();
  PressCtrl(page.memoText, 'C');
  EXPECT_EQ(ClipboardText(), "typed");

  SetClipboardText(L"pasted");
  page.memoText.SetSelection(5, 0);
  PressCtrl(page.memoText, 'V');
  EXPECT_EQ(page.memoText.Text(), "typedpasted");

  page.memoTranslated.SetText("shown");
  MouseDown(page.memoTranslated);
  page.memoTranslated.SetFocus();
  page.memoTranslated.SelectAll();
  PressCtrl(page.memoTranslated, 'C');
  EXPECT_EQ(ClipboardText(), "shown");
  PressCtrl(page.memoTranslated, 'S');
  EXPECT_EQ(chooser.shown, (std::vector<std::string>{"open", "save"})) << "Save with no file opened is Save As";
  PressCtrl(page.memoTranslated, 'O');
  EXPECT_EQ(chooser.shown.size(), 2u) << "Open is disabled for the output memo";
}

// A paste that would not fit whole is refused and said, never cut; one that fits goes in.
TEST_F(TranslatorPageTest, APasteThatCannotGoInWholeIsRefusedAndSaid) {
  std::wstring lines;
  while (lines.size() <= kMemoTextLimit) lines += L"a line\r\n";  // the limit falls between lines
  page.memoText.SetText("kept");
  SetClipboardText(lines);
  test::ErrorBoxWatcher watcher("Kestrelle");
  page.PasteTranslateClick();
  const std::string message = watcher.Result().message;
  const std::string said = "takes " + std::to_string(lines.size()) + " characters, and the memo has room for " +
                           std::to_string(kMemoTextLimit - 4) + " more";
  EXPECT_NE(message.find(said), std::string::npos) << message;
  EXPECT_EQ(page.memoText.Text(), "kept");
  SetClipboardText(lines.substr(0, kMemoTextLimit - 4));
  page.PasteTranslateClick();
  EXPECT_EQ(page.memoText.Text().size(), kMemoTextLimit);
}

// Letters of every script, set in the memo or pasted, reach ClassicUO as they are in the Normal style
// (each text as the engine's sentence capitals leave it), whatever the system's code page: this runs under
// a Western and a Japanese one.
TEST_F(TranslatorPageTest, EveryLetterReachesClassicUO) {
  const struct {
    const char* text;
    bool pasted;
  } rows[] = {
      {"こんにちは、日本語のテキストです。Hello 世界", false},
      {"Καλημέρα, φίλε! Πού είναι η τράπεζα; \xF0\x9F\x98\x80", true},
  };
  RecordingClient client({.className = "SDL_app", .title = "UO - Ann", .classicUO = true, .program = test::kClassicUOCopy});
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    ASSERT_TRUE(SetForegroundWindow(form->Handle()));
    page.memoText.Clear();
    if (row.pasted) {
      SetClipboardText(ui::WideFromUtf8(row.text));
      Choose(page.PasteTranslate);
    } else {
      page.memoText.SetText(row.text);
    }
    EXPECT_EQ(page.memoText.Text(), row.text);
    const std::size_t before = client.Text().size();
    PressTranslate();
    EXPECT_EQ(page.memoTranslated.Text(), row.text + std::string("\r\n"));
    EXPECT_EQ(client.Text().substr(before), row.text) << "ClassicUO's line ends are key presses";
    EXPECT_EQ(page.lblStatus.Text(), SummaryText({.clients = {{.title = "UO - Ann", .kind = GameClientKind::ClassicUO,
                                                               .lines = 1, .linesTaken = 1}}}));
  }
}

// Esc in a multi-line edit asks its parent to close; the page and its controls stay, and so does the text.
TEST_F(TranslatorPageTest, EscInAMemoLeavesThePageAlone) {
  for (ui::Memo* memo : {&page.memoText, &page.memoTranslated}) {
    memo->SetText("kept");
    memo->SetFocus();
    test::Press(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(form->tpMain.Page(1).Handle()));
    EXPECT_EQ(memo->Text(), "kept");
  }
}

// Closing while the command types: the typing ends at its next wait, the output memo and the controls
// are left alone, the window closes once the command has returned, and the message loop then ends.
TEST_F(TranslatorPageTest, ClosingTheWindowEndsTheTypingAndThenCloses) {
  RecordingClient client;
  SetDelays("  25", "3000");
  const std::string text = std::string(200, 'a');
  page.memoText.SetText(text);
  static HWND closing = nullptr;
  static bool shownOnceClosed = true;
  closing = form->Handle();
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SendMessageA(closing, WM_CLOSE, 0, 0);
    shownOnceClosed = IsWindowVisible(closing) != FALSE;
  });
  ASSERT_NE(timer, 0u);

  const DWORD startTick = GetTickCount();
  PressTranslate();

  // The whole text would take over 8 seconds; the typing ends soon after the close at 300 ms.
  const std::string received = client.Text();
  ASSERT_FALSE(received.empty());
  EXPECT_LT(received.size(), 100u);
  EXPECT_LT(client.Records().back().tick - startTick, 1500u);
  EXPECT_EQ(received, Capitalised(text.substr(0, received.size())));
  EXPECT_EQ(page.memoTranslated.Text(), "");
  EXPECT_FALSE(shownOnceClosed) << "the window went from the screen at the close, while the command still ran";
  EXPECT_FALSE(form->Visible()) << "the window closed after the command";

  bool quit = false;
  for (const DWORD start = GetTickCount(); !quit && GetTickCount() - start < 2000; Sleep(1)) {
    MSG msg;
    while (!quit && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      quit = msg.message == WM_QUIT;
      if (!quit) DispatchMessageA(&msg);
    }
  }
  EXPECT_TRUE(quit) << "the message loop ends";
  form.reset();
}

// A close that arrives while the rules are applied stops the translation: nothing is typed or shown.
TEST_F(TranslatorPageTest, ClosingWhileTranslatingTypesNothing) {
  RecordingClient client;
  page.rgSpeak.SetItemIndex(3);
  page.memoText.SetText("i like it over there");
  PostMessageA(form->Handle(), WM_CLOSE, 0, 0);  // handled between the first rule alternatives
  PressTranslate();
  EXPECT_EQ(client.Text(), "");
  EXPECT_EQ(page.memoTranslated.Text(), "");
  EXPECT_FALSE(form->Visible());
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(TranslatorPageTest, ClosingWithoutACommandClosesAtOnce) {
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form->Visible());
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace kestrelle
