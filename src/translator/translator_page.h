#pragma once
// The Translator page: the text to send, the speech style, the typing delays, the Translate button and
// the text sent. Both memos share the page's pop-up menu pmTranslate and its file dialogs.
//
// The Translate command processes window messages while it translates and types, so every other handler
// may run nested inside it. It keeps the input memo and the style selector disabled meanwhile, and the
// file commands too, whose modal dialogs would hold it up until closed; the Translate button reads "Stop"
// and, like Esc, stops the command at once. The status line below shows how far the typing has got and,
// at the end, how it went; a message box names every game client that missed text and why. A request to
// close the main window during the command stops it too; the window closes once the command has
// returned, so no control goes away under it.

#include <cstdint>
#include <functional>
#include <string>

#include "game_link/command_stop.h"
#include "game_link/send_result.h"
#include "speech/compiled_style.h"
#include "speech/text_encoding.h"
#include "speech/translator.h"
#include "translator/text_file_content.h"
#include "ui/button.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/masked_edit.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"

namespace kestrelle {

class Foreground;

class TTranslatorPage : public ui::PageContent {
 public:
  // window: the main window, over which the file dialogs open and which is closed when a close waited
  // for the Translate command.
  TTranslatorPage(ui::Form& window, ui::TabSheet& page);

  ui::PopupMenu pmTranslate;
  ui::MenuItem& pmtClear;
  ui::MenuItem& N2;
  ui::MenuItem& Settings1;
  ui::MenuItem& pmtWordWrap;
  ui::MenuItem& pmAutoTranslate;
  ui::MenuItem& pmtLeaveCommands;  // game command lines ("[bank", ".resync") go to the game as typed
  ui::MenuItem& N3;
  ui::MenuItem& File2;
  ui::MenuItem& pmtOpen;
  ui::MenuItem& N4;
  ui::MenuItem& pmtSave;
  ui::MenuItem& pmtSaveAs;
  ui::MenuItem& Edit1;
  ui::MenuItem& cutTranslate;
  ui::MenuItem& CopyTranslate;
  ui::MenuItem& PasteTranslate;

  ui::FileDialog odTranslate;
  ui::FileDialog sdTranslate;

  ui::Label Label1;   // just before the memo it names
  ui::Memo memoText;  // first in the Tab order
  ui::Label Label5;
  ui::Memo memoTranslated;
  ui::RadioGroup rgSpeak;
  ui::Label Label3;
  ui::MaskedEdit meCharDelay;
  ui::Label Label4;
  ui::MaskedEdit meLineDelay;
  ui::Button btnTranslate;
  ui::Label lblStatus;  // the typing's progress, then its result

  // The engine with the style chosen in rgSpeak; its random choices go on from one command to the next.
  Translator translator;
  // Each style's rules, compiled when the style is first used and kept for the program's life.
  CompiledStyles styles;

  // The memo last clicked or entered with the keyboard, the target of Open, Save, Save As, Cut, Copy and
  // Paste; the input memo until either memo has been clicked or entered.
  ui::Memo* ActiveMemo = &memoText;

  // The system's foreground calls, which the typing into ClassicUO makes; tests put in their own.
  Foreground* foreground = nullptr;

  // Shows a file dialog and reports whether a file was chosen (the dialog then holds its name). Tests put
  // in a chooser of their own in place of the system's dialog.
  std::function<bool(ui::FileDialog&)> showFileDialog;
  // Asks whether to save a memo's unsaved edits of its file before the program closes: IDYES, IDNO or
  // IDCANCEL. Tests put in an answer of their own in place of the system's message box.
  std::function<int(const std::string& question)> askToSave;

  // The "Normal" style and the file filters.
  void Start() override;

  void btnTranslateClick();
  void rgSpeakClick();
  void memoTextKeyPress(char& key);
  void memoTextMouseDown();
  void memoTranslatedMouseDown();
  void pmtClearClick();
  void pmtWordWrapClick();
  void pmAutoTranslateClick();
  void pmtLeaveCommandsClick();
  void pmtOpenClick();
  void pmtSaveClick();
  void pmtSaveAsClick();
  void cutTranslateClick();
  void CopyTranslateClick();
  void PasteTranslateClick();

  // Whether the main window may close now: unsaved edits of a memo's file are saved or let go as the
  // player says, or the close is cancelled; during a command it then asks the command to stop, hides the
  // window and closes it when the command has returned.
  bool MayClose() override;
  bool Busy() const override { return runningCommand_ != nullptr; }

 private:
  // Finished: every game client took the whole text (or there was nothing to type); NotDelivered: some
  // client did not, or none runs, or the player stopped it; Closing: ended early because the program is
  // closing.
  enum class CommandEnd { Finished, NotDelivered, Closing };
  class CommandControls;

  // Steps of the Translate command.
  CommandEnd RunTranslateCommand();
  CommandEnd Report(const SendResult& sent);
  void Activate(ui::Memo& memo);
  // The delay in a field; one that holds no number is named in the error, and waits for the player with
  // its text selected.
  std::int32_t DelayIn(ui::MaskedEdit& field, const ui::Label& label);
  void EnableFileCommands();

  // A memo's own file: the one last opened into it or saved from it, which its Save writes to, with the
  // encoding and line break it came in (for a new file, those new files get).
  struct MemoFile {
    std::wstring path;  // none: the memo's text is scratch, and its Save is Save As
    TextEncoding encoding = kNewFileEncoding;
    LineEnd lineEnd = kNewFileLineEnd;
    std::string savedText;  // the memo's text as last opened or saved
  };
  MemoFile& FileOf(const ui::Memo& memo) { return &memo == &memoText ? inputFile_ : outputFile_; }
  bool HasUnsavedEdits(const ui::Memo& memo);
  // Each returns whether the memo's text was written.
  bool Save(ui::Memo& memo);
  bool SaveAs(ui::Memo& memo);
  // Writes the memo's text to the file in the encoding and line break its file keeps; false when the player
  // chose not to save.
  bool SaveTo(ui::Memo& memo, const std::wstring& path);
  // Whether the close may go on as far as unsaved edits go.
  bool SettleUnsavedEdits();

  ui::Form& window_;
  MemoFile inputFile_;
  MemoFile outputFile_;
  CommandControls* runningCommand_ = nullptr;
  bool closePending_ = false;
};

}  // namespace kestrelle
