#include "translator/translator_page.h"

#include <optional>
#include <string>

#include "app/main_form.h"
#include "translator/command_text.h"
#include "translator/game_link.h"
#include "translator/shipped_rules.h"
#include "translator/speech_styles.h"
#include "translator/text_file.h"
#include "translator/text_preparation.h"
#include "ui/application.h"
#include "ui/message_pump.h"

namespace kestrelle {
namespace {

const ui::FontSpec kMemoFont{"MS Sans Serif", -13};
const ui::FontSpec kStyleFont{"MS Sans Serif", -11};
const ui::LabelOptions kDelayLabel{.alignment = ui::Alignment::Right};

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
    if (page_.closePending_) ui::Guarded([this] { page_.form.Close(); });
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

TTranslatorPage::TTranslatorPage(TMainForm& owner, ui::TabSheet& page)
    : form(owner),
      tsSpeak(page),
      memoText(page, {1, 15, 201, 93}, "", {.scrollBars = ui::ScrollBars::Vertical, .font = kMemoFont}),
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
      showFileDialog([this](ui::FileDialog& dialog) { return dialog.Execute(form.Handle()); }) {
  memoText.SetHint("Type text to be translated and or sent here.");
  memoText.SetPopupMenu(&form.pmTranslate);
  memoTranslated.SetPopupMenu(&form.pmTranslate);

  btnTranslate.onClick = [this] { btnTranslateClick(); };
  rgSpeak.onClick = [this] { rgSpeakClick(); };
  memoText.onKeyPress = [this](char& key) { memoTextKeyPress(key); };
  memoText.onMouseDown = [this] { memoTextMouseDown(); };
  memoTranslated.onMouseDown = [this] { memoTranslatedMouseDown(); };
  form.pmtClear.onClick = [this] { pmtClearClick(); };
  form.pmtWordWrap.onClick = [this] { pmtWordWrapClick(); };
  form.pmAutoTranslate.onClick = [this] { pmAutoTranslateClick(); };
  form.pmtOpen.onClick = [this] { pmtOpenClick(); };
  form.pmtSave.onClick = [this] { pmtSaveClick(); };
  form.pmtSaveAs.onClick = [this] { pmtSaveAsClick(); };
  form.cutTranslate.onClick = [this] { cutTranslateClick(); };
  form.CopyTranslate.onClick = [this] { CopyTranslateClick(); };
  form.PasteTranslate.onClick = [this] { PasteTranslateClick(); };
  form.onCloseQuery = [this] { return CanCloseWindow(); };
}

void TTranslatorPage::btnTranslateClick() { RunTranslateCommand(); }

TTranslatorPage::CommandEnd TTranslatorPage::RunTranslateCommand() {
  memoTranslated.Clear();
  std::string text = JoinDisplayedLines(memoText.Lines(), memoText.WordWrap());
  if (IsBlankText(text)) return CommandEnd::Finished;

  CommandControls controls(*this);
  const TypingDelays delays{ParseDelayField(meCharDelay.Text()), ParseDelayField(meLineDelay.Text())};
  // Between rule alternatives the window stays live; a close request or the end of the program stops it.
  std::optional<std::string> translated =
      translator.Translate(PrepareForTranslation(text), ShippedRules(),
                           [this] { return !ui::ProcessPendingMessages() && !commandStop_.Requested(); });
  if (!translated) {
    controls.LeaveAsTheyAre();
    return CommandEnd::Stopped;
  }
  FinishTranslation(*translated);
  if (SendToGame(*translated, delays, commandStop_).stopped) {
    controls.LeaveAsTheyAre();
    return CommandEnd::Stopped;
  }
  memoTranslated.AppendLine(*translated);
  return CommandEnd::Finished;
}

bool TTranslatorPage::CanCloseWindow() {
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
// break the line after all, and the text stays for another try.
void TTranslatorPage::memoTextKeyPress(char& key) {
  if (key != '\r' || !form.pmAutoTranslate.Checked()) return;
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
  form.cutTranslate.SetEnabled(input);
  form.PasteTranslate.SetEnabled(input);
  form.pmtOpen.SetEnabled(input);
  const bool hasText = memo.LineCount() > 0;
  form.pmtSave.SetEnabled(hasText);
  form.pmtSaveAs.SetEnabled(hasText);
}

void TTranslatorPage::pmtClearClick() {
  memoTranslated.Clear();
  memoText.Clear();
}

void TTranslatorPage::pmtWordWrapClick() {
  const bool wrap = !form.pmtWordWrap.Checked();
  form.pmtWordWrap.SetChecked(wrap);
  for (ui::Memo* memo : {&memoText, &memoTranslated}) {
    memo->SetWordWrap(wrap);
    memo->SetScrollBars(wrap ? ui::ScrollBars::Vertical : ui::ScrollBars::Both);
  }
}

void TTranslatorPage::pmAutoTranslateClick() { form.pmAutoTranslate.SetChecked(!form.pmAutoTranslate.Checked()); }

// The file is read whole before the memo changes, so a file that can't be read leaves the memo as it was.
// Nor does it become the file that Save writes back to: a refused file (one that is not plain text, say)
// would otherwise be overwritten by the next Save without a word.
void TTranslatorPage::pmtOpenClick() {
  const std::string lastOpened = form.odTranslate.fileName;
  if (!showFileDialog(form.odTranslate)) return;
  try {
    ActiveMemo->SetText(ReadTextFile(form.odTranslate.fileName));
  } catch (...) {
    form.odTranslate.fileName = lastOpened;
    throw;
  }
}

// Saves back to the file last opened, whatever Save As chose since.
void TTranslatorPage::pmtSaveClick() {
  form.sdTranslate.initialDir = form.odTranslate.initialDir;
  form.sdTranslate.fileName = form.odTranslate.fileName;
  if (form.sdTranslate.fileName.empty()) {
    pmtSaveAsClick();
    return;
  }
  WriteTextFile(form.sdTranslate.fileName, ActiveMemo->Text());
}

void TTranslatorPage::pmtSaveAsClick() {
  if (!showFileDialog(form.sdTranslate)) return;
  WriteTextFile(form.sdTranslate.fileName, ActiveMemo->Text());
}

void TTranslatorPage::cutTranslateClick() { ActiveMemo->CutToClipboard(); }

void TTranslatorPage::CopyTranslateClick() { ActiveMemo->CopyToClipboard(); }

void TTranslatorPage::PasteTranslateClick() { ActiveMemo->PasteFromClipboard(); }

}  // namespace kestrelle
