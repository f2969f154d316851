#include "translator/translator_page.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "speech/command_text.h"
#include "game_link/game_link.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "translator/text_file.h"
#include "translator/text_file_content.h"
#include "ui/access_keys.h"
#include "ui/application.h"
#include "ui/focus_return.h"
#include "ui/message_pump.h"
#include "ui/wide_text.h"

namespace kestrelle {
namespace {

const ui::FontSpec kMemoFont{"MS Sans Serif", -13};
const ui::FontSpec kStyleFont{"MS Sans Serif", -11};
const ui::LabelOptions kDelayLabel{.alignment = ui::Alignment::Right};
const char* const kTextFileFilter = "Text files (*.txt)|*.TXT|Any file (*.*)|*.*";
const char* const kTranslateCaption = "&Translate";
const char* const kStopCaption = "S&top";  // Alt+T: T as in the caption it stands in for
const char* const kStoppedBeforeTyping = "Stopped before anything was typed.";

// A paste is refused whole rather than cut: the player learns why, as for a file that cannot be opened.
// The memo's limit counts characters as the system's text box does.
[[noreturn]] void ReportPasteTooLong(std::size_t pasted, std::size_t room) {
  throw std::runtime_error("Nothing was pasted: the text on the clipboard takes " + std::to_string(pasted) +
                           " characters, and the memo has room for " + std::to_string(room) + " more (it holds up to " +
                           std::to_string(kMemoTextLimit) + " characters, a line break counting two); " +
                           kLargeTextAdvice);
}

void ShowMessage(HWND owner, const std::string& message, UINT icon) {
  MessageBoxW(owner, ui::WideFromUtf8(message).c_str(), ui::WideFromUtf8(ui::ApplicationTitle()).c_str(), MB_OK | icon);
}

}  // namespace

// The span of one Translate command: the controls that could start it again are disabled for it and
// enabled again however it ends (also when it fails), except when it was stopped because the program is
// closing; the Translate button becomes the Stop button, pressed also by Esc. A close asked for meanwhile
// goes ahead once the command is over.
class TTranslatorPage::CommandControls {
 public:
  explicit CommandControls(TTranslatorPage& page) : page_(page) {
    page_.runningCommand_ = this;
    SetRunning(true);
    focus_.NoteDisabled();
  }
  ~CommandControls() {
    page_.runningCommand_ = nullptr;
    if (enableAgain_) {
      SetRunning(false);
      focus_.GiveBack();
    }
    if (page_.closePending_) ui::Guarded([this] { page_.window_.Close(); });
  }
  CommandControls(const CommandControls&) = delete;
  CommandControls& operator=(const CommandControls&) = delete;

  void LeaveAsTheyAre() { enableAgain_ = false; }
  CommandStop& Stop() { return stop_; }

 private:
  void SetRunning(bool running) {
    page_.memoText.SetEnabled(!running);
    page_.rgSpeak.SetEnabled(!running);
    page_.btnTranslate.SetText(running ? kStopCaption : kTranslateCaption);
    page_.window_.SetCancelButton(running ? &page_.btnTranslate : nullptr);
    page_.EnableFileCommands();
  }

  TTranslatorPage& page_;
  CommandStop stop_;
  bool enableAgain_ = true;
  ui::FocusReturn focus_;  // a Translate pressed from the keyboard leaves the focus on the button
};

TTranslatorPage::TTranslatorPage(ui::Form& window, ui::TabSheet& page)
    : pmtClear(pmTranslate.Add("Clear Text")),
      N2(pmTranslate.AddSeparator()),
      Settings1(pmTranslate.Add("Settings")),
      pmtWordWrap(Settings1.Add("Word wrap")),
      pmAutoTranslate(Settings1.Add("Auto Translate on Enter")),
      pmtLeaveCommands(Settings1.Add("Leave Game Commands Alone")),
      N3(pmTranslate.AddSeparator()),
      File2(pmTranslate.Add("&File")),
      pmtOpen(File2.Add("&Open", ui::Shortcut::Ctrl('O'))),
      N4(File2.AddSeparator()),
      pmtSave(File2.Add("&Save", ui::Shortcut::Ctrl('S'))),
      pmtSaveAs(File2.Add("Save &As...")),
      Edit1(pmTranslate.Add("&Edit")),
      cutTranslate(Edit1.Add("Cu&t", ui::Shortcut::Ctrl('X'))),
      CopyTranslate(Edit1.Add("&Copy", ui::Shortcut::Ctrl('C'))),
      PasteTranslate(Edit1.Add("&Paste", ui::Shortcut::Ctrl('V'))),
      odTranslate(ui::FileDialog::Kind::Open, "Open file for translation"),
      sdTranslate(ui::FileDialog::Kind::Save),
      Label1(page, {49, 0, 96, 14}, "T&EXT TO TRANSMIT"),
      memoText(page, {1, 15, 201, 93}, "",
               {.scrollBars = ui::ScrollBars::Vertical, .font = kMemoFont, .maxLength = kMemoTextLimit}),
      Label5(page, {52, 114, 98, 14}, "TEXT TRANSMITTE&D"),
      memoTranslated(page, {1, 129, 201, 93}, "",
                     {.scrollBars = ui::ScrollBars::Vertical, .readOnly = true, .font = kMemoFont}),
      rgSpeak(page, {206, 10, 105, 97}, "&Speech Style",
              {.items = SpeechStyleCaptions(), .font = kStyleFont}),
      Label3(page, {207, 119, 59, 13}, "&Char Delay:", kDelayLabel),
      meCharDelay(page, {270, 112, 35, 22}, "  25"),
      Label4(page, {206, 150, 59, 13}, "&Line Delay:", kDelayLabel),
      meLineDelay(page, {270, 144, 35, 22}, "3000"),
      btnTranslate(page, {212, 185, 96, 37}, kTranslateCaption),
      lblStatus(page, {1, 224, 310, 14}, ""),
      styles(ShippedRules()),
      showFileDialog([this](ui::FileDialog& dialog) { return dialog.Execute(window_.Handle()); }),
      askToSave([this](const std::string& question) {
        return MessageBoxW(window_.Handle(), ui::WideFromUtf8(question).c_str(),
                           ui::WideFromUtf8(ui::ApplicationTitle()).c_str(), MB_YESNOCANCEL | MB_ICONWARNING);
      }),
      window_(window) {
  pmtWordWrap.SetChecked(true);
  pmtLeaveCommands.SetChecked(true);
  memoText.SetHint("Type text to be translated and or sent here.");
  memoText.SetPopupMenu(&pmTranslate);
  memoTranslated.SetPopupMenu(&pmTranslate);

  btnTranslate.onClick = [this] { btnTranslateClick(); };
  rgSpeak.onClick = [this] { rgSpeakClick(); };
  memoText.onKeyPress = [this](char& key) { memoTextKeyPress(key); };
  memoText.onMouseDown = [this] { memoTextMouseDown(); };
  memoTranslated.onMouseDown = [this] { memoTranslatedMouseDown(); };
  // A memo reached with the keyboard is the one the shortcuts act on, as a clicked one is.
  memoText.onEnter = [this] { Activate(memoText); };
  memoTranslated.onEnter = [this] { Activate(memoTranslated); };
  memoText.onPasteTooLong = [](std::size_t pasted, std::size_t room) { ReportPasteTooLong(pasted, room); };
  pmtClear.onClick = [this] { pmtClearClick(); };
  pmtWordWrap.onClick = [this] { pmtWordWrapClick(); };
  pmAutoTranslate.onClick = [this] { pmAutoTranslateClick(); };
  pmtLeaveCommands.onClick = [this] { pmtLeaveCommandsClick(); };
  pmtOpen.onClick = [this] { pmtOpenClick(); };
  pmtSave.onClick = [this] { pmtSaveClick(); };
  pmtSaveAs.onClick = [this] { pmtSaveAsClick(); };
  cutTranslate.onClick = [this] { cutTranslateClick(); };
  CopyTranslate.onClick = [this] { CopyTranslateClick(); };
  PasteTranslate.onClick = [this] { PasteTranslateClick(); };
}

void TTranslatorPage::Start() {
  rgSpeak.SetItemIndex(0);
  odTranslate.filter = kTextFileFilter;
  sdTranslate.filter = kTextFileFilter;
}

void TTranslatorPage::btnTranslateClick() {
  if (runningCommand_ != nullptr) {
    runningCommand_->Stop().Request();
    return;
  }
  RunTranslateCommand();
}

TTranslatorPage::CommandEnd TTranslatorPage::RunTranslateCommand() {
  memoTranslated.Clear();
  lblStatus.SetText("");
  const GameCommands commands = pmtLeaveCommands.Checked() ? GameCommands::LeaveAlone : GameCommands::TranslateAsSpeech;
  // A long text is read with the window live, and the command must not start again meanwhile.
  std::optional<CommandControls> reading;
  const std::vector<std::string> lines = memoText.Lines([&] {
    if (!reading) reading.emplace(*this);
    ui::ProcessPendingMessages();
  });
  const bool stoppedWhileReading = reading && reading->Stop().Requested();
  reading.reset();
  if (closePending_) return CommandEnd::Closing;
  if (stoppedWhileReading) {
    lblStatus.SetText(kStoppedBeforeTyping);
    return CommandEnd::NotDelivered;
  }
  std::string text = commands == GameCommands::LeaveAlone
                         ? JoinKeepingGameCommands(lines, SplitParagraphs(memoText.Text()), memoText.WordWrap())
                         : JoinDisplayedLines(lines, memoText.WordWrap());
  if (IsBlankText(text)) return CommandEnd::Finished;

  const TypingDelays delays{DelayIn(meCharDelay, Label3), DelayIn(meLineDelay, Label4)};
  std::optional<SendResult> sent;
  {
    CommandControls controls(*this);
    const CommandStop& stop = controls.Stop();
    // Between rule alternatives the window stays live; Stop, a close request or the end of the program stops it.
    std::optional<std::string> translated =
        TranslateText(styles.For(translator.StyleBase), translator, std::move(text), commands,
                      [&stop] { return !ui::ProcessPendingMessages() && !stop.Requested(); });
    if (translated) {
      const auto showProgress = [this](const TypingProgress& progress) { lblStatus.SetText(ProgressText(progress)); };
      sent = SendToGame(*translated, delays, stop, {.home = window_.Handle(), .onProgress = showProgress, .foreground = foreground});
    }
    if (closePending_) {
      controls.LeaveAsTheyAre();
      return CommandEnd::Closing;
    }
    if (!translated) {
      lblStatus.SetText(kStoppedBeforeTyping);
      return CommandEnd::NotDelivered;
    }
    memoTranslated.AppendLine(*translated, ui::ProcessPendingMessages);
    lblStatus.SetText(SummaryText(*sent));
  }
  return Report(*sent);
}

// The player hears of a game client that missed text in one message box naming each, unless the only
// reason was the player's own Stop; with no client at all, a beep, and a line typed for Enter stays.
TTranslatorPage::CommandEnd TTranslatorPage::Report(const SendResult& sent) {
  // Why native clients got nothing: a Wayland window (told once a run), or a native link that has ended.
  if (!sent.notice.empty()) ShowMessage(window_.Handle(), sent.notice, MB_ICONINFORMATION);
  if (sent.clients.empty()) {
    MessageBeep(MB_OK);
    return CommandEnd::NotDelivered;
  }
  if (sent.Faulted()) ShowMessage(window_.Handle(), MissedText(sent), MB_ICONWARNING);
  return sent.Delivered() ? CommandEnd::Finished : CommandEnd::NotDelivered;
}

// The question comes before a running command is stopped, so that Cancel leaves it running; a close that
// waits for the command has been answered already.
bool TTranslatorPage::MayClose() {
  if (!closePending_ && !SettleUnsavedEdits()) return false;
  if (runningCommand_ == nullptr) return true;
  runningCommand_->Stop().Request();
  closePending_ = true;
  window_.Hide();  // the window goes from the screen at once all the same, as the player asked
  return false;
}

// Each memo holding edits of its own file asks what becomes of them, as text editors do: Yes saves them
// (a save that fails or is declined keeps the program open), No lets them go, Cancel keeps the program
// open. A memo with no file of its own holds scratch text and closes without asking.
bool TTranslatorPage::SettleUnsavedEdits() {
  for (ui::Memo* memo : {&memoText, &memoTranslated}) {
    if (!HasUnsavedEdits(*memo)) continue;
    const std::wstring path = FileOf(*memo).path;
    const int answer = askToSave("Do you want to save the changes to " + ui::Utf8FromWide(path) + "?");
    if (answer == IDCANCEL) return false;
    if (answer != IDYES) continue;
    bool saved = false;
    ui::Guarded([&] { saved = SaveTo(*memo, path); });
    if (!saved) return false;
  }
  return true;
}

bool TTranslatorPage::HasUnsavedEdits(const ui::Memo& memo) {
  const MemoFile& file = FileOf(memo);
  return !file.path.empty() && memo.Text() != file.savedText;
}

void TTranslatorPage::rgSpeakClick() {
  const int index = rgSpeak.ItemIndex();
  if (index >= 0 && index < static_cast<int>(kSpeechStyles.size())) {
    translator.StyleBase = kSpeechStyles[static_cast<size_t>(index)].base;
  }
}

// Translate on Enter: the command's failure is reported here, so that the Enter it swallowed does not
// break the line after all, and the text stays for another try; so does a line that no game client took.
void TTranslatorPage::memoTextKeyPress(char& key) {
  if (key != '\r' || !pmAutoTranslate.Checked()) return;
  key = 0;
  bool finished = false;
  ui::Guarded([&] { finished = RunTranslateCommand() == CommandEnd::Finished; });
  if (!finished || closePending_) return;
  pmtClearClick();
  memoText.SetFocus();
}

// The field named as its label shows it, without the access key's mark and the colon.
std::int32_t TTranslatorPage::DelayIn(ui::MaskedEdit& field, const ui::Label& label) {
  std::string name = ui::ShownCaption(label.Text());
  if (name.ends_with(':')) name.pop_back();
  try {
    return ParseDelayField(field.Text(), name);
  } catch (const std::invalid_argument&) {
    field.SetFocus();
    field.SelectAll();
    throw;
  }
}

void TTranslatorPage::memoTextMouseDown() { Activate(memoText); }

void TTranslatorPage::memoTranslatedMouseDown() { Activate(memoTranslated); }

void TTranslatorPage::Activate(ui::Memo& memo) {
  ActiveMemo = &memo;
  const bool input = &memo == &memoText;
  cutTranslate.SetEnabled(input);
  PasteTranslate.SetEnabled(input);
  EnableFileCommands();
}

// Save and Save As are offered whatever the memo holds: its text changes by typing, Open and Clear without
// a word to the page, and a Save greyed by a stale state would swallow Ctrl+S. With nothing to save they
// beep.
void TTranslatorPage::EnableFileCommands() {
  const bool idle = !Busy();
  pmtOpen.SetEnabled(idle && ActiveMemo == &memoText);
  pmtSave.SetEnabled(idle);
  pmtSaveAs.SetEnabled(idle);
}

void TTranslatorPage::pmtClearClick() {
  memoTranslated.Clear();
  memoText.Clear();
}

void TTranslatorPage::pmtWordWrapClick() {
  const bool wrap = !pmtWordWrap.Checked();
  pmtWordWrap.SetChecked(wrap);
  for (ui::Memo* memo : {&memoText, &memoTranslated}) {
    memo->SetWordWrap(wrap);
    memo->SetScrollBars(wrap ? ui::ScrollBars::Vertical : ui::ScrollBars::Both);
  }
}

void TTranslatorPage::pmAutoTranslateClick() { pmAutoTranslate.SetChecked(!pmAutoTranslate.Checked()); }

void TTranslatorPage::pmtLeaveCommandsClick() { pmtLeaveCommands.SetChecked(!pmtLeaveCommands.Checked()); }

// The file is read whole before the memo changes, so a file that can't be read leaves the memo as it was.
// Nor does it become the memo's file: a refused file (one that is not plain text, say) would otherwise be
// overwritten by the next Save without a word.
void TTranslatorPage::pmtOpenClick() {
  const std::wstring lastChosen = odTranslate.fileName;
  if (!showFileDialog(odTranslate)) return;
  MemoFileText file;
  try {
    file = ReadTextFile(odTranslate.fileName);
  } catch (...) {
    odTranslate.fileName = lastChosen;
    throw;
  }
  ActiveMemo->SetText(file.text);
  FileOf(*ActiveMemo) = {odTranslate.fileName, file.encoding, file.lineEnd, ActiveMemo->Text()};
}

void TTranslatorPage::pmtSaveClick() { Save(*ActiveMemo); }

void TTranslatorPage::pmtSaveAsClick() { SaveAs(*ActiveMemo); }

// Saves to the memo's own file, so that the text of one memo never goes over the file of the other, nor
// Save after Save As over the file first opened.
bool TTranslatorPage::Save(ui::Memo& memo) {
  const MemoFile& file = FileOf(memo);
  return file.path.empty() ? SaveAs(memo) : SaveTo(memo, file.path);
}

// Offers the memo's own file (none for a memo without one); the file chosen becomes the memo's once
// written. An empty memo with no file of its own has nothing to save.
bool TTranslatorPage::SaveAs(ui::Memo& memo) {
  MemoFile& file = FileOf(memo);
  if (file.path.empty() && memo.Text().empty()) {
    MessageBeep(MB_OK);
    return false;
  }
  sdTranslate.fileName = file.path;
  return showFileDialog(sdTranslate) && SaveTo(memo, sdTranslate.fileName);
}

// A file of the code page's 8-bit text that now holds a letter the code page lacks cannot be saved as it
// came without turning that letter into another: the player is asked to save it as UTF-8 instead, which
// then stays its encoding, or to save nothing.
bool TTranslatorPage::SaveTo(ui::Memo& memo, const std::wstring& path) {
  MemoFile& file = FileOf(memo);
  std::string text = memo.Text();
  TextEncoding encoding = file.encoding;
  if (encoding == TextEncoding::CodePage) {
    if (const std::optional<LetterNotHeld> notHeld = LetterTheCodePageLacks(text)) {
      const std::string question = "The text came from a file of 8-bit text in the system's code page, and " +
                                   DescribeLetterNotHeld(*notHeld) + ", which that code page lacks.\r\n\r\nSave " +
                                   ui::Utf8FromWide(path) + " as UTF-8, which holds every letter? (No saves nothing.)";
      const int answer = MessageBoxW(window_.Handle(), ui::WideFromUtf8(question).c_str(),
                                     ui::WideFromUtf8(ui::ApplicationTitle()).c_str(), MB_YESNO | MB_ICONQUESTION);
      if (answer != IDYES) return false;
      encoding = kNewFileEncoding;
    }
  }
  WriteTextFile(path, text, encoding, file.lineEnd);
  file.path = path;
  file.encoding = encoding;
  file.savedText = std::move(text);
  return true;
}

void TTranslatorPage::cutTranslateClick() { ActiveMemo->CutToClipboard(); }

void TTranslatorPage::CopyTranslateClick() { ActiveMemo->CopyToClipboard(); }

void TTranslatorPage::PasteTranslateClick() { ActiveMemo->PasteFromClipboard(); }

}  // namespace kestrelle
