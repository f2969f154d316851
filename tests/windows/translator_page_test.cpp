// The Translator page through its real controls: the Translate command with a recording game client,
// translate on Enter, word wrap, the file and clipboard commands with their menu items, and closing the
// main window while the command types.

#include "translator/translator_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link_test_support.h"
#include "recording_client_process.h"
#include "test_support.h"
#include "speech/compiled_style.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "translator/text_file_content.h"
#include "speech/text_preparation.h"
#include "ui/system_error.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

using test::Pump;
using test::RecordingClient;

// What the file dialogs were asked and what they answered, in place of the system's dialogs.
class FileChooser {
 public:
  FileChooser(TTranslatorPage& page, TMainForm& form) : form_(form) {
    page.showFileDialog = [this](ui::FileDialog& dialog) {
      shown.push_back(&dialog == &form_.TranslatorPage().odTranslate ? "open" : "save");
      offered.push_back(dialog.fileName);
      if (!answer) return false;
      dialog.fileName = *answer;
      return true;
    };
  }
  std::optional<std::wstring> answer;  // nothing: the dialog is cancelled
  std::vector<std::string> shown;
  std::vector<std::wstring> offered;

 private:
  TMainForm& form_;
};

// A folder of its own for a test's files, removed with everything in it (and with the folders made in it).
class TempFolder {
 public:
  TempFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static int made = 0;
    path_ = std::wstring(base) + L"kestrelle-page-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++made);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  TempFolder(const TempFolder& parent, const std::wstring& name) : path_(parent / name) {
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::string& name : Files()) {
      const std::wstring file = *this / ui::WideFromUtf8(name);
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(file.c_str());
    }
    RemoveDirectoryW(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
  // The names of the files in it, in UTF-8.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(ui::Utf8FromWide(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

 private:
  std::wstring path_;
};

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << ui::Utf8FromWide(path);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::optional<std::string> ReadBytes(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
  GlobalUnlock(data);
  SetClipboardData(CF_TEXT, data);
  CloseClipboard();
}

class TranslatorPageTest : public testing::Test {
 protected:
  TranslatorPageTest() : form(test::ShowMainForm()), page(form->TranslatorPage()) {
    form->tpMain.SetActivePage(1);
    SetDelays("   0", "   0");
    Pump();
  }

  void SetDelays(const char* charDelay, const char* lineDelay) {
    page.meCharDelay.SetText(charDelay);
    page.meLineDelay.SetText(lineDelay);
  }
  void PressTranslate() { SendMessageA(page.btnTranslate.Handle(), BM_CLICK, 0, 0); }
  // A menu item chosen as from the pop-up menu (the command reaches the window like any other).
  void Choose(const ui::MenuItem& item) { SendMessageA(form->Handle(), WM_COMMAND, item.CommandId(), 0); }
  static void MouseDown(const ui::Memo& memo, UINT button = WM_LBUTTONDOWN) {
    // A right button's release would show the pop-up menu.
    SendMessageA(memo.Handle(), button, 0, MAKELPARAM(5, 5));
    if (button == WM_LBUTTONDOWN) SendMessageA(memo.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  // Presses Ctrl and a letter in a control, the keys arriving through the message queue as typed ones do.
  static void PressCtrl(const ui::Control& control, char letter) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(control.Handle(), WM_KEYDOWN, static_cast<WPARAM>(letter), 1);
    Pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
  }
  bool CommandControlsEnabled() const {
    return page.memoText.Enabled() && page.btnTranslate.Enabled() && page.rgSpeak.Enabled();
  }

  std::unique_ptr<TMainForm> form;
  TTranslatorPage& page;
};

TEST_F(TranslatorPageTest, NormalStyleTypesTheTextRecapitalised) {
  RecordingClient client;
  page.memoText.SetText("HELLO World");
  PressTranslate();
  EXPECT_EQ(client.Text(), "Hello world\r");
  EXPECT_EQ(page.memoTranslated.Text(), "Hello world\r\n");
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
  std::string expected = reference.Translate(PrepareForTranslation(text), ShippedRules());
  FinishTranslation(expected);
  std::string unstyled = PrepareForTranslation(text);
  FinishTranslation(unstyled);
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

TEST_F(TranslatorPageTest, ADelayFieldWithoutADigitIsReportedAndTheControlsComeBack) {
  RecordingClient client;
  page.memoText.SetText("hello");
  for (const auto& fields : {std::pair{"    ", "   0"}, std::pair{"   0", "    "}}) {
    SetDelays(fields.first, fields.second);
    test::ErrorBoxWatcher watcher("Kestrelle");
    PressTranslate();
    const auto seen = watcher.Result();
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.message, "'' is not a valid integer value");
    EXPECT_TRUE(CommandControlsEnabled());
    EXPECT_EQ(page.memoText.Text(), "hello");
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

  Choose(form->TranslatorPage().pmtWordWrap);
  EXPECT_FALSE(form->TranslatorPage().pmtWordWrap.Checked());
  PressTranslate();
  EXPECT_EQ(page.memoTranslated.Text(), "Hi there\r\nhow are you\r\n");
  EXPECT_EQ(client.Text(), "Hi there how are you\r" "Hi there\rhow are you\r");
}

TEST_F(TranslatorPageTest, AWrappedParagraphJoinsAtTheBlanksItBrokeAt) {
  const std::string paragraph = "this sentence is long enough to be wrapped over several lines of the memo";
  page.memoText.SetText(paragraph);
  ASSERT_GT(page.memoText.LineCount(), 2) << "the memo should show the paragraph wrapped";
  PressTranslate();
  EXPECT_EQ(page.memoTranslated.Text(), "T" + paragraph.substr(1) + "\r\n");
}

TEST_F(TranslatorPageTest, WordWrapSwitchesBothMemosAndTheirScrollBars) {
  for (const bool wrap : {false, true}) {
    Choose(form->TranslatorPage().pmtWordWrap);
    EXPECT_EQ(form->TranslatorPage().pmtWordWrap.Checked(), wrap);
    for (const ui::Memo* memo : {&page.memoText, &page.memoTranslated}) {
      EXPECT_EQ(memo->WordWrap(), wrap);
      EXPECT_EQ(memo->ScrollBarsShown(), wrap ? ui::ScrollBars::Vertical : ui::ScrollBars::Both);
    }
  }
}

TEST_F(TranslatorPageTest, LongLinesAreNeverCut) {
  Choose(form->TranslatorPage().pmtWordWrap);  // off: the whole line is one displayed line
  const std::string line = std::string(6000, 'a') + " end";
  page.memoText.SetText(line);
  PressTranslate();
  EXPECT_EQ(page.memoTranslated.Text(), "A" + line.substr(1) + "\r\n");
}

TEST_F(TranslatorPageTest, EnterTranslatesWhenAutoTranslateIsOn) {
  RecordingClient client;
  page.memoText.SetText("hello there");
  page.memoText.SetFocus();
  page.memoText.SetSelection(5, 0);
  SendMessageA(page.memoText.Handle(), WM_CHAR, '\r', 1);
  EXPECT_EQ(client.Text(), "") << "auto translate is off at start";
  EXPECT_EQ(page.memoText.Text(), "hello\r\n there") << "Enter breaks the line as usual";

  Choose(form->TranslatorPage().pmAutoTranslate);
  ASSERT_TRUE(form->TranslatorPage().pmAutoTranslate.Checked());
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

  Choose(form->TranslatorPage().pmAutoTranslate);
  EXPECT_FALSE(form->TranslatorPage().pmAutoTranslate.Checked());
}

TEST_F(TranslatorPageTest, AFailedAutoTranslateKeepsTheTextAndTheEnter) {
  Choose(form->TranslatorPage().pmAutoTranslate);
  SetDelays("    ", "   0");
  page.memoText.SetText("hello");
  test::ErrorBoxWatcher watcher("Kestrelle");
  SendMessageA(page.memoText.Handle(), WM_CHAR, '\r', 1);
  EXPECT_EQ(watcher.Result().message, "'' is not a valid integer value");
  EXPECT_EQ(page.memoText.Text(), "hello") << "neither cleared nor broken by the swallowed Enter";
  EXPECT_TRUE(CommandControlsEnabled());
}

TEST_F(TranslatorPageTest, ALineThatNoGameClientTookStays) {
  Choose(form->TranslatorPage().pmAutoTranslate);
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
  Choose(form->TranslatorPage().pmtClear);
  EXPECT_EQ(page.memoText.Text(), "");
  EXPECT_EQ(page.memoTranslated.Text(), "");
}

TEST_F(TranslatorPageTest, MenuItemsFollowTheMemoLastClicked) {
  struct Case {
    const char* name;
    bool input;
    const char* text;
    UINT button;
    bool saveEnabled;
  };
  const Case cases[] = {
      {"empty input memo", true, "", WM_LBUTTONDOWN, false},
      {"input memo with a line", true, "a", WM_RBUTTONDOWN, true},
      {"input memo with a line break only", true, "\r\n", WM_LBUTTONDOWN, true},
      {"empty output memo", false, "", WM_RBUTTONDOWN, false},
      {"output memo with a line", false, "a\r\n", WM_LBUTTONDOWN, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Memo& memo = c.input ? page.memoText : page.memoTranslated;
    memo.SetText(c.text);
    MouseDown(memo, c.button);
    EXPECT_EQ(page.ActiveMemo, &memo);
    EXPECT_EQ(form->TranslatorPage().cutTranslate.Enabled(), c.input);
    EXPECT_EQ(form->TranslatorPage().PasteTranslate.Enabled(), c.input);
    EXPECT_EQ(form->TranslatorPage().pmtOpen.Enabled(), c.input);
    EXPECT_EQ(form->TranslatorPage().pmtSave.Enabled(), c.saveEnabled);
    EXPECT_EQ(form->TranslatorPage().pmtSaveAs.Enabled(), c.saveEnabled);
    EXPECT_TRUE(form->TranslatorPage().CopyTranslate.Enabled());
    EXPECT_TRUE(form->TranslatorPage().pmtClear.Enabled());
    memo.SetText("");
  }
}

TEST_F(TranslatorPageTest, ClipboardCommandsActOnTheActiveMemo) {
  // Before either memo is clicked they act on the input memo.
  EXPECT_EQ(page.ActiveMemo, &page.memoText);
  page.memoText.SetText("input text");
  page.memoTranslated.SetText("output text");
  page.memoText.SelectAll();
  Choose(form->TranslatorPage().CopyTranslate);
  EXPECT_EQ(ClipboardText(), "input text");

  page.memoText.SetSelection(0, 6);
  Choose(form->TranslatorPage().cutTranslate);
  EXPECT_EQ(ClipboardText(), "input ");
  EXPECT_EQ(page.memoText.Text(), "text");
  page.memoText.SetSelection(4, 0);
  Choose(form->TranslatorPage().PasteTranslate);
  EXPECT_EQ(page.memoText.Text(), "textinput ");

  MouseDown(page.memoTranslated);
  page.memoTranslated.SetSelection(0, 6);
  Choose(form->TranslatorPage().CopyTranslate);
  EXPECT_EQ(ClipboardText(), "output");
}

TEST_F(TranslatorPageTest, ShortcutsActWhileEitherMemoHasTheFocus) {
  FileChooser chooser(page, *form);
  page.memoText.SetFocus();
  PressCtrl(page.memoText, 'O');
  EXPECT_EQ(chooser.shown, std::vector<std::string>{"open"});

  page.memoText.SetText("typed");
  MouseDown(page.memoText);
  page.memoText.SelectAll();
  PressCtrl(page.memoText, 'C');
  EXPECT_EQ(ClipboardText(), "typed");

  SetClipboardText("pasted");
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

class TranslatorFilesTest : public TranslatorPageTest {
 protected:
  // Chooses a menu item and returns the message of the error box it shows, or nothing.
  std::optional<std::string> ChooseReportingError(const ui::MenuItem& item) {
    test::ErrorBoxWatcher watcher("Kestrelle");  // gives up after a few seconds when no box comes
    Choose(item);
    const auto seen = watcher.Result();
    return seen.found ? std::optional(seen.message) : std::nullopt;
  }

  TempFolder folder;
  FileChooser chooser{page, *form};
};

TEST_F(TranslatorFilesTest, OpenShowsTheWholeFileWithItsLineBreaks) {
  const std::string longLine(kMemoLineLimit, 'x');
  WriteBytes(folder / L"notes.txt", "first line\nsecond\r\n" + longLine + "\rlast");
  page.memoText.SetText("replaced");
  chooser.answer = folder / L"notes.txt";
  Choose(form->TranslatorPage().pmtOpen);
  EXPECT_EQ(chooser.shown, std::vector<std::string>{"open"});
  EXPECT_EQ(page.memoText.Text(), "first line\r\nsecond\r\n" + longLine + "\r\nlast");
}

TEST_F(TranslatorFilesTest, CancelledDialogsChangeNothing) {
  WriteBytes(folder / L"kept.txt", "kept");
  page.memoText.SetText("memo");
  chooser.answer.reset();
  Choose(form->TranslatorPage().pmtOpen);
  Choose(form->TranslatorPage().pmtSaveAs);
  Choose(form->TranslatorPage().pmtSave);
  EXPECT_EQ(chooser.shown, (std::vector<std::string>{"open", "save", "save"}));
  EXPECT_EQ(page.memoText.Text(), "memo");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"kept.txt"});
}

// Files the memo refuses leave it as it was; the message names the file and says why.
TEST_F(TranslatorFilesTest, AFileThatCannotBeOpenedLeavesTheMemoAsItWas) {
  const std::wstring pipeName = L"\\\\.\\pipe\\kestrelle-open-" + std::to_wstring(GetCurrentProcessId());
  const HANDLE pipe = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  const struct {
    std::wstring file;
    std::optional<std::string> content;  // nothing: the file is not written
    std::string reason;                  // a part of what the message says after the file name
  } cases[] = {
      {folder / L"missing.txt", std::nullopt, ui::SystemErrorText(ERROR_FILE_NOT_FOUND)},
      {folder / L"binary.dat", std::string("text\0more", 9), "not a plain text file"},
      {folder / L"large.txt", std::string(kMemoTextLimit + 1, '\n'), "kestrelle-translate"},
      {folder / L"large as CR LF.txt", std::string(kMemoTextLimit / 2 + 1, '\n'), "kestrelle-translate"},
      {folder / L"long line.txt", "a\r\n" + std::string(kMemoLineLimit + 1, 'x') + "\r\nb", "kestrelle-translate"},
      {folder / L"nul.txt", std::nullopt, "device"},
      {pipeName, std::nullopt, "device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ui::Utf8FromWide(c.file));
    if (c.content) WriteBytes(c.file, *c.content);
    page.memoText.SetText("keep me");
    chooser.answer = c.file;
    const std::string message = ChooseReportingError(form->TranslatorPage().pmtOpen).value_or("");
    EXPECT_EQ(message.rfind("Cannot open file " + ui::Utf8FromWide(c.file) + ": ", 0), 0u) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    EXPECT_EQ(page.memoText.Text(), "keep me");
  }
  CloseHandle(pipe);
}

TEST_F(TranslatorPageTest, PasteStopsAtTheMemoLimit) {
  std::string lines;
  while (lines.size() <= kMemoTextLimit) lines += "a line\r\n";  // the limit falls between lines
  SetClipboardText(lines);
  page.PasteTranslateClick();
  EXPECT_EQ(page.memoText.Text().size(), kMemoTextLimit);
}

// A command of the pop-up menu that fails is reported, and the edit box's own menu does not follow it.
TEST_F(TranslatorFilesTest, AFailedCommandOfThePopupMenuIsAllThatShows) {
  for (char key : {'F', 'O'}) PostMessageA(page.memoText.Handle(), WM_KEYDOWN, key, 0);  // "&File", "&Open"
  chooser.answer = folder / L"missing.txt";
  test::ErrorBoxWatcher watcher("Kestrelle");
  SendMessageA(page.memoText.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(page.memoText.Handle()), -1);
  EXPECT_TRUE(watcher.Result().found);
}

TEST_F(TranslatorFilesTest, SaveWritesBackToTheFileLastOpened) {
  WriteBytes(folder / L"notes.txt", "old");
  chooser.answer = folder / L"notes.txt";
  Choose(form->TranslatorPage().pmtOpen);
  page.memoText.SetText("new text\r\nline two");
  chooser.answer = folder / L"other.txt";
  Choose(form->TranslatorPage().pmtSaveAs);
  EXPECT_EQ(ReadBytes(folder / L"other.txt"), "new text\r\nline two");

  page.memoText.SetText("saved again");
  Choose(form->TranslatorPage().pmtSave);
  EXPECT_EQ(chooser.shown, (std::vector<std::string>{"open", "save"})) << "Save shows no dialog";
  EXPECT_EQ(ReadBytes(folder / L"notes.txt"), "saved again");
  EXPECT_EQ(ReadBytes(folder / L"other.txt"), "new text\r\nline two");
  EXPECT_EQ(form->TranslatorPage().sdTranslate.fileName, folder / L"notes.txt");

  // Save As offers the name Save left in it.
  chooser.answer.reset();
  Choose(form->TranslatorPage().pmtSaveAs);
  EXPECT_EQ(chooser.offered.back(), folder / L"notes.txt");
}

// A file that could not be opened is not the file last opened: Save leaves it alone.
TEST_F(TranslatorFilesTest, SaveAfterAFailedOpenDoesNotWriteToTheRefusedFile) {
  WriteBytes(folder / L"notes.txt", "old");
  const std::string binary("text\0more", 9);
  WriteBytes(folder / L"binary.dat", binary);
  chooser.answer = folder / L"notes.txt";
  Choose(form->TranslatorPage().pmtOpen);
  chooser.answer = folder / L"binary.dat";
  ASSERT_TRUE(ChooseReportingError(form->TranslatorPage().pmtOpen).has_value());

  page.memoText.SetText("saved");
  Choose(form->TranslatorPage().pmtSave);
  EXPECT_EQ(ReadBytes(folder / L"binary.dat"), binary);
  EXPECT_EQ(ReadBytes(folder / L"notes.txt"), "saved") << "Save writes back to the file last opened";
}

TEST_F(TranslatorFilesTest, SaveWithoutAnOpenedFileIsSaveAs) {
  MouseDown(page.memoTranslated);
  page.memoTranslated.SetText("the output\r\n");
  chooser.answer = folder / L"out.txt";
  Choose(form->TranslatorPage().pmtSave);
  EXPECT_EQ(chooser.shown, std::vector<std::string>{"save"});
  EXPECT_EQ(ReadBytes(folder / L"out.txt"), "the output\r\n") << "the active memo is saved";
}

TEST_F(TranslatorFilesTest, AFailedSaveLosesNothing) {
  const std::wstring readOnly = folder / L"read-only.txt";
  WriteBytes(readOnly, "precious");
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  page.memoText.SetText("memo text");
  const std::wstring missingFolder = folder / L"no such folder\\out.txt";
  for (const auto& [target, code] : {std::pair{missingFolder, ERROR_PATH_NOT_FOUND}, {readOnly, ERROR_ACCESS_DENIED}}) {
    SCOPED_TRACE(ui::Utf8FromWide(target));
    chooser.answer = target;
    EXPECT_EQ(ChooseReportingError(form->TranslatorPage().pmtSaveAs),
              "Cannot create file " + ui::Utf8FromWide(target) + ": " + ui::SystemErrorText(code));
    EXPECT_EQ(page.memoText.Text(), "memo text");
  }
  EXPECT_EQ(ReadBytes(readOnly), "precious");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"read-only.txt"}) << "no temporary file is left behind";
}

TEST_F(TranslatorFilesTest, SavingReplacesAnExistingFileWhole) {
  WriteBytes(folder / L"notes.txt", std::string(10000, 'o'));
  page.memoText.SetText("short");
  chooser.answer = folder / L"notes.txt";
  Choose(form->TranslatorPage().pmtSaveAs);
  EXPECT_EQ(ReadBytes(folder / L"notes.txt"), "short");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"notes.txt"});
}

// File names outside the ANSI code page (a folder named in Cyrillic and Chinese) open and save; the text
// stays 8-bit.
TEST_F(TranslatorFilesTest, AnyFileNameOpensAndSaves) {
  const TempFolder named(folder, L"\u041f\u0438\u0441\u044c\u043c\u0430 \u4fe1\u4ef6");
  WriteBytes(named / L"\u0437\u0430\u043c\u0435\u0442\u043a\u0438.txt", "caf\xe9 au lait");
  chooser.answer = named / L"\u0437\u0430\u043c\u0435\u0442\u043a\u0438.txt";
  Choose(form->TranslatorPage().pmtOpen);
  EXPECT_EQ(page.memoText.Text(), "caf\xe9 au lait");
  page.memoText.SetText("saved \xe9");
  Choose(form->TranslatorPage().pmtSave);
  chooser.answer = named / L"\u7b14\u8bb0.txt";
  Choose(form->TranslatorPage().pmtSaveAs);
  EXPECT_EQ(ReadBytes(named / L"\u0437\u0430\u043c\u0435\u0442\u043a\u0438.txt"), "saved \xe9");
  EXPECT_EQ(ReadBytes(named / L"\u7b14\u8bb0.txt"), "saved \xe9");
}

// Save As writes wherever the dialog lets the player choose, here deeper than the system's old limit of
// 260 characters, in folders named in Cyrillic; Open reads it back.
TEST_F(TranslatorFilesTest, SaveAsWritesIntoADeepFolder) {
  std::vector<std::unique_ptr<TempFolder>> folders;
  for (const TempFolder* deep = &folder; (*deep / L"").size() <= MAX_PATH; deep = folders.back().get()) {
    folders.push_back(std::make_unique<TempFolder>(*deep, std::wstring(60, L'\u0434')));
  }
  page.memoText.SetText("saved \xe9");
  chooser.answer = *folders.back() / L"notes.txt";
  Choose(form->TranslatorPage().pmtSaveAs);
  Choose(form->TranslatorPage().pmtOpen);
  EXPECT_EQ(page.memoText.Text(), "saved \xe9");
  EXPECT_EQ(folders.back()->Files(), std::vector<std::string>{"notes.txt"}) << "no temporary file is left behind";
  while (!folders.empty()) folders.pop_back();  // the deepest first
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
  closing = form->Handle();
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(closing, WM_CLOSE, 0, 0);
  });
  ASSERT_NE(timer, 0u);

  const DWORD startTick = GetTickCount();
  PressTranslate();

  // The whole text would take over 8 seconds; the typing ends soon after the close at 300 ms.
  const std::string received = client.Text();
  ASSERT_FALSE(received.empty());
  EXPECT_LT(received.size(), 100u);
  EXPECT_LT(client.Records().back().tick - startTick, 1500u);
  EXPECT_EQ(received, "A" + text.substr(1, received.size() - 1));
  EXPECT_EQ(page.memoTranslated.Text(), "");
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
