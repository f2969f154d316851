// Kestrelle.exe itself, closed while the Translate command types into a game client: the command ends at
// its next wait and the program exits cleanly.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "recording_client_process.h"
#include "started_program.h"

namespace kestrelle {
namespace {

struct WindowSearch {
  HWND inputMemo = nullptr;
  HWND translateButton = nullptr;
};

// The input memo is the one multi-line box that is not read-only.
BOOL CALLBACK FindControls(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  if (lstrcmpiA(className, "Edit") == 0 && (style & ES_MULTILINE) != 0 && (style & ES_READONLY) == 0) {
    search.inputMemo = window;
  }
  if (lstrcmpiA(className, "Button") == 0 && std::string(text) == "Translate") search.translateButton = window;
  return TRUE;
}

TEST(TranslatorProgram, ClosingWhileTypingEndsTheProgramCleanly) {
  test::RecordingClient client;
  const test::StartedProgram program;
  ASSERT_TRUE(program.Started()) << program.CommandLine();

  const HWND mainWindow = program.WaitForMainWindow();
  ASSERT_NE(mainWindow, nullptr) << "Kestrelle's window did not show";
  WindowSearch search;
  EnumChildWindows(mainWindow, &FindControls, reinterpret_cast<LPARAM>(&search));
  ASSERT_NE(search.inputMemo, nullptr);
  ASSERT_NE(search.translateButton, nullptr);

  // With the default delays (25 ms a character, 3000 ms at every third line end) this takes over 10 s.
  const std::string text(300, 'a');
  SendMessageA(search.inputMemo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  PostMessageA(GetParent(search.translateButton), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(search.translateButton), BN_CLICKED),
               reinterpret_cast<LPARAM>(search.translateButton));
  for (int attempt = 0; attempt < 500 && client.Text().size() < 5; ++attempt) Sleep(10);
  ASSERT_GE(client.Text().size(), 5u) << "the typing did not start";

  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  ASSERT_TRUE(program.Ended(8000)) << "Kestrelle did not end";
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_LT(client.Text().size(), 100u) << "the typing went on after the close";
}

}  // namespace
}  // namespace kestrelle
