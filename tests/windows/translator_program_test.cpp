// Kestrelle.exe itself, closed while the Translate command types into a game client: the command ends at
// its next wait and the program exits cleanly.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "kestrelle_window.h"
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

  const test::KestrelleWindow window = test::FindKestrelle(program.Id(), 10000);
  ASSERT_NE(window.main, nullptr) << "Kestrelle's window did not show";
  ASSERT_TRUE(window.Found());

  // With the default delays (25 ms a character, 3000 ms at every third line end) this takes over 10 s.
  test::StartTranslate(window, std::string(300, 'a'));
  for (int attempt = 0; attempt < 500 && client.Text().size() < 5; ++attempt) Sleep(10);
  ASSERT_GE(client.Text().size(), 5u) << "the typing did not start";

  PostMessageA(window.main, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.Handle(), 8000), WAIT_OBJECT_0) << "Kestrelle did not end";
  DWORD exitCode = 1;
  GetExitCodeProcess(program.Handle(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_LT(client.Text().size(), 100u) << "the typing went on after the close";
}

}  // namespace
}  // namespace kestrelle
