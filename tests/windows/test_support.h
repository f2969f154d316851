#pragma once
// Helpers of the Windows-side tests: a shown main window and its pages, a plain host form for single
// controls, and a watcher that finds the error box from another thread, reads it and closes it.

#include <windows.h>

#include <atomic>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <thread>

#include "app/main_form.h"
#include "moongate/moongate_page.h"
#include "reference/animals_page.h"
#include "reference/armour_page.h"
#include "reference/weapons_page.h"
#include "translator/translator_page.h"
#include "ui/form.h"
#include "ui/message_pump.h"
#include "ui/wide_text.h"

namespace kestrelle::ui {

inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.width << ", " << rect.height << "}";
}

}  // namespace kestrelle::ui

namespace kestrelle::test {

inline void Pump() { ui::ProcessPendingMessages(); }

// The main window as the start routine shows it (without the message loop).
inline std::unique_ptr<TMainForm> ShowMainForm() {
  auto form = std::make_unique<TMainForm>();
  form->Show();
  Pump();
  return form;
}

// Ctrl and Shift as held for the keys that follow (the state the window thread reads them from).
inline void HoldKeys(bool ctrl, bool shift = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
}

// The main window's pages, reached as the window reaches them: through their sheets, each page made and
// started first if it has not been shown yet.
template <typename Page>
Page& PageOn(ui::TabSheet& sheet) {
  return dynamic_cast<Page&>(sheet.Content());
}
inline TMoongatePage& MoongatePage(TMainForm& form) { return PageOn<TMoongatePage>(form.tsMoongate); }
inline TTranslatorPage& TranslatorPage(TMainForm& form) { return PageOn<TTranslatorPage>(form.tsSpeak); }
inline TWeaponsPage& WeaponsPage(TMainForm& form) { return PageOn<TWeaponsPage>(form.TabSheet1); }
inline TArmourPage& ArmourPage(TMainForm& form) { return PageOn<TArmourPage>(form.tsArmour); }
inline TAnimalsPage& AnimalsPage(TMainForm& form) { return PageOn<TAnimalsPage>(form.Animals); }

// A key pressed and released on the focused window, posted so that it passes the form's keyboard
// interface (Tab, arrows in groups) as a typed key does; Ctrl and Shift are held while it is handled. The
// release comes after the key's character, as it does from the keyboard.
inline void Press(UINT key, bool ctrl = false, bool shift = false) {
  HoldKeys(ctrl, shift);
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  const HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, key, scan | 1);
  Pump();
  PostMessageA(focus, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
  Pump();
  HoldKeys(false);
}

// An empty form for testing one control at a time.
class HostForm : public ui::Form {
 public:
  HostForm() : Form("Host", {.clientWidth = 400, .clientHeight = 300, .font = {"Arial", -11}}) {
    Show();
    Pump();
  }
};

// The text of a window of another thread or of this one, in UTF-8.
inline std::string WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return ui::Utf8FromWide(text);
}

// Waits on its own thread for a message box captioned with a given title, records its caption and
// message, and closes it with a button (OK, or the answer given). Result() waits for the thread; Finish()
// first tells it to stop looking.
class ErrorBoxWatcher {
 public:
  explicit ErrorBoxWatcher(std::string caption, WPARAM answer = IDOK)
      : caption_(std::move(caption)), answer_(answer), thread_([this] { Watch(); }) {}
  ErrorBoxWatcher(const ErrorBoxWatcher&) = delete;
  ErrorBoxWatcher& operator=(const ErrorBoxWatcher&) = delete;
  ~ErrorBoxWatcher() {
    if (thread_.joinable()) thread_.join();
  }

  struct Seen {
    bool found = false;
    std::string caption;
    std::string message;
  };
  Seen Result() {
    if (thread_.joinable()) thread_.join();
    return seen_;
  }
  Seen Finish() {
    finish_ = true;
    return Result();
  }

 private:
  static BOOL CALLBACK CollectMessage(HWND child, LPARAM seen) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    const std::string text = WindowText(child);
    auto& result = *reinterpret_cast<Seen*>(seen);
    if (lstrcmpiA(className, "Static") == 0 && !text.empty() && result.message.empty()) result.message = text;
    return TRUE;
  }

  void Watch() {
    for (int attempt = 0; attempt < 1500 && !finish_; ++attempt) {
      if (HWND box = FindWindowA("#32770", caption_.c_str())) {
        seen_.found = true;
        seen_.caption = WindowText(box);
        EnumChildWindows(box, &CollectMessage, reinterpret_cast<LPARAM>(&seen_));
        PostMessageA(box, WM_COMMAND, answer_, 0);
        return;
      }
      Sleep(10);
    }
  }

  std::string caption_;
  WPARAM answer_;
  Seen seen_;
  std::atomic<bool> finish_ = false;
  std::thread thread_;
};

}  // namespace kestrelle::test
