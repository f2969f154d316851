#include "game_link/linux/native_typing.h"

#include <vector>

#include "game_link/linux/focus.h"
#include "game_link/linux/key_typist.h"
#include "game_link/linux/native_clients.h"
#include "game_link/linux/x_display.h"

namespace kestrelle::x11 {

namespace {

constexpr auto kResponseTimeoutMs = static_cast<std::int32_t>(kClientResponseTimeoutMs);

class ClientTarget final : public TypingTarget {
 public:
  ClientTarget(Display* display, Window window, KeyTypist& typist, FocusHandover& focus, LinkChannel& channel)
      : display_(display), window_(window), typist_(typist), focus_(focus), channel_(channel) {}

  bool Wait(std::int32_t ms) override { return channel_.WaitWatchingForStop(ms); }

  bool Send(char c) override {
    if (c != '\r') return typist_.Type(window_, c);
    if (!focus_.Holds(window_) && !focus_.GiveTo(window_, kComeToFrontTimeoutMs)) return false;
    if (!typist_.Type(window_, c) || !Answers(display_, window_, kResponseTimeoutMs)) return false;
    channel_.Reply({.kind = NativeReply::Kind::Progress});
    return true;
  }

 private:
  Display* display_;
  Window window_;
  KeyTypist& typist_;
  FocusHandover& focus_;
  LinkChannel& channel_;
};

TypingOutcome TypeIntoClient(const NativeTypeRequest& request, Display* display, Window window, KeyTypist& typist,
                             FocusHandover& focus, LinkChannel& channel) {
  if (!focus.GiveTo(window, kComeToFrontTimeoutMs) || !Answers(display, window, kResponseTimeoutMs)) {
    return TypingOutcome::WindowLost;
  }
  channel.Reply({.kind = NativeReply::Kind::Progress});
  ClientTarget target(display, window, typist, focus, channel);
  return TypeIntoWindow(request.text, request.delays, target);
}

}  // namespace

void AnswerTypeRequest(const NativeTypeRequest& request, LinkChannel& channel, bool& waylandExplained) {
  const DisplayConnection display = OpenDisplay();
  const std::vector<NativeClientWindow> clients = display ? FindNativeClients(display.get())
                                                          : std::vector<NativeClientWindow>{};
  if (!waylandExplained && IsWaylandSession() && ClientProcessesWithoutWindow(clients) > 0) {
    channel.Reply({.kind = NativeReply::Kind::Notice, .text = std::string(kWaylandNotice)});
    waylandExplained = true;
  }
  channel.Reply({.kind = NativeReply::Kind::Clients, .clients = static_cast<int>(clients.size())});
  if (!clients.empty()) {
    // The keyboard map and the focus are given back when these end, after the last client.
    KeyTypist typist(display.get());
    FocusHandover focus(display.get());
    for (const NativeClientWindow& client : clients) {
      const TypingOutcome outcome = TypeIntoClient(request, display.get(), client.window, typist, focus, channel);
      channel.Reply({.kind = NativeReply::Kind::Client, .outcome = outcome, .text = client.title});
      if (outcome == TypingOutcome::Stopped) break;
    }
  }
  channel.Reply({.kind = NativeReply::Kind::Done});
}

}  // namespace kestrelle::x11
