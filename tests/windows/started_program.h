#pragma once
// Kestrelle.exe of the same build, started as a separate process by a test.

#include <windows.h>

#include <string>

#include "kestrelle_window.h"

namespace kestrelle::test {

// Kestrelle.exe of the same build (tests/windows/ -> src/app/).
inline std::string ProgramPath() {
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
  explicit StartedProgram(const std::string& program = ProgramPath()) : commandLine_('"' + program + '"') {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, commandLine_.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_) != 0;
  }
  ~StartedProgram() {
    if (!started_) return;
    if (!Ended(0)) Kill();
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool Started() const { return started_; }
  const std::string& CommandLine() const { return commandLine_; }
  DWORD Id() const { return process_.dwProcessId; }
  DWORD MainThreadId() const { return process_.dwThreadId; }
  HANDLE Handle() const { return process_.hProcess; }

  // Whether the program ends within the time given.
  bool Ended(DWORD waitMs) const { return WaitForSingleObject(process_.hProcess, waitMs) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }
  // Ends the program at once, without any of its teardown.
  void Kill() const {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, INFINITE);
  }

  // The program's visible main window once it shows (null if it does not within ten seconds).
  HWND WaitForMainWindow() const { return FindKestrelleWindow(process_.dwProcessId, 10000); }

 private:
  std::string commandLine_;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

}  // namespace kestrelle::test
