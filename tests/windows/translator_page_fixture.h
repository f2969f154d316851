#pragma once
// The Translator page's fixture: the main window shown on that page with no typing delays, and the
// file dialogs answered in the test's place.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "test_support.h"
#include "translator/translator_page.h"

namespace kestrelle::test {

// What the file dialogs were asked and what they answered, in place of the system's dialogs.
struct FileChooser {
  explicit FileChooser(TTranslatorPage& page) {
    page.showFileDialog = [this, open = &page.odTranslate](ui::FileDialog& dialog) {
      shown.push_back(&dialog == open ? "open" : "save");
      offered.push_back(dialog.fileName);
      if (!answer) return false;
      dialog.fileName = *answer;
      return true;
    };
  }
  std::optional<std::wstring> answer;  // nothing: the dialog is cancelled
  std::vector<std::string> shown;
  std::vector<std::wstring> offered;
};

class TranslatorPageTest : public testing::Test {
 protected:
  TranslatorPageTest() : form(test::ShowMainForm()), page(test::TranslatorPage(*form)) {
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
    HoldKeys(true);
    PostMessageA(control.Handle(), WM_KEYDOWN, static_cast<WPARAM>(letter), 1);
    Pump();
    HoldKeys(false);
  }
  bool CommandControlsEnabled() const {
    return page.memoText.Enabled() && page.btnTranslate.Enabled() && page.rgSpeak.Enabled();
  }

  std::unique_ptr<TMainForm> form;
  TTranslatorPage& page;
};

}  // namespace kestrelle::test
