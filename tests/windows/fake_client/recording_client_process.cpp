#include "recording_client_process.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kestrelle::test {

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string NewLogPath() {
  static std::atomic<int> counter{0};
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "kestrelle_client_" + std::to_string(GetCurrentProcessId()) + "_" +
         std::to_string(++counter) + ".log";
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

struct WindowSearch {
  DWORD processId;
  const std::string& className;
  HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[256] = {};
  GetClassNameA(window, className, sizeof className);
  // The process also owns windows of the system's own (input method windows, for one).
  if (owner != search->processId || lstrcmpiA(className, search->className.c_str()) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

RecordingClient::RecordingClient(const RecordingClientOptions& options) : logPath_(NewLogPath()) {
  const bool besideUs = options.program.find_first_of("\\/:") == std::string::npos;
  const std::string program = besideUs ? ProgramFolder() + options.program : options.program;
  std::string commandLine = Quoted(program) + " --log " + Quoted(logPath_) + " --class " + Quoted(options.className) +
                            " --title " + Quoted(options.title) +
                            " --mode " + (options.classicUO ? "classicuo" : "classic");
  if (options.hangAfter >= 0) commandLine += " --hang-after " + std::to_string(options.hangAfter);
  if (options.closeAfter >= 0) commandLine += " --close-after " + std::to_string(options.closeAfter);
  if (options.post.characters >= 0) {
    commandLine += " --post-after " + std::to_string(options.post.characters) + "," +
                   std::to_string(reinterpret_cast<UINT_PTR>(options.post.window)) + "," +
                   std::to_string(options.post.message) + "," + std::to_string(options.post.wParam);
  }

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot start " + program);
  }
  process_.reset(info.hProcess);
  CloseHandle(info.hThread);

  WindowSearch search{info.dwProcessId, options.className, nullptr};
  for (int i = 0; i < 1000 && !search.found; ++i) {
    if (WaitForSingleObject(process_.get(), 20) == WAIT_OBJECT_0) {
      DWORD exitCode = 0;
      GetExitCodeProcess(process_.get(), &exitCode);
      throw std::runtime_error("the recording client ended at once with " + std::to_string(exitCode) + ": " +
                               commandLine);
    }
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
  }
  if (!search.found) {
    TerminateProcess(process_.get(), 1);
    throw std::runtime_error("the recording client shows no window: " + commandLine);
  }
  window_ = search.found;
}

RecordingClient::~RecordingClient() {
  TerminateProcess(process_.get(), 0);
  WaitForSingleObject(process_.get(), 5000);
  DeleteFileA(logPath_.c_str());
}

std::vector<CharRecord> RecordingClient::Records() const {
  std::vector<CharRecord> records;
  std::ifstream log(logPath_);
  std::string line;
  while (std::getline(log, line)) {
    std::istringstream fields(line);
    CharRecord r;
    if (fields >> r.message >> r.wParam >> r.lParam >> r.microseconds >> r.tick) records.push_back(r);
  }
  return records;
}

// A classic client is sent ASCII only, whose codes are the same UTF-16 units.
std::string RecordingClient::Text() const {
  std::wstring units;
  for (const CharRecord& r : Records()) {
    if (r.message == WM_CHAR) units += static_cast<wchar_t>(r.wParam);
  }
  const int length = static_cast<int>(units.size());
  std::string text(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, units.data(), length, nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, units.data(), length, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
  return text;
}

}  // namespace kestrelle::test
