#pragma once
// The Translator page: the text to send, the speech style, the typing delays, the Translate button and
// the text sent. Both memos share the main window's pop-up menu pmTranslate and file dialogs.

#include "ui/button.h"
#include "ui/label.h"
#include "ui/masked_edit.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/radio_group.h"

namespace kestrelle {

class TMainForm;

class TTranslatorPage {
 public:
  TTranslatorPage(TMainForm& owner, ui::TabSheet& page);

  TMainForm& form;
  ui::TabSheet& tsSpeak;
  ui::Memo memoText;  // first, so first in the tab order
  ui::Label Label1;
  ui::Label Label5;
  ui::Memo memoTranslated;
  ui::RadioGroup rgSpeak;
  ui::Label Label3;
  ui::MaskedEdit meCharDelay;
  ui::Label Label4;
  ui::MaskedEdit meLineDelay;
  ui::Button btnTranslate;
};

}  // namespace kestrelle
