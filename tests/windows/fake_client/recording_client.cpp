// Plays a game client for the tests of the game link: a top-level window (class "Ultima Online" unless
// told otherwise) that appends every character and key message it takes to a log file, one line each:
//   <message> <wParam> <lParam> <microseconds of the performance counter> <tick count>
// The line is written before the message is answered, so a sender that gets its answer finds the record.
//
// recording_client --log <file> [--class <name>] [--title <text>] [--mode classic|classicuo]
//                  [--hang-after <n>] [--close-after <n>] [--post-after <n>,<window>,<message>,<wParam>]
//                  [--lifetime-ms <ms>]
//   --mode classicuo: takes input as ClassicUO's SDL window does: a Unicode window, typed characters only
//     while it has the keyboard focus (it has handled its activation), never character 13, and a Return
//     key press only with the key's scan code (0x1C) in its key data; other messages are dropped
//     unrecorded. Copied as ClassicUO.exe, it is found as that client.
//   --hang-after n: after answering the n-th character (0: once its window shows), stop handling messages
//     (for a minute). kHangNowMessage posted to its window does the same at once.
//   --close-after n: close its window after answering the n-th character, and end.
//   --post-after: after the n-th character, and before answering it, post the message to the window (a
//     number), as the player's click or key press would arrive meanwhile.
//   --lifetime-ms: quit on its own after this long (120 s by default), so no client outlives a test run.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "process_clocks.h"
#include "recording_client_process.h"

namespace {

struct Options {
  std::string log;
  std::string className = "Ultima Online";
  std::string title = "Recording game client";
  bool classicUO = false;
  long hangAfter = -1;
  long closeAfter = -1;
  long postAfter = -1;
  HWND postTo = nullptr;
  UINT postMessage = 0;
  WPARAM postWParam = 0;
  UINT lifetimeMs = 120000;
};

Options options;
HANDLE logFile = INVALID_HANDLE_VALUE;
long charactersSeen = 0;
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
  if (!options.classicUO) return true;
  if (message == WM_CHAR) return hasFocus && wParam != '\r';
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    return ((static_cast<unsigned long long>(lParam) >> 16) & 0xFF) == kReturnScanCode;
  }
  return IsKeyMessage(message);
}

void Hang() { Sleep(60000); }

// What the client does after taking a character, in the order the options promise.
void AfterCharacter(HWND window) {
  ++charactersSeen;
  if (charactersSeen == options.postAfter) PostMessageA(options.postTo, options.postMessage, options.postWParam, 0);
  if (charactersSeen == options.closeAfter) {
    ReplyMessage(0);
    DestroyWindow(window);
  }
  if (charactersSeen == options.hangAfter) {
    ReplyMessage(0);
    Hang();
  }
}

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool key = IsKeyMessage(message);
  if (key || IsCharacterMessage(message)) {
    if (Takes(message, wParam, lParam)) Record(message, wParam, lParam);
    if (!key) AfterCharacter(window);
    return 0;
  }
  switch (message) {
    case kestrelle::test::kHangNowMessage:
      Hang();
      return 0;
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
      return options.classicUO ? DefWindowProcW(window, message, wParam, lParam)
                               : DefWindowProcA(window, message, wParam, lParam);
  }
}

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// ClassicUO's window is a Unicode one: typed characters reach it as UTF-16 units.
HWND CreateClientWindow(HINSTANCE instance) {
  if (options.classicUO) {
    const std::wstring className = Wide(options.className);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ClientProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className.c_str();
    if (!RegisterClassW(&windowClass)) return nullptr;
    return CreateWindowExW(0, className.c_str(), Wide(options.title).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
  }
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ClientProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = options.className.c_str();
  if (!RegisterClassA(&windowClass)) return nullptr;
  return CreateWindowExA(0, options.className.c_str(), options.title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
}

bool ParseOptions(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--log") options.log = value;
    else if (name == "--class") options.className = value;
    else if (name == "--title") options.title = value;
    else if (name == "--mode" && (std::strcmp(value, "classic") == 0 || std::strcmp(value, "classicuo") == 0))
      options.classicUO = std::strcmp(value, "classicuo") == 0;
    else if (name == "--hang-after") options.hangAfter = std::strtol(value, nullptr, 10);
    else if (name == "--close-after") options.closeAfter = std::strtol(value, nullptr, 10);
    else if (name == "--post-after") {
      unsigned long long to = 0, wParam = 0;
      unsigned message = 0;
      if (std::sscanf(value, "%ld,%llu,%u,%llu", &options.postAfter, &to, &message, &wParam) != 4) return false;
      options.postTo = reinterpret_cast<HWND>(static_cast<UINT_PTR>(to));
      options.postMessage = message;
      options.postWParam = static_cast<WPARAM>(wParam);
    }
    else if (name == "--lifetime-ms") options.lifetimeMs = static_cast<UINT>(std::strtoul(value, nullptr, 10));
    else return false;
  }
  return !options.log.empty() && argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (!ParseOptions(argc, argv)) {
    std::fprintf(stderr, "usage: recording_client --log <file> [--class <name>] [--title <text>] "
                         "[--mode classic|classicuo] [--hang-after <n>] [--close-after <n>] "
                         "[--post-after <n>,<window>,<message>,<wParam>] [--lifetime-ms <ms>]\n");
    return 2;
  }
  logFile = CreateFileA(options.log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (logFile == INVALID_HANDLE_VALUE) return 3;

  const HWND window = CreateClientWindow(GetModuleHandleA(nullptr));
  if (!window) {
    std::fprintf(stderr, "recording_client: no window (error %lu)\n", GetLastError());
    return 5;
  }
  ShowWindow(window, SW_SHOWNOACTIVATE);
  SetTimer(window, 1, options.lifetimeMs, nullptr);
  if (options.hangAfter == 0) Hang();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  CloseHandle(logFile);
  return 0;
}
