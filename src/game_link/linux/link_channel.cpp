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

bool LinkChannel::ReadMore(int ms) {
  if (ended_) return false;
  pollfd watched[2] = {{requests_, POLLIN, 0}, {kestrelleEnded_, POLLIN, 0}};
  const int ready = poll(watched, kestrelleEnded_ >= 0 ? 2 : 1, ms);
  if (ready < 0) return errno == EINTR;
  if (kestrelleEnded_ >= 0 && (watched[1].revents & POLLIN)) {
    ended_ = true;
    return false;
  }
  if (!(watched[0].revents & (POLLIN | POLLHUP | POLLERR))) return true;
  char chunk[4096];
  const ssize_t count = read(requests_, chunk, sizeof chunk);
  if (count < 0) return errno == EINTR || errno == EAGAIN;
  if (count == 0) {
    ended_ = true;
    return false;
  }
  buffer_.append(chunk, static_cast<size_t>(count));
  return true;
}

std::optional<std::string> LinkChannel::NextRequest() {
  for (;;) {
    if (std::optional<std::string> line = TakeLine()) return line;
    if (!ReadMore(-1)) return std::nullopt;
  }
}

bool LinkChannel::WaitWatchingForStop(std::int32_t ms) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ms > 0 ? ms : 0);
  for (;;) {
    while (std::optional<std::string> line = TakeLine()) {
      if (*line == kStopRequest) return false;
    }
    // Rounded up: a wait never ends before its time.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return !ended_;
    if (!ReadMore(static_cast<int>(left))) return false;
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
