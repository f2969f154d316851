#include "game_link/native_link.h"

#include <algorithm>
#include <deque>
#include <utility>

#include "game_link/native_link_protocol.h"
#include "game_link/wait_pumping.h"

namespace kestrelle {

// The reply lines read so far, shared with the thread that reads them: that thread blocks in ReadFile for
// the whole run, and may outlive everything else at the program's end, so it holds the inbox too.
struct NativeLink::Inbox {
  SRWLOCK lock = SRWLOCK_INIT;
  std::deque<std::string> lines;
  bool closed = false;
  HANDLE arrived = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // set whenever lines come or the pipe closes
  HANDLE replies = nullptr;

  Inbox() = default;
  Inbox(const Inbox&) = delete;
  Inbox& operator=(const Inbox&) = delete;
  ~Inbox() { CloseHandle(arrived); }
};

namespace {

// How long the link may be silent beyond a line's worth of delays: it reports at every line end, and a
// client may take its response time to come to the front and answer.
constexpr std::int32_t kSilenceMarginMs = kClientResponseTimeoutMs + 5000;
// How long the link is waited for after a stop (it answers one within half a second) or a list request.
constexpr std::int32_t kPromptAnswerMs = 1500;

class InboxLock {
 public:
  explicit InboxLock(NativeLink::Inbox& inbox) : lock_(inbox.lock) { AcquireSRWLockExclusive(&lock_); }
  ~InboxLock() { ReleaseSRWLockExclusive(&lock_); }
  InboxLock(const InboxLock&) = delete;
  InboxLock& operator=(const InboxLock&) = delete;

 private:
  SRWLOCK& lock_;
};

DWORD WINAPI ReadReplies(void* parameter) {
  const std::unique_ptr<std::shared_ptr<NativeLink::Inbox>> owned(static_cast<std::shared_ptr<NativeLink::Inbox>*>(parameter));
  NativeLink::Inbox& inbox = **owned;
  std::string pending;
  char chunk[4096];
  DWORD count = 0;
  while (ReadFile(inbox.replies, chunk, sizeof chunk, &count, nullptr) && count > 0) {
    pending.append(chunk, count);
    const InboxLock lock(inbox);
    for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
      inbox.lines.push_back(pending.substr(0, end));
    }
    SetEvent(inbox.arrived);
  }
  const InboxLock lock(inbox);
  inbox.closed = true;
  SetEvent(inbox.arrived);
  return 0;
}

std::int32_t SilenceLimitMs(const TypingDelays& delays) {
  const std::int64_t lineMs = std::int64_t{kTypedLineWidth} * std::max(delays.charDelay, 0) +
                              std::max(delays.lineDelay, 0) + kSilenceMarginMs;
  return static_cast<std::int32_t>(std::min<std::int64_t>(lineMs, INT32_MAX));
}

}  // namespace

NativeLink* NativeLink::Started() {
  static NativeLink* const link = []() -> NativeLink* {
    char variable[8] = {};
    const DWORD length =
        GetEnvironmentVariableA(std::string(kNativeLinkVariable).c_str(), variable, static_cast<DWORD>(sizeof variable));
    const HANDLE requests = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE replies = GetStdHandle(STD_INPUT_HANDLE);
    if (length != 1 || variable[0] != '1' || !requests || requests == INVALID_HANDLE_VALUE || !replies ||
        replies == INVALID_HANDLE_VALUE) {
      return nullptr;
    }
    auto inbox = std::make_shared<Inbox>();
    inbox->replies = replies;
    auto* shared = new std::shared_ptr<Inbox>(inbox);
    const HANDLE thread = CreateThread(nullptr, 0, ReadReplies, shared, 0, nullptr);
    if (!thread) {
      delete shared;
      return nullptr;
    }
    CloseHandle(thread);
    // Lives as long as the process, as its reading thread does.
    static NativeLink instance(requests, std::move(inbox));
    return &instance;
  }();
  return link;
}

NativeLink* NativeLink::OfThisProcess() {
  NativeLink* const link = Started();
  return link && !link->lost_ ? link : nullptr;
}

bool NativeLink::LostOfThisProcess() {
  const NativeLink* const link = Started();
  return link && link->lost_;
}

bool NativeLink::Write(const std::string& line) {
  const std::string framed = line + "\n";
  DWORD written = 0;
  return WriteFile(requests_, framed.data(), static_cast<DWORD>(framed.size()), &written, nullptr) &&
         written == framed.size();
}

bool NativeLink::Request(const std::string& line) {
  if (!Write(line)) {
    lost_ = true;
    return false;
  }
  ++unanswered_;
  return true;
}

NativeLink::Next NativeLink::NextReply(std::int32_t ms, const CommandStop& stop, NativeReply& reply) {
  const auto take = [&] {
    const InboxLock lock(*inbox_);
    while (!inbox_->lines.empty()) {
      std::optional<NativeReply> parsed = ParseReply(inbox_->lines.front());
      inbox_->lines.pop_front();
      if (!parsed) continue;
      const bool earlier = unanswered_ > 1;
      if (parsed->kind == NativeReply::Kind::Done && unanswered_ > 0) --unanswered_;
      if (earlier) continue;
      reply = std::move(*parsed);
      return Next::Reply;
    }
    return inbox_->closed ? Next::Closed : Next::Silent;
  };
  // The reply taken (or the close seen) by ready() is the wait's end.
  Next next = Next::Silent;
  const WaitCondition taken{.ready = [&] { return (next = take()) != Next::Silent; }, .wakeUp = inbox_->arrived};
  return WaitPumping(ms, stop, taken) == WaitEnd::Stopped ? Next::Stopped : next;
}

int NativeLink::CountClients() {
  if (!Request(std::string(kListRequest))) return 0;
  const CommandStop unstoppable;  // the answer comes at once
  const DWORD start = GetTickCount();
  int count = 0;
  for (NativeReply reply;;) {
    switch (NextReply(kPromptAnswerMs - static_cast<std::int32_t>(GetTickCount() - start), unstoppable, reply)) {
      case Next::Reply:
        break;
      case Next::Closed:
        lost_ = true;
        return 0;
      case Next::Silent:
      case Next::Stopped:
        return 0;  // a late answer is passed over when it comes
    }
    if (reply.kind == NativeReply::Kind::Clients) count = reply.clients;
    if (reply.kind == NativeReply::Kind::Done) return count;
  }
}

NativeTypingResult NativeLink::Type(std::u32string_view text, const TypingDelays& delays, const CommandStop& stop,
                                    const std::function<void(const TypingProgress&)>& onProgress) {
  NativeTypingResult result;
  if (!Request(FormatTypeRequest({delays, std::u32string(text)}))) return result;
  const std::int32_t silenceMs = SilenceLimitMs(delays);
  // Once the stop is passed on, the window stays live but nothing more is there to stop.
  const CommandStop unstoppable;
  std::optional<DWORD> stopPassedOn;  // the tick it was
  int announced = 0;
  std::string typingInto;  // the title of the client being typed into
  // The clients announced that the link did not tell of: stopped after a stop, else not answering.
  const auto untold = [&] {
    // Only the first of them was being typed into.
    const int first = static_cast<int>(result.clients.size());
    for (int i = first; i < announced; ++i) {
      result.clients.push_back({.title = i == first ? typingInto : std::string(),
                                .kind = GameClientKind::ClassicUO,
                                .outcome = result.stopped ? ClientOutcome::Stopped : ClientOutcome::NotAnswering,
                                .lines = CountTypedLines(text, TypedLetters::Unicode)});
    }
    return result;
  };
  // A link waited for no longer is told to stop this typing (if it was not yet), so that it does not type on
  // unwatched; one that cannot be written to has ended.
  const auto late = [&] {
    if (!stopPassedOn && !Write(std::string(kStopRequest))) lost_ = true;
    return untold();
  };
  for (NativeReply reply;;) {
    const std::int32_t waitMs =
        stopPassedOn ? kPromptAnswerMs - static_cast<std::int32_t>(GetTickCount() - *stopPassedOn) : silenceMs;
    switch (NextReply(waitMs, stopPassedOn ? unstoppable : stop, reply)) {
      case Next::Reply:
        break;
      case Next::Stopped:
        // After the stop, only a WM_QUIT ends the wait: the program is ending.
        if (stopPassedOn) return late();
        result.stopped = true;
        stopPassedOn = GetTickCount();
        if (Write(std::string(kStopRequest))) continue;
        lost_ = true;
        return untold();
      case Next::Silent:
        return late();
      case Next::Closed:
        lost_ = true;
        return untold();
    }
    switch (reply.kind) {
      case NativeReply::Kind::Clients:
        announced = reply.clients;
        break;
      case NativeReply::Kind::Client:
        if (reply.client.outcome == ClientOutcome::Stopped) result.stopped = true;
        result.clients.push_back(std::move(reply.client));
        typingInto.clear();
        break;
      case NativeReply::Kind::Notice:
        if (!result.notice.empty()) result.notice += "\r\n\r\n";
        result.notice += reply.notice;
        break;
      case NativeReply::Kind::Progress:
        typingInto = reply.progress.title;
        reply.progress.clients = announced;  // not repeated on every line
        if (onProgress) onProgress(reply.progress);
        break;
      case NativeReply::Kind::Done:
        return untold();
    }
  }
}

}  // namespace kestrelle
