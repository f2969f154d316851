#include "translator/translator_page.h"

#include <optional>
#include <string>
#include <vector>

#include "speech/command_text.h"
#include "game_link/game_link.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "translator/text_file.h"
#include "translator/text_file_content.h"
#include "ui/application.h"
#include "ui/message_pump.h"

namespace kestrelle {
namespace {

const ui::FontSpec kMemoFont{"MS Sans Serif", -13};
const ui::FontSpec kStyleFont{"MS Sans Serif", -11};
const ui::LabelOptions kDelayLabel{.alignment = ui::Alignment::Right};
const char* const kTextFileFilter = "Text files (*.txt)|*.TXT|Any file (*.*)|*.*";

}  // namespace

// The span of one Translate command: the controls that could start it again are disabled for it and
// enabled again however it ends (also when a delay field is no number), except when it was stopped because
// the program is closing; a close asked for meanwhile goes ahead once the command is over.
class TTranslatorPage::CommandControls {
 public:
  explicit CommandControls(TTranslatorPage& page) : page_(page) {
    page_.commandRunning_ = true;
    SetEnabled(false);
  }
  ~CommandControls() {
    page_.commandRunning_ = false;
    if (enableAgain_) SetEnabled(true);
    if (page_.closePending_) ui::Guarded([this] { page_.window_.Close(); });
  }
  CommandControls(const CommandControls&) = delete;
  CommandControls& operator=(const CommandControls&) = delete;

  void LeaveAsTheyAre() { enableAgain_ = false; }

 private:
  void SetEnabled(bool enabled) {
    page_.memoText.SetEnabled(enabled);
    page_.btnTranslate.SetEnabled(enabled);
    page_.rgSpeak.SetEnabled(enabled);
  }

  TTranslatorPage& page_;
  bool enableAgain_ = true;
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
      memoText(page, {1, 15, 201, 93}, "",
               {.scrollBars = ui::ScrollBars::Vertical, .font = kMemoFont, .maxLength = kMemoTextLimit}),
      Label1(page, {49, 0, 96, 14}, "TEXT TO TRANSMIT"),
      Label5(page, {52, 114, 98, 14}, "TEXT TRANSMITTED"),
      memoTranslated(page, {1, 129, 201, 93}, "",
                     {.scrollBars = ui::ScrollBars::Vertical, .readOnly = true, .tabStop = false, .font = kMemoFont}),
      rgSpeak(page, {206, 10, 105, 97}, "Speech Style",
              {.items = SpeechStyleCaptions(), .font = kStyleFont}),
      Label3(page, {207, 119, 59, 13}, "Char Delay:", kDelayLabel),
      meCharDelay(page, {270, 112, 35, 22}, "  25", {.tabStop = false}),
      Label4(page, {206, 150, 59, 13}, "Line Delay:", kDelayLabel),
      meLineDelay(page, {270, 144, 35, 22}, "3000", {.tabStop = false}),
      btnTranslate(page, {212, 185, 96, 37}, "Translate"),
      styles(ShippedRules()),
      showFileDialog([this](ui::FileDialog& dialog) { return dialog.Execute(window_.Handle()); }),
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

void TTranslatorPage::btnTranslateClick() { RunTranslateCommand(); }

TTranslatorPage::CommandEnd TTranslatorPage::RunTranslateCommand() {
  memoTranslated.Clear();
  const GameCommands commands = pmtLeaveCommands.Checked() ? GameCommands::LeaveAlone : GameCommands::TranslateAsSpeech;
  // A long text is read with the window live, and the command must not start again meanwhile.
  std::optional<CommandControls> reading;
  const std::vector<std::string> lines = memoText.Lines([&] {
    if (!reading) reading.emplace(*this);
    ui::ProcessPendingMessages();
  });
  reading.reset();
  if (closePending_) return CommandEnd::Stopped;
  std::string text = commands == GameCommands::LeaveAlone
                         ? JoinKeepingGameCommands(lines, SplitParagraphs(memoText.Text()), memoText.WordWrap())
                         : JoinDisplayedLines(lines, memoText.WordWrap());
  if (IsBlankText(text)) return CommandEnd::Finished;

  CommandControls controls(*this);
  const TypingDelays delays{ParseDelayField(meCharDelay.Text()), ParseDelayField(meLineDelay.Text())};
  // Between rule alternatives the window stays live; a close request or the end of the program stops it.
  std::optional<std::string> translated =
      TranslateText(styles.For(translator.StyleBase), translator, std::move(text), commands,
                    [this] { return !ui::ProcessPendingMessages() && !commandStop_.Requested(); });
  if (!translated) {
    controls.LeaveAsTheyAre();
    return CommandEnd::Stopped;
  }
  const SendResult sent = SendToGame(*translated, delays, commandStop_, window_.Handle());
  if (sent.stopped) {
    controls.LeaveAsTheyAre();
    return CommandEnd::Stopped;
  }
  memoTranslated.AppendLine(*translated, ui::ProcessPendingMessages);
  // Said once a run (the link says it only once): why a native client out of reach got nothing.
  if (!sent.notice.empty()) MessageBoxA(window_.Handle(), sent.notice.c_str(), "Kestrelle", MB_OK | MB_ICONINFORMATION);
  if (sent.completed > 0) return CommandEnd::Finished;
  // The game is closed or every client hung: the player hears it, and a line typed for Enter stays.
  MessageBeep(MB_OK);
  return CommandEnd::NotDelivered;
}

bool TTranslatorPage::MayClose() {
  if (!commandRunning_) return true;
  commandStop_.Request();
  closePending_ = true;
  return false;
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

void TTranslatorPage::memoTextMouseDown() { Activate(memoText); }

void TTranslatorPage::memoTranslatedMouseDown() { Activate(memoTranslated); }

void TTranslatorPage::Activate(ui::Memo& memo) {
  ActiveMemo = &memo;
  const bool input = &memo == &memoText;
  cutTranslate.SetEnabled(input);
  PasteTranslate.SetEnabled(input);
  pmtOpen.SetEnabled(input);
  const bool hasText = memo.LineCount() > 0;
  pmtSave.SetEnabled(hasText);
  pmtSaveAs.SetEnabled(hasText);
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
// Nor does it become the file that Save writes back to: a refused file (one that is not plain text, say)
// would otherwise be overwritten by the next Save without a word.
void TTranslatorPage::pmtOpenClick() {
  const std::wstring lastOpened = odTranslate.fileName;
  if (!showFileDialog(odTranslate)) return;
  try {
    ActiveMemo->SetText(ReadTextFile(odTranslate.fileName));
  } catch (...) {
    odTranslate.fileName = lastOpened;
    throw;
  }
}

// Saves back to the file last opened, whatever Save As chose since.
void TTranslatorPage::pmtSaveClick() {
  sdTranslate.initialDir = odTranslate.initialDir;
  sdTranslate.fileName = odTranslate.fileName;
  if (sdTranslate.fileName.empty()) {
    pmtSaveAsClick();
    return;
  }
  WriteTextFile(sdTranslate.fileName, ActiveMemo->Text());
}

void TTranslatorPage::pmtSaveAsClick() {
  if (!showFileDialog(sdTranslate)) return;
  WriteTextFile(sdTranslate.fileName, ActiveMemo->Text());
}

void TTranslatorPage::cutTranslateClick() { ActiveMemo->CutToClipboard(); }

void TTranslatorPage::CopyTranslateClick() { ActiveMemo->CopyToClipboard(); }

void TTranslatorPage::PasteTranslateClick() { ActiveMemo->PasteFromClipboard(); }

}  // namespace kestrelle
