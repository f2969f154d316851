#include "game_link/game_link.h"

#include <optional>
#include <string>

#include "game_link/native_link.h"
#include "game_link/wait_pumping.h"
#include "ui/smart_handle.h"

namespace kestrelle {

namespace {

struct KernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ProcessHandle = ui::SmartHandle<HANDLE, KernelHandleCloser>;

std::optional<std::string> ProgramPathOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const ProcessHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return std::nullopt;
  std::string path(32768, '\0');  // the longest path the system allows
  auto size = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameA(process.Get(), 0, path.data(), &size)) return std::nullopt;
  path.resize(size);
  return path;
}

// The caption is read from the system's copy: a hung client does not hold the search.
std::string TitleOf(HWND window) {
  char title[256] = {};
  const int length = GetWindowTextA(window, title, static_cast<int>(sizeof title));
  return std::string(title, static_cast<size_t>(length > 0 ? length : 0));
}

BOOL CALLBACK CollectGameClient(HWND window, LPARAM found) {
  char className[100] = {};
  const int length = GetClassNameA(window, className, static_cast<int>(sizeof className));
  if (length <= 0) return TRUE;
  const GameClientKind kind = GameClientKindOf(std::string_view(className, static_cast<size_t>(length)),
                                               [window] { return ProgramPathOf(window); },
                                               [window] { return TitleOf(window); });
  if (kind != GameClientKind::None) reinterpret_cast<std::vector<GameClientWindow>*>(found)->push_back({window, kind});
  return TRUE;  // always walk on: every window is looked at
}

// False when the client did not answer in time or has hung.
bool SendToClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             kClientResponseTimeoutMs, &ignored) != 0;
}

enum class FrontOutcome { InFront, Refused, Stopped };

// In front, and its own thread has made it the active window (what the client learns from its activation).
bool IsActiveInFront(HWND window, DWORD thread) {
  if (GetForegroundWindow() != window || IsIconic(window)) return false;
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) && info.hwndActive == window;
}

FrontOutcome BringToFront(HWND window, const CommandStop& stop) {
  if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
  if (!SetForegroundWindow(window)) return FrontOutcome::Refused;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  switch (WaitPumpingUntil([&] { return IsActiveInFront(window, thread); }, kComeToFrontTimeoutMs, stop)) {
    case WaitEnd::Met:
      break;
    case WaitEnd::TimedOut:
      return FrontOutcome::Refused;
    case WaitEnd::Stopped:
      return FrontOutcome::Stopped;
  }
  // The client handles its activation on its own thread, before it answers a message sent after it.
  return SendToClient(window, WM_NULL, 0, 0) ? FrontOutcome::InFront : FrontOutcome::Refused;
}

class GameClient : public TypingTarget {
 public:
  GameClient(HWND window, const CommandStop& stop) : window_(window), stop_(stop) {}

  bool Wait(std::int32_t ms) override { return WaitPumping(ms, stop_); }

  bool Send(char c) override { return SendToClient(window_, WM_CHAR, static_cast<unsigned char>(c), 1); }

 protected:
  HWND window_;
  const CommandStop& stop_;
};

class ClassicUOClient final : public GameClient {
 public:
  using GameClient::GameClient;

  // Text typed while another window is in front would be dropped by the client: it is brought back first
  // (the player may have clicked elsewhere during a pause), or given up when that is refused.
  bool Send(char c) override {
    if (GetForegroundWindow() != window_ && BringToFront(window_, stop_) != FrontOutcome::InFront) return false;
    if (c != '\r') return GameClient::Send(c);
    return SendToClient(window_, WM_KEYDOWN, VK_RETURN, kReturnDownKeyData) &&
           SendToClient(window_, WM_KEYUP, VK_RETURN, kReturnUpKeyData);
  }
};

// Gives the front back to home when it goes out of scope, if a client has taken it meanwhile.
class FrontReturn {
 public:
  explicit FrontReturn(HWND home) : home_(home) {}
  FrontReturn(const FrontReturn&) = delete;
  FrontReturn& operator=(const FrontReturn&) = delete;
  ~FrontReturn() {
    if (taken_ && home_ && IsWindow(home_)) SetForegroundWindow(home_);
  }
  void Taken() { taken_ = true; }

 private:
  HWND home_;
  bool taken_ = false;
};

TypingOutcome TypeIntoClient(std::string_view text, const TypingDelays& delays, const CommandStop& stop,
                             const GameClientWindow& client, FrontReturn& front) {
  if (client.kind != GameClientKind::ClassicUO) {
    GameClient target(client.window, stop);
    return TypeIntoWindow(text, delays, target);
  }
  front.Taken();
  switch (BringToFront(client.window, stop)) {
    case FrontOutcome::InFront:
      break;
    case FrontOutcome::Refused:
      return TypingOutcome::WindowLost;
    case FrontOutcome::Stopped:
      return TypingOutcome::Stopped;
  }
  ClassicUOClient target(client.window, stop);
  return TypeIntoWindow(text, delays, target);
}

// The native clients of the player's X display, when Kestrelle has a native link, added to the result.
void SendToNativeClients(std::string_view text, const TypingDelays& delays, const CommandStop& stop,
                         SendResult& result) {
  NativeLink* const link = NativeLink::OfThisProcess();
  if (!link) return;
  const NativeTypingResult native = link->Type(text, delays, stop);
  result.clients += native.clients;
  for (const NativeClientOutcome& client : native.outcomes) {
    if (client.outcome == TypingOutcome::Typed) ++result.completed;
    if (client.outcome == TypingOutcome::WindowLost) ++result.dropped;
  }
  // Clients left without an outcome by a link that was lost count as dropped.
  if (!native.stopped) result.dropped += native.clients - static_cast<int>(native.outcomes.size());
  result.stopped = native.stopped;
  result.notice = native.notice;
}

SendResult SendToWineClients(std::string_view text, const TypingDelays& delays, const CommandStop& stop,
                             FrontReturn& front) {
  const std::vector<GameClientWindow> clients = FindGameClients();
  SendResult result;
  result.clients = static_cast<int>(clients.size());
  for (const GameClientWindow& client : clients) {
    switch (TypeIntoClient(text, delays, stop, client, front)) {
      case TypingOutcome::Typed:
        ++result.completed;
        break;
      case TypingOutcome::WindowLost:
        ++result.dropped;
        break;
      case TypingOutcome::Stopped:
        result.stopped = true;
        return result;
    }
  }
  return result;
}

}  // namespace

std::vector<GameClientWindow> FindGameClients() {
  std::vector<GameClientWindow> found;
  EnumWindows(CollectGameClient, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> FindGameClientWindows() {
  std::vector<HWND> windows;
  for (const GameClientWindow& client : FindGameClients()) windows.push_back(client.window);
  return windows;
}

SendResult SendToGame(std::string_view text, const TypingDelays& delays, const CommandStop& stop, HWND home) {
  // The clients under Wine first, then the native ones; the native link gives the X focus back to the window
  // that had it, and Wine learns of that only as a window outside it letting go, so home takes the front
  // back here as well.
  FrontReturn front(home);
  SendResult result = SendToWineClients(text, delays, stop, front);
  if (result.stopped) return result;
  const int wineClients = result.clients;
  SendToNativeClients(text, delays, stop, result);
  if (result.clients > wineClients) front.Taken();
  return result;
}

}  // namespace kestrelle
