#include "game_link/linux/link_channel.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace kestrelle::x11 {

LinkChannel::LinkChannel(int requests, int replies, int kestrelleEnded)
    : requests_(requests), replies_(replies), kestrelleEnded_(kestrelleEnded) {}

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
  // poll passes over entries whose descriptor is negative.
  pollfd watched[3] = {{requests_, POLLIN, 0}, {kestrelleEnded_, POLLIN, 0}, {wakeOn, POLLIN, 0}};
  const int ready = poll(watched, 3, ms);
  if (ready < 0) return errno == EINTR ? Read::More : Read::Ended;
  if (watched[1].revents & POLLIN) {
    ended_ = true;
    return Read::Ended;
  }
  if (watched[0].revents & (POLLIN | POLLHUP | POLLERR)) {
    char chunk[4096];
    const ssize_t count = read(requests_, chunk, sizeof chunk);
    if (count == 0 || (count < 0 && errno != EINTR && errno != EAGAIN)) {
      ended_ = true;
      return Read::Ended;
    }
    if (count > 0) buffer_.append(chunk, static_cast<size_t>(count));
  }
  return watched[2].revents ? Read::Woken : Read::More;
}

std::optional<std::string> LinkChannel::NextRequest() {
  for (;;) {
    if (std::optional<std::string> line = TakeLine()) return line;
    if (ReadMore(-1) == Read::Ended) return std::nullopt;
  }
}

bool LinkChannel::TakeStop() {
  bool stop = false;
  while (std::optional<std::string> line = TakeLine()) stop = stop || *line == kStopRequest;
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
