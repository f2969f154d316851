// Start-up benchmark: starts Kestrelle.exe and a bare window of the same size in turn, and times each from
// the process start until its main window is on screen: shown, answering messages, and painted (no part
// of it left to paint). Prints the median of each and their ratio.
//
// startup_bench --program <Kestrelle.exe> --bare <bare_window.exe> [--runs n]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

double NowMs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct WindowSearch {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  if (owner == search.processId && IsWindowVisible(window) && (style & WS_CAPTION) == WS_CAPTION) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM unpainted) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(unpainted) = true;
    return FALSE;
  }
  return TRUE;
}

// Answers a sent message (its message loop runs), and neither it nor any control on it has anything left
// to paint.
bool OnScreen(HWND window) {
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) == 0) return false;
  bool unpainted = false;
  FindUnpainted(window, reinterpret_cast<LPARAM>(&unpainted));
  if (!unpainted) EnumChildWindows(window, &FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

// Milliseconds from the process start until its main window is on screen; the program is then closed as
// a user closes it, so that it ends with its teardown (Kestrelle's single-instance marker goes with it).
double TimeStart(const std::string& program) {
  std::string commandLine = '"' + program + '"';
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = NowMs();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    throw std::runtime_error("cannot start " + program);
  }
  WindowSearch search{process.dwProcessId};
  double shownMs = -1;
  while (NowMs() - start < 20000) {
    if (search.found == nullptr) EnumWindows(&FindShownWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr && OnScreen(search.found)) {
      shownMs = NowMs() - start;
      break;
    }
    Sleep(1);
  }
  if (search.found != nullptr) PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (shownMs < 0) throw std::runtime_error(program + " showed no window");
  return shownMs;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string program;
  std::string bare;
  int runs = 15;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--program") program = argv[i + 1];
    else if (name == "--bare") bare = argv[i + 1];
    else if (name == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
    else {
      std::fprintf(stderr, "unknown option %s\n", name.c_str());
      return 2;
    }
  }
  if (program.empty() || bare.empty()) {
    std::fprintf(stderr, "usage: startup_bench --program <Kestrelle.exe> --bare <bare_window.exe> [--runs n]\n");
    return 2;
  }
  try {
    // One start of each first, untimed: the first start of any program pays for loading the system's DLLs.
    TimeStart(program);
    TimeStart(bare);
    std::vector<double> programMs;
    std::vector<double> bareMs;
    for (int run = 0; run < runs; ++run) {
      programMs.push_back(TimeStart(program));
      bareMs.push_back(TimeStart(bare));
    }
    const double programMedian = Median(programMs);
    const double bareMedian = Median(bareMs);
    std::printf("%d alternating runs each\n", runs);
    std::printf("Kestrelle.exe: median %.1f ms (fastest %.1f, slowest %.1f)\n", programMedian,
                *std::min_element(programMs.begin(), programMs.end()), *std::max_element(programMs.begin(), programMs.end()));
    std::printf("bare window:   median %.1f ms (fastest %.1f, slowest %.1f)\n", bareMedian,
                *std::min_element(bareMs.begin(), bareMs.end()), *std::max_element(bareMs.begin(), bareMs.end()));
    std::printf("ratio of medians: %.2f x (goal: at most 1.5 x)\n", programMedian / bareMedian);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
