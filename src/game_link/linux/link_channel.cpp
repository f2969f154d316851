#include "game_link/linux/link_channel.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <string_view>

#include "game_link/linux/signal_pipe.h"

namespace kestrelle::x11 {

LinkChannel::LinkChannel(int requests, int replies, pid_t kestrelle, int kestrelleEnded)
    : requests_(requests), replies_(replies), kestrelle_(kestrelle), kestrelleEnded_(kestrelleEnded) {}

std::optional<std::string> LinkChannel::TakeLine() {
  const size_t end = buffer_.find('\n');
  if (end == std::string::npos) return std::nullopt;
  std::string line = buffer_.substr(0, end);
  buffer_.erase(0, end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

LinkChannel::Read LinkChannel::ReadMore(int ms, int wakeOn) {
  if (ended_) return Read::Ended;
  // Every wait watches these; poll passes over entries whose descriptor is negative.
  enum Source { kRequests, kKestrelleEnded, kSignals, kWakeOn, kSources };
  pollfd watched[kSources] = {};
  watched[kRequests] = {requests_, POLLIN, 0};
  watched[kKestrelleEnded] = {kestrelleEnded_, POLLIN, 0};
  watched[kSignals] = {SignalPipe::OfThisProcess().ReadEnd(), POLLIN, 0};
  watched[kWakeOn] = {wakeOn, POLLIN, 0};
  if (poll(watched, kSources, ms) < 0) return errno == EINTR ? Read::More : Read::Ended;
  if (watched[kSignals].revents & POLLIN) TakeSignals();
  if (watched[kKestrelleEnded].revents & POLLIN) ended_ = true;
  if (ended_) return Read::Ended;
  if (watched[kRequests].revents & (POLLIN | POLLHUP | POLLERR)) {
    char chunk[4096];
    const ssize_t count = read(requests_, chunk, sizeof chunk);
    if (count == 0 || (count < 0 && errno != EINTR && errno != EAGAIN)) {
      ended_ = true;
      return Read::Ended;
    }
    if (count > 0) buffer_.append(chunk, static_cast<size_t>(count));
  }
  return watched[kWakeOn].revents ? Read::Woken : Read::More;
}

void LinkChannel::TakeSignals() {
  for (const int signal : SignalPipe::OfThisProcess().Take()) {
    if (signal != SIGCHLD) {
      endingSignal_ = signal;
      ended_ = true;
      continue;
    }
    // Kestrelle is the only child, but its end is made sure of without taking its exit status.
    siginfo_t info = {};
    if (waitid(P_PID, static_cast<id_t>(kestrelle_), &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid != 0) {
      ended_ = true;
    }
  }
}

std::optional<std::string> LinkChannel::NextRequest() {
  for (;;) {
    if (std::optional<std::string> line = TakeLine()) return line;
    if (ReadMore(-1) == Read::Ended) return std::nullopt;
  }
}

bool LinkChannel::TakeStop() {
  bool stop = false;
  for (size_t end; (end = buffer_.find('\n')) != std::string::npos; buffer_.erase(0, end + 1)) {
    std::string_view line(buffer_.data(), end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // Kestrelle's next request: it waits for this one no longer.
    if (line != kStopRequest) return true;
    stop = true;
  }
  return stop;
}

bool LinkChannel::WaitWatchingForStop(std::int32_t ms, int wakeOn) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ms > 0 ? ms : 0);
  for (;;) {
    if (TakeStop()) return false;
    // Rounded up: a wait never ends before its time.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    // Also with no pause at all, what has come meanwhile is read: a stop ends typing with no delays too.
    if (left <= 0) return ReadMore(0) != Read::Ended && !TakeStop();
    const Read read = ReadMore(static_cast<int>(left), wakeOn);
    if (read == Read::Ended) return false;
    if (read == Read::Woken) return !TakeStop();
  }
}

void LinkChannel::Reply(const NativeReply& reply) {
  const std::string line = FormatReply(reply) + "\n";
  for (size_t sent = 0; sent < line.size();) {
    const ssize_t count = write(replies_, line.data() + sent, line.size() - sent);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;
    sent += static_cast<size_t>(count);
  }
}

}  // namespace kestrelle::x11
