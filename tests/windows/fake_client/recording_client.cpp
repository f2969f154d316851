// Plays the game client for the tests of the game link: a top-level window (class "Ultima Online" unless
// told otherwise) that appends every character message it receives to a log file, one line each:
//   <message> <wParam> <lParam> <microseconds of the performance counter> <tick count>
// The line is written before the message is answered, so a sender that gets its answer finds the record.
//
// recording_client --log <file> [--class <name>] [--title <text>] [--hang-after <n>] [--lifetime-ms <ms>]
//   --hang-after n: after answering the n-th character, stop handling messages (for a minute).
//   --lifetime-ms: quit on its own after this long (120 s by default), so no client outlives a test run.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "process_clocks.h"

namespace {

struct Options {
  std::string log;
  std::string className = "Ultima Online";
  std::string title = "Recording game client";
  long hangAfter = -1;
  UINT lifetimeMs = 120000;
};

HANDLE logFile = INVALID_HANDLE_VALUE;
long charactersSeen = 0;
long hangAfter = -1;

void Record(UINT message, WPARAM wParam, LPARAM lParam) {
  char line[128];
  const int n = std::snprintf(line, sizeof line, "%u %llu %lld %lld %lu\n", message,
                              static_cast<unsigned long long>(wParam), static_cast<long long>(lParam),
                              kestrelle::test::NowMicroseconds(), GetTickCount());
  DWORD written = 0;
  WriteFile(logFile, line, static_cast<DWORD>(n), &written, nullptr);
}

bool IsCharacterMessage(UINT message) {
  return message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR || message == WM_SYSDEADCHAR ||
         message == WM_UNICHAR;
}

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsCharacterMessage(message)) {
    Record(message, wParam, lParam);
    if (++charactersSeen == hangAfter) {
      ReplyMessage(0);
      Sleep(60000);
    }
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--log") options.log = value;
    else if (name == "--class") options.className = value;
    else if (name == "--title") options.title = value;
    else if (name == "--hang-after") options.hangAfter = std::strtol(value, nullptr, 10);
    else if (name == "--lifetime-ms") options.lifetimeMs = static_cast<UINT>(std::strtoul(value, nullptr, 10));
    else return false;
  }
  return !options.log.empty() && argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: recording_client --log <file> [--class <name>] [--title <text>] "
                         "[--hang-after <n>] [--lifetime-ms <ms>]\n");
    return 2;
  }
  hangAfter = options.hangAfter;
  logFile = CreateFileA(options.log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (logFile == INVALID_HANDLE_VALUE) return 3;

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ClientProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = options.className.c_str();
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  if (!RegisterClassA(&windowClass)) return 4;
  const HWND window = CreateWindowExA(0, options.className.c_str(), options.title.c_str(), WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
  if (!window) {
    std::fprintf(stderr, "recording_client: no window (error %lu)\n", GetLastError());
    return 5;
  }
  ShowWindow(window, SW_SHOWNOACTIVATE);
  SetTimer(window, 1, options.lifetimeMs, nullptr);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  CloseHandle(logFile);
  return 0;
}
