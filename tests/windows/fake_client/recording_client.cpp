// Plays a game client for the tests of the game link: a top-level window (class "Ultima Online" unless
// told otherwise) that appends every character and key message it takes to a log file, one line each:
//   <message> <wParam> <lParam> <microseconds of the performance counter> <tick count>
// The line is written before the message is answered, so a sender that gets its answer finds the record.
//
// recording_client --log <file> [--class <name>] [--title <text>] [--mode classic|classicuo]
//                  [--hang-after <n>] [--lifetime-ms <ms>]
//   --mode classicuo: takes input as ClassicUO's SDL 3 window does: typed characters only while it has the
//     keyboard focus (it has handled its activation), never character 13, and a Return key press only with
//     the key's scan code (0x1C) in its key data; other messages are dropped unrecorded. Copied as
//     ClassicUO.exe, it is found as that client.
//   --hang-after n: after answering the n-th character (0: once its window shows), stop handling messages
//     (for a minute).
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
  bool classicUO = false;
  long hangAfter = -1;
  UINT lifetimeMs = 120000;
};

HANDLE logFile = INVALID_HANDLE_VALUE;
long charactersSeen = 0;
long hangAfter = -1;
bool classicUO = false;
bool hasFocus = false;

constexpr unsigned kReturnScanCode = 0x1C;

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

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

// What ClassicUO would act on; the classic client takes every message.
bool Takes(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!classicUO) return true;
  if (message == WM_CHAR) return hasFocus && wParam != '\r';
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    return ((static_cast<unsigned long long>(lParam) >> 16) & 0xFF) == kReturnScanCode;
  }
  return IsKeyMessage(message);
}

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool key = IsKeyMessage(message);
  if (key || IsCharacterMessage(message)) {
    if (Takes(message, wParam, lParam)) Record(message, wParam, lParam);
    if (!key && ++charactersSeen == hangAfter) {
      ReplyMessage(0);
      Sleep(60000);
    }
    return 0;
  }
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      hasFocus = message == WM_SETFOCUS;
      return 0;
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
    else if (name == "--mode" && (std::strcmp(value, "classic") == 0 || std::strcmp(value, "classicuo") == 0))
      options.classicUO = std::strcmp(value, "classicuo") == 0;
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
                         "[--mode classic|classicuo] [--hang-after <n>] [--lifetime-ms <ms>]\n");
    return 2;
  }
  hangAfter = options.hangAfter;
  classicUO = options.classicUO;
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
  if (hangAfter == 0) Sleep(60000);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  CloseHandle(logFile);
  return 0;
}
