#include "game_link/linux/native_typing.h"

#include <poll.h>

#include <chrono>
#include <string_view>
#include <utility>
#include <vector>

#include "game_link/linux/focus.h"
#include "game_link/linux/key_typist.h"
#include "game_link/linux/native_clients.h"
#include "game_link/linux/x_display.h"

namespace kestrelle::x11 {

namespace {

using Clock = std::chrono::steady_clock;

// How long a client stopped in the middle of its text may take to show that it has read the key presses
// sent to it, before the keycodes they used are given back: a frame or two of a game that answers.
constexpr std::int32_t kSettleMs = 250;

// Said when letters the keyboard map lacks were left out.
constexpr std::string_view kNoFreeKeyNotice =
    "The keyboard map has no free key to type the letters it lacks, so native ClassicUO windows did not get "
    "them; free a key (with xmodmap) to have them typed.";

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
    if (c == U'\r' && !focus_.Holds(window_)) {
      if (const TypingOutcome given = Focus(); given != TypingOutcome::Typed) return given;
    }
    // A keycode lent again waits until the client has read the key presses made with it.
    if (typist_.NeedsRoundTrip(c)) {
      if (const TypingOutcome read = Ping(start); read != TypingOutcome::Typed) return read;
    }
    switch (typist_.Type(window_, c)) {
      case KeyTypist::Typed::WindowGone:
        return Lost(ClientOutcome::Closed);
      case KeyTypist::Typed::NoFreeKey:
        ++lettersLeftOut_;
        return TypingOutcome::Typed;
      case KeyTypist::Typed::Sent:
        break;
    }
    partOfLine_ = true;
    return c == U'\r' ? Ping(start) : TypingOutcome::Typed;
  }

  // Gives the client the focus, reading a stop meanwhile; a window that is gone is told as closed rather
  // than kept from the focus.
  TypingOutcome Focus() {
    switch (focus_.GiveTo(window_, kComeToFrontTimeoutMs, Waiting())) {
      case FocusGiven::Given: return TypingOutcome::Typed;
      case FocusGiven::Stopped: return TypingOutcome::Stopped;
      case FocusGiven::Refused: break;
    }
    return Lost(WindowExists(display_, window_) ? ClientOutcome::KeptFromFront : ClientOutcome::Closed);
  }

  // Typed while the client still handles its events, asked since start (when the client was given the
  // focus, which shares the time); a stop meanwhile is not kept waiting for a hung one. An answer also
  // tells that the client has read every key press sent before the question.
  TypingOutcome Ping(Clock::time_point start) {
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    switch (Answers(display_, window_, kClientResponseTimeoutMs - static_cast<std::int32_t>(spent), Waiting())) {
      case PingAnswer::Answered:
        typist_.Confirmed();
        return TypingOutcome::Typed;
      case PingAnswer::Stopped: return TypingOutcome::Stopped;
      case PingAnswer::Silent: break;
    }
    return Lost(ClientOutcome::NotAnswering);
  }

  // The client's result, from the outcome of its typing.
  ClientResult Finish(TypingOutcome outcome, int lines) {
    ClientResult result{.title = progress_.title, .kind = GameClientKind::ClassicUO, .lines = lines,
                        .lettersLeftOut = lettersLeftOut_};
    if (outcome == TypingOutcome::Typed) {
      result.linesTaken = lines;
      return result;
    }
    result.outcome = outcome == TypingOutcome::Stopped ? ClientOutcome::Stopped : failure_;
    result.linesTaken = line_;
    result.partLine = partOfLine_;
    if (result.outcome == ClientOutcome::Stopped || result.outcome == ClientOutcome::KeptFromFront) Settle();
    return result;
  }

 private:
  // A client that still answers, left in the middle of its text, gets a moment to read the key presses sent
  // to it before the keycodes they used are lent again or given back. The stop is not read again meanwhile.
  void Settle() {
    if (!typist_.HasUnread()) return;
    const auto watchDisplayOnly = [](int descriptor, std::int32_t ms) {
      pollfd watched{descriptor, POLLIN, 0};
      poll(&watched, 1, ms);
      return true;
    };
    if (Answers(display_, window_, kSettleMs, watchDisplayOnly) == PingAnswer::Answered) typist_.Confirmed();
  }

  WaitForReadable Waiting() {
    return [this](int descriptor, std::int32_t ms) { return channel_.WaitWatchingForStop(ms, descriptor); };
  }

  TypingOutcome Lost(ClientOutcome why) {
    failure_ = why;
    return TypingOutcome::WindowLost;
  }

  Display* display_;
  Window window_;
  KeyTypist& typist_;
  FocusHandover& focus_;
  LinkChannel& channel_;
  TypingProgress progress_;
  ClientOutcome failure_ = ClientOutcome::Typed;
  int line_ = 0;
  bool partOfLine_ = false;
  int lettersLeftOut_ = 0;
};

ClientResult TypeIntoClient(const NativeTypeRequest& request, Display* display, Window window, KeyTypist& typist,
                            FocusHandover& focus, LinkChannel& channel, const TypingProgress& progress) {
  ClientTarget target(display, window, typist, focus, channel, progress);
  const Clock::time_point start = Clock::now();
  TypingOutcome outcome = target.Focus();
  if (outcome == TypingOutcome::Typed) outcome = target.Ping(start);
  if (outcome == TypingOutcome::Typed) outcome = TypeIntoWindow(request.text, request.delays, target, TypedLetters::Unicode);
  return target.Finish(outcome, progress.lines);
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
  bool lettersLeftOut = false;
  if (!clients.empty()) {
    // The keyboard map and the focus are given back when these end, after the last client.
    KeyTypist typist(display.get());
    FocusHandover focus(display.get());
    const int lines = CountTypedLines(request.text, TypedLetters::Unicode);
    bool stopped = false;
    for (int i = 0; i < count; ++i) {
      const TypingProgress progress{.lines = lines, .title = clients[i].title, .client = i + 1, .clients = count};
      // A stop is read before every client; after one, the clients not reached get nothing and are told as
      // stopped.
      stopped = stopped || !channel.WaitWatchingForStop(0);
      ClientResult result = stopped ? ClientResult{.title = progress.title,
                                                   .kind = GameClientKind::ClassicUO,
                                                   .outcome = ClientOutcome::Stopped,
                                                   .lines = lines}
                                    : TypeIntoClient(request, display.get(), clients[i].window, typist, focus, channel, progress);
      stopped = result.outcome == ClientOutcome::Stopped;
      lettersLeftOut = lettersLeftOut || result.lettersLeftOut > 0;
      channel.Reply({.kind = NativeReply::Kind::Client, .client = std::move(result)});
    }
  }
  if (lettersLeftOut) channel.Reply({.kind = NativeReply::Kind::Notice, .notice = std::string(kNoFreeKeyNotice)});
  channel.Reply({.kind = NativeReply::Kind::Done});
}

}  // namespace kestrelle::x11
