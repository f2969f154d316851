// The Translator page's file commands: Open, Save and Save As through the menu items and shortcuts, with
// the file dialogs answered by the test, on real files of a folder of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "recording_client_process.h"
#include "test_support.h"
#include "translator/text_file_content.h"
#include "translator_page_fixture.h"
#include "ui/system_error.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

using test::FileChooser;
using test::Pump;
using test::TranslatorPageTest;

// A folder of its own for a test's files, removed with everything in it (and with the folders made in it).
class TempFolder {
 public:
  TempFolder()
      : TempFolder(std::filesystem::temp_directory_path() /
                   ("kestrelle-page-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made_))) {}
  TempFolder(const TempFolder& parent, const std::wstring& name) : TempFolder(parent / name) {}
  explicit TempFolder(std::filesystem::path path) : path_(path.wstring()) { CreateDirectoryW(path_.c_str(), nullptr); }
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
  static inline int made_ = 0;
  std::wstring path_;
};

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file << bytes;
  ASSERT_TRUE(file.good()) << ui::Utf8FromWide(path);
}

std::optional<std::string> ReadBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
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
  FileChooser chooser{page};
};

// Cancelled dialogs change nothing; Open then shows the whole file with its line breaks as the memo's.
TEST_F(TranslatorFilesTest, CancelledDialogsChangeNothingAndOpenShowsTheWholeFile) {
  const std::string longLine(kMemoLineLimit, 'x');
  WriteBytes(folder / L"notes.txt", "first line\nsecond\r\n" + longLine + "\rlast");
  page.memoText.SetText("memo");
  for (const ui::MenuItem* item : {&page.pmtOpen, &page.pmtSaveAs, &page.pmtSave}) Choose(*item);
  EXPECT_EQ(page.memoText.Text(), "memo");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"notes.txt"});
  chooser.answer = folder / L"notes.txt";
  Choose(page.pmtOpen);
  EXPECT_EQ(chooser.shown, (std::vector<std::string>{"open", "save", "save", "open"}));
  EXPECT_EQ(page.memoText.Text(), "first line\r\nsecond\r\n" + longLine + "\r\nlast");
}

// Files the memo refuses leave it as it was; the message names the file and says why. A refused file is
// not the file last opened: Save still writes to that one.
TEST_F(TranslatorFilesTest, AFileThatCannotBeOpenedLeavesTheMemoAndTheOpenedFileAsTheyWere) {
  WriteBytes(folder / L"notes.txt", "old");
  chooser.answer = folder / L"notes.txt";
  Choose(page.pmtOpen);
  const std::string binary("text\0more", 9);
  const std::wstring pipeName = L"\\\\.\\pipe\\kestrelle-open-" + std::to_wstring(GetCurrentProcessId());
  const HANDLE pipe = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  const struct {
    std::wstring file;
    std::optional<std::string> content;  // nothing: the file is not written
    std::string reason;                  // a part of what the message says after the file name
  } cases[] = {
      {folder / L"missing.txt", std::nullopt, ui::SystemErrorText(ERROR_FILE_NOT_FOUND)},
      {folder / L"binary.dat", binary, "not a plain text file"},
      {folder / L"large.txt", std::string(kMemoTextLimit + 1, '\n'), "kestrelle-translate"},
      {folder / L"large as CR LF.txt", std::string(kMemoTextLimit / 2 + 1, '\n'), "carriage return and line feed"},
      {folder / L"long line.txt", "a\r\n" + std::string(kMemoLineLimit + 1, 'x') + "\r\nb", "kestrelle-translate"},
      {folder / L"nul.txt", std::nullopt, "device"},
      {pipeName, std::nullopt, "device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ui::Utf8FromWide(c.file));
    if (c.content) WriteBytes(c.file, *c.content);
    page.memoText.SetText("keep me");
    chooser.answer = c.file;
    const std::string message = ChooseReportingError(page.pmtOpen).value_or("");
    EXPECT_EQ(message.rfind("Cannot open file " + ui::Utf8FromWide(c.file) + ": ", 0), 0u) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    EXPECT_EQ(page.memoText.Text(), "keep me");
  }
  page.memoText.SetText("saved");
  Choose(page.pmtSave);
  EXPECT_EQ(ReadBytes(folder / L"binary.dat"), binary);
  EXPECT_EQ(ReadBytes(folder / L"notes.txt"), "saved");
  CloseHandle(pipe);
}
// A command of the pop-up menu that fails is reported, and the edit box's own menu does not follow it.
TEST_F(TranslatorFilesTest, AFailedCommandOfThePopupMenuIsAllThatShows) {
  for (char key : {'F', 'O'}) PostMessageA(page.memoText.Handle(), WM_KEYDOWN, key, 0);  // "&File", "&Open"
  chooser.answer = folder / L"missing.txt";
  test::ErrorBoxWatcher watcher("Kestrelle");
  SendMessageA(page.memoText.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(page.memoText.Handle()), -1);
  EXPECT_TRUE(watcher.Result().found);
}

// Each encoding opens as its letters and is saved in it again, those beyond the system's code page
// (Windows-1252 here) too in a Unicode encoding. Save after Save As writes to the file saved as, never over
// the one opened, and Save As offers it.
TEST_F(TranslatorFilesTest, FilesKeepTheirEncodingAndSaveWritesWhereLastChosen) {
  const struct {
    TextEncoding encoding;
    const char* opened;  // the file's text
    const char* saved;   // the text saved as another file
  } rows[] = {
      {TextEncoding::Utf8, "Café\r\nλόγος 日本語 \xF0\x9F\x98\x80", "Über λ"},
      {TextEncoding::Utf8Bom, "Café\r\nλόγος", "Über 日本"},
      {TextEncoding::Utf16LE, "Café\r\nλόγος 日本語 \xF0\x9F\x98\x80", "Über λ"},
      {TextEncoding::Utf16BE, "Café\r\nПривет", "Über λ"},
      {TextEncoding::CodePage, "Café\r\nnaïve", "Über"},
  };
  const auto inEncoding = [](const std::string& text, TextEncoding encoding) {
    // Windows-1252 holds the letters of the code page's rows where Latin-1 does.
    if (encoding != TextEncoding::CodePage) return EncodeUnicode(CharactersOfUtf8(text), encoding);
    std::string bytes;
    for (const char32_t c : CharactersOfUtf8(text)) bytes += static_cast<char>(c);
    return bytes;
  };
  for (const auto& row : rows) {
    const std::string original = inEncoding(row.opened, row.encoding);
    SCOPED_TRACE(row.opened);
    WriteBytes(folder / L"a.txt", original);
    page.memoText.Clear();
    chooser.answer = folder / L"a.txt";
    Choose(page.pmtOpen);
    EXPECT_EQ(page.memoText.Text(), row.opened);
    page.memoText.SetText(row.saved);
    chooser.answer = folder / L"b.txt";
    Choose(page.pmtSaveAs);
    page.memoText.SetText(row.saved + std::string(" alles"));
    Choose(page.pmtSave);
    EXPECT_EQ(ReadBytes(folder / L"a.txt"), original);
    EXPECT_EQ(ReadBytes(folder / L"b.txt"), inEncoding(row.saved + std::string(" alles"), row.encoding));
    chooser.answer.reset();
    Choose(page.pmtSaveAs);
    EXPECT_EQ(chooser.offered.back(), folder / L"b.txt");
  }
}

// A file of the code page's 8-bit text given a letter the code page lacks is never saved with another in
// its place: the player is asked, No saves nothing, Yes saves it as UTF-8, which it then stays.
TEST_F(TranslatorFilesTest, ACodePageFileGivenLettersItLacksIsSavedAsUtf8WhenThePlayerSaysSo) {
  WriteBytes(folder / L"old.txt", "Caf\xE9");
  chooser.answer = folder / L"old.txt";
  Choose(page.pmtOpen);
  const struct {
    const char* text;
    WPARAM answer;  // 0: no question
    std::string file;
  } rows[] = {
      {"Café\r\nλόγος", IDNO, "Caf\xE9"},
      {"Café\r\nλόγος", IDYES, "Café\r\nλόγος"},
      {"Café 日本", 0, "Café 日本"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    page.memoText.SetText(row.text);
    test::ErrorBoxWatcher box("Kestrelle", row.answer);
    Choose(page.pmtSave);
    const test::ErrorBoxWatcher::Seen asked = box.Finish();
    EXPECT_EQ(asked.found, row.answer != 0);
    if (asked.found) {
      EXPECT_NE(asked.message.find("line 2 holds the letter λ (U+03BB)"), std::string::npos) << asked.message;
    }
    EXPECT_EQ(ReadBytes(folder / L"old.txt"), row.file);
  }
}

// With no file opened, Save is Save As of the active memo, as UTF-8, replacing a file there whole.
TEST_F(TranslatorFilesTest, SaveWithoutAnOpenedFileIsSaveAs) {
  WriteBytes(folder / L"out.txt", std::string(10000, 'o'));
  MouseDown(page.memoTranslated);
  page.memoTranslated.SetText("the output é\r\n");
  chooser.answer = folder / L"out.txt";
  Choose(page.pmtSave);
  EXPECT_EQ(chooser.shown, std::vector<std::string>{"save"});
  EXPECT_EQ(ReadBytes(folder / L"out.txt"), "the output \xC3\xA9\r\n");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"out.txt"});
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
    EXPECT_EQ(ChooseReportingError(page.pmtSaveAs),
              "Cannot create file " + ui::Utf8FromWide(target) + ": " + ui::SystemErrorText(code));
    EXPECT_EQ(page.memoText.Text(), "memo text");
  }
  EXPECT_EQ(ReadBytes(readOnly), "precious");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"read-only.txt"}) << "no temporary file is left behind";
}

// File names outside the ANSI code page (folders named in Cyrillic and Chinese) open and save, and Save As
// writes wherever the dialog lets the player choose, here deeper than the system's old limit of 260
// characters; Open reads it back. The file stays in the code page's 8-bit text.
TEST_F(TranslatorFilesTest, AnyFileNameOpensAndSaves) {
  std::vector<std::unique_ptr<TempFolder>> folders;
  folders.push_back(std::make_unique<TempFolder>(folder, L"\u041f\u0438\u0441\u044c\u043c\u0430 \u4fe1\u4ef6"));
  while ((*folders.back() / L"").size() <= MAX_PATH) {
    folders.push_back(std::make_unique<TempFolder>(*folders.back(), std::wstring(60, L'\u0434')));
  }
  const std::wstring notes = *folders.front() / L"\u0437\u0430\u043c\u0435\u0442\u043a\u0438.txt";
  WriteBytes(notes, "caf\xe9 au lait");
  chooser.answer = notes;
  Choose(page.pmtOpen);
  EXPECT_EQ(page.memoText.Text(), "café au lait");
  page.memoText.SetText("saved é");
  Choose(page.pmtSave);
  EXPECT_EQ(ReadBytes(notes), "saved \xe9");
  const std::wstring deepNotes = L"\u7b14\u8bb0.txt";
  chooser.answer = *folders.back() / deepNotes;
  Choose(page.pmtSaveAs);
  page.memoText.Clear();
  Choose(page.pmtOpen);
  EXPECT_EQ(page.memoText.Text(), "saved é");
  EXPECT_EQ(folders.back()->Files(), std::vector<std::string>{ui::Utf8FromWide(deepNotes)}) << "no temporary file left";
  while (!folders.empty()) folders.pop_back();  // the deepest first
}

// Typed into a memo at the end of its text, through the message queue as the keyboard's letters come.
void TypeAtEnd(const ui::Memo& memo, const std::string& text) {
  SendMessageA(memo.Handle(), EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
  for (const char c : text) PostMessageA(memo.Handle(), WM_CHAR, static_cast<WPARAM>(c), 1);
  Pump();
}

// Ctrl+O and Ctrl+S pressed in a memo: each memo saves to its own file, never the other's, whatever
// changed its text since it got the focus; a memo with no file of its own offers no name. The flows run
// on one page in turn, the fresh memo first and the output memo before it has a file.
TEST_F(TranslatorFilesTest, EachMemoSavesToItsOwnFile) {
  const struct {
    const char* name;
    bool open, output, clear;
    const wchar_t* savedAs;  // Save As before the edits
    const char* typed;
    const wchar_t* saveAnswer;  // the dialog Ctrl+S shows (nothing: it shows none)
    const wchar_t* changed;
    const char* holds;
  } flows[] = {
      {"fresh memo", false, false, false, nullptr, "fresh", L"fresh.txt", L"fresh.txt", "fresh"},
      {"output memo", true, true, false, nullptr, "", L"out.txt", L"out.txt", "translation"},
      {"empty memo Open", true, false, false, nullptr, "!", nullptr, L"story.txt", "story!"},
      {"Clear then type", true, false, true, nullptr, "new", nullptr, L"story.txt", "new"},
      {"Save As then Save", true, false, false, L"copy.txt", "!", nullptr, L"copy.txt", "story!"},
  };
  for (const auto& f : flows) {
    SCOPED_TRACE(f.name);
    WriteBytes(folder / L"story.txt", "story");
    Choose(page.pmtClear);
    page.memoText.SetFocus();
    if (f.open) {
      chooser.answer = folder / L"story.txt";
      PressCtrl(page.memoText, 'O');
    }
    if (f.clear) Choose(page.pmtClear);
    if (f.savedAs) {
      chooser.answer = folder / f.savedAs;
      Choose(page.pmtSaveAs);
    }
    ui::Memo& memo = f.output ? page.memoTranslated : page.memoText;
    if (f.output) page.memoTranslated.SetText("translation");
    memo.SetFocus();
    TypeAtEnd(memo, f.typed);
    const std::size_t shown = chooser.shown.size();
    chooser.answer.reset();
    if (f.saveAnswer) chooser.answer = folder / f.saveAnswer;
    PressCtrl(memo, 'S');
    ASSERT_EQ(chooser.shown.size(), shown + (f.saveAnswer ? 1 : 0));
    if (f.saveAnswer) {
      EXPECT_EQ(chooser.offered.back(), L"");
    }
    EXPECT_EQ(ReadBytes(folder / f.changed), f.holds);
    if (std::wstring(f.changed) != L"story.txt") {
      EXPECT_EQ(ReadBytes(folder / L"story.txt"), "story");
    }
  }
}

// A file opened and saved unchanged stays byte for byte, whatever its line breaks; one with mixed line
// breaks takes its first line's.
TEST_F(TranslatorFilesTest, SaveKeepsTheLineBreaksOfTheFile) {
  const struct {
    const char* file;
    const char* saved;
  } rows[] = {{"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\nb\n", "a\nb\n"}, {"a\rb\r", "a\rb\r"}, {"a\nb\r\nc\r", "a\nb\nc\n"}};
  page.memoText.SetFocus();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    WriteBytes(folder / L"lines.txt", row.file);
    chooser.answer = folder / L"lines.txt";
    PressCtrl(page.memoText, 'O');
    PressCtrl(page.memoText, 'S');
    EXPECT_EQ(ReadBytes(folder / L"lines.txt"), row.saved);
  }
}

// Closing with unsaved edits of a memo's file asks: Yes saves them and closes, No closes without them,
// Cancel keeps the window open with the edits. Scratch text (the first row, before any Open) closes
// without asking.
TEST_F(TranslatorFilesTest, ClosingWithUnsavedEditsAsks) {
  const struct {
    bool open;
    int answer;  // 0: not asked
    const char* file;
    bool closed;
  } rows[] = {{false, 0, "story", true}, {true, IDYES, "edited", true}, {true, IDNO, "story", true},
              {true, IDCANCEL, "story", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.answer);
    int asked = 0;
    page.askToSave = [&](const std::string&) { return ++asked, row.answer; };
    form->Show();
    WriteBytes(folder / L"story.txt", "story");
    chooser.answer = folder / L"story.txt";
    if (row.open) Choose(page.pmtOpen);
    page.memoText.SetText("edited");
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(asked, row.answer != 0 ? 1 : 0);
    EXPECT_EQ(ReadBytes(folder / L"story.txt"), row.file);
    EXPECT_EQ(form->Visible(), !row.closed);
    MSG quit;
    EXPECT_EQ(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, row.closed);
  }
  page.askToSave = [](const std::string&) { return IDNO; };
}

// While the command types, no command opens a modal window, which would hold the typing up with Stop out
// of reach: the file commands are greyed and About is refused until the command has ended.
TEST_F(TranslatorPageTest, NoModalWindowOpensWhileTheCommandTypes) {
  test::RecordingClient client;
  SetDelays("  25", "   0");
  page.memoText.SetText(std::string(200, 'a'));
  const auto fileCommands = [this] {
    return std::vector{page.pmtOpen.Enabled(), page.pmtSave.Enabled(), page.pmtSaveAs.Enabled()};
  };
  static std::function<void()> whileTyping;
  std::vector<bool> whileTypingEnabled;
  bool aboutRefused = false;
  whileTyping = [&] {
    whileTypingEnabled = fileCommands();
    const HWND about = form->AboutBox().Handle();
    PostMessageA(about, WM_CLOSE, 0, 0);  // ends the box should it show after all
    Choose(form->About1);
    MSG close;
    aboutRefused = PeekMessageA(&close, about, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
    PressTranslate();  // Stop
  };
  ASSERT_NE(SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
              KillTimer(nullptr, id);
              whileTyping();
            }), 0u);
  PressTranslate();
  whileTyping = nullptr;
  EXPECT_EQ(whileTypingEnabled, std::vector<bool>(3, false));
  EXPECT_TRUE(aboutRefused);
  EXPECT_LT(client.Text().size(), 100u) << "Stop was pressed";
  EXPECT_EQ(fileCommands(), std::vector<bool>(3, true));
}

}  // namespace
}  // namespace kestrelle
