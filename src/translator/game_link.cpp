#include "translator/game_link.h"

#include "translator/wait_pumping.h"

namespace kestrelle {

namespace {

BOOL CALLBACK CollectGameClient(HWND window, LPARAM found) {
  char className[100] = {};
  const int length = GetClassNameA(window, className, static_cast<int>(sizeof className));
  if (length > 0 && IsGameClientClass(std::string_view(className, static_cast<size_t>(length)))) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;  // always walk on: every window is looked at
}

class GameClient final : public TypingTarget {
 public:
  GameClient(HWND window, const CommandStop& stop) : window_(window), stop_(stop) {}

  bool Wait(std::int32_t ms) override { return WaitPumping(ms, stop_); }

  bool Send(char c) override {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window_, WM_CHAR, static_cast<unsigned char>(c), 1, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                               kClientResponseTimeoutMs, &ignored) != 0;
  }

 private:
  HWND window_;
  const CommandStop& stop_;
};

}  // namespace

std::vector<HWND> FindGameClientWindows() {
  std::vector<HWND> found;
  EnumWindows(CollectGameClient, reinterpret_cast<LPARAM>(&found));
  return found;
}

SendResult SendToGame(std::string_view text, const TypingDelays& delays, const CommandStop& stop) {
  const std::vector<HWND> clients = FindGameClientWindows();
  SendResult result;
  result.clients = static_cast<int>(clients.size());
  for (HWND window : clients) {
    GameClient client(window, stop);
    switch (TypeIntoWindow(text, delays, client)) {
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

}  // namespace kestrelle
