// Kestrelle.exe itself, closed while the Translate command types into a game client: the command ends at
// its next wait and the program exits cleanly.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "recording_client_process.h"

namespace kestrelle {
namespace {

// Kestrelle.exe of the same build (tests/windows/ -> src/app/).
std::string ProgramPath() {
  char path[MAX_PATH] = {};
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  std::string folder = self.substr(0, self.find_last_of("\\/"));
  folder = folder.substr(0, folder.find_last_of("\\/"));
  return folder.substr(0, folder.find_last_of("\\/")) + "\\src\\app\\Kestrelle.exe";
}

struct WindowSearch {
  DWORD processId = 0;
  HWND mainWindow = nullptr;
  HWND inputMemo = nullptr;
  HWND translateButton = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner == search.processId && std::string(className) == "KestrelleForm" && IsWindowVisible(window)) {
    search.mainWindow = window;
  }
  return TRUE;
}

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

// The started program, ended by force if a failed assertion leaves the test before the program has ended
// on its own, so that no copy outlives the test.
class StartedProgram {
 public:
  explicit StartedProgram(const std::string& program) : commandLine_('"' + program + '"') {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, commandLine_.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_) != 0;
  }
  ~StartedProgram() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool Started() const { return started_; }
  const std::string& CommandLine() const { return commandLine_; }
  DWORD Id() const { return process_.dwProcessId; }
  HANDLE Handle() const { return process_.hProcess; }

 private:
  std::string commandLine_;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

TEST(TranslatorProgram, ClosingWhileTypingEndsTheProgramCleanly) {
  test::RecordingClient client;
  const StartedProgram program(ProgramPath());
  ASSERT_TRUE(program.Started()) << program.CommandLine();

  WindowSearch search;
  search.processId = program.Id();
  for (int attempt = 0; attempt < 500 && search.mainWindow == nullptr; ++attempt) {
    Sleep(20);
    EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
  }
  ASSERT_NE(search.mainWindow, nullptr) << "Kestrelle's window did not show";
  EnumChildWindows(search.mainWindow, &FindControls, reinterpret_cast<LPARAM>(&search));
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

  PostMessageA(search.mainWindow, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.Handle(), 8000), WAIT_OBJECT_0) << "Kestrelle did not end";
  DWORD exitCode = 1;
  GetExitCodeProcess(program.Handle(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_LT(client.Text().size(), 100u) << "the typing went on after the close";
}

}  // namespace
}  // namespace kestrelle
