#include "game_link/linux/native_typing.h"

#include <chrono>
#include <utility>
#include <vector>

#include "game_link/linux/focus.h"
#include "game_link/linux/key_typist.h"
#include "game_link/linux/native_clients.h"
#include "game_link/linux/x_display.h"

namespace kestrelle::x11 {

namespace {

using Clock = std::chrono::steady_clock;

// One native client: its typing with the progress and how far it got, for its reply.
class ClientTarget final : public TypingTarget {
 public:
  ClientTarget(Display* display, Window window, KeyTypist& typist, FocusHandover& focus, LinkChannel& channel,
               TypingProgress progress)
      : display_(display), window_(window), typist_(typist), focus_(focus), channel_(channel), progress_(std::move(progress)) {}

  bool Wait(std::int32_t ms) override { return channel_.WaitWatchingForStop(ms); }

  TypingOutcome StartLine(int line) override {
    line_ = line;
    partOfLine_ = false;
    progress_.line = line + 1;
    channel_.Reply({.kind = NativeReply::Kind::Progress, .progress = progress_});
    return TypingOutcome::Typed;
  }

  TypingOutcome Send(char32_t c) override {
    const Clock::time_point start = Clock::now();
    if (c == U'\r' && !focus_.Holds(window_) && !focus_.GiveTo(window_, kComeToFrontTimeoutMs)) return FocusRefused();
    if (!typist_.Type(window_, c)) return Lost(ClientOutcome::Closed);
    partOfLine_ = true;
    return c == U'\r' ? Ping(start) : TypingOutcome::Typed;
  }

  // Typed while the client still handles its events, asked since start (when the client was given the
  // focus, which shares the time); a stop meanwhile is not kept waiting for a hung one.
  TypingOutcome Ping(Clock::time_point start) {
    const auto wait = [this](int descriptor, std::int32_t ms) { return channel_.WaitWatchingForStop(ms, descriptor); };
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    switch (Answers(display_, window_, kClientResponseTimeoutMs - static_cast<std::int32_t>(spent), wait)) {
      case PingAnswer::Answered: return TypingOutcome::Typed;
      case PingAnswer::Stopped: return TypingOutcome::Stopped;
      case PingAnswer::Silent: break;
    }
    return Lost(ClientOutcome::NotAnswering);
  }

  // A window that is gone is told as closed rather than kept from the focus.
  TypingOutcome FocusRefused() {
    return Lost(WindowExists(display_, window_) ? ClientOutcome::KeptFromFront : ClientOutcome::Closed);
  }

  TypingOutcome Lost(ClientOutcome why) {
    failure_ = why;
    return TypingOutcome::WindowLost;
  }

  // The client's result, from the outcome of its typing.
  ClientResult Result(TypingOutcome outcome, int lines) const {
    ClientResult result{.title = progress_.title, .kind = GameClientKind::ClassicUO, .lines = lines};
    if (outcome == TypingOutcome::Typed) {
      result.linesTaken = lines;
      return result;
    }
    result.outcome = outcome == TypingOutcome::Stopped ? ClientOutcome::Stopped : failure_;
    result.linesTaken = line_;
    result.partLine = partOfLine_;
    return result;
  }

 private:
  Display* display_;
  Window window_;
  KeyTypist& typist_;
  FocusHandover& focus_;
  LinkChannel& channel_;
  TypingProgress progress_;
  ClientOutcome failure_ = ClientOutcome::Typed;
  int line_ = 0;
  bool partOfLine_ = false;
};

ClientResult TypeIntoClient(const NativeTypeRequest& request, Display* display, Window window, KeyTypist& typist,
                            FocusHandover& focus, LinkChannel& channel, const TypingProgress& progress) {
  const int lines = CountTypedLines(request.text, TypedLetters::Unicode);
  ClientTarget target(display, window, typist, focus, channel, progress);
  const Clock::time_point start = Clock::now();
  if (!focus.GiveTo(window, kComeToFrontTimeoutMs)) return target.Result(target.FocusRefused(), lines);
  if (const TypingOutcome ready = target.Ping(start); ready != TypingOutcome::Typed) return target.Result(ready, lines);
  return target.Result(TypeIntoWindow(request.text, request.delays, target, TypedLetters::Unicode), lines);
}

std::vector<NativeClientWindow> NativeClients(Display* display) {
  return display ? FindNativeClients(display) : std::vector<NativeClientWindow>{};
}

}  // namespace

void AnswerListRequest(LinkChannel& channel) {
  const DisplayConnection display = OpenDisplay();
  channel.Reply({.kind = NativeReply::Kind::Clients, .clients = static_cast<int>(NativeClients(display.get()).size())});
  channel.Reply({.kind = NativeReply::Kind::Done});
}

void AnswerTypeRequest(const NativeTypeRequest& request, LinkChannel& channel, bool& waylandExplained) {
  const DisplayConnection display = OpenDisplay();
  const std::vector<NativeClientWindow> clients = NativeClients(display.get());
  if (!waylandExplained && IsWaylandSession() && ClientProcessesWithoutWindow(clients) > 0) {
    channel.Reply({.kind = NativeReply::Kind::Notice, .notice = std::string(kWaylandNotice)});
    waylandExplained = true;
  }
  const int count = static_cast<int>(clients.size());
  channel.Reply({.kind = NativeReply::Kind::Clients, .clients = count});
  if (!clients.empty()) {
    // The keyboard map and the focus are given back when these end, after the last client.
    KeyTypist typist(display.get());
    FocusHandover focus(display.get());
    bool stopped = false;
    for (int i = 0; i < count; ++i) {
      const TypingProgress progress{.title = clients[i].title, .client = i + 1, .clients = count};
      // After a stop, the clients not reached get nothing and are told as stopped.
      ClientResult result = stopped ? ClientResult{.title = progress.title,
                                                   .kind = GameClientKind::ClassicUO,
                                                   .outcome = ClientOutcome::Stopped,
                                                   .lines = CountTypedLines(request.text, TypedLetters::Unicode)}
                                    : TypeIntoClient(request, display.get(), clients[i].window, typist, focus, channel, progress);
      stopped = result.outcome == ClientOutcome::Stopped;
      channel.Reply({.kind = NativeReply::Kind::Client, .client = std::move(result)});
    }
  }
  channel.Reply({.kind = NativeReply::Kind::Done});
}

}  // namespace kestrelle::x11
