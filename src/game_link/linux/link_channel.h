#pragma once
// The native link's end of the pipes to Kestrelle (see native_link_protocol.h): requests come in a line at a
// time, replies go out a line at a time. Kestrelle's end is also watched through its process: Wine's own
// processes inherit the pipes and keep them open after Kestrelle has ended, so the pipes alone would not
// tell.
#include <cstdint>
#include <optional>
#include <string>

#include "game_link/native_link_protocol.h"

namespace kestrelle::x11 {

class LinkChannel {
 public:
  // requests and replies: the pipe ends to read from and write to; kestrelleEnded: a descriptor that
  // becomes readable once Kestrelle has ended (a process descriptor), or -1.
  LinkChannel(int requests, int replies, int kestrelleEnded);

  // The next request line; nothing once Kestrelle has ended or closed its end.
  std::optional<std::string> NextRequest();
  // Waits ms milliseconds (none when ms <= 0), watching for a stop request: false when one came or
  // Kestrelle has ended; other lines are not expected while a request is answered, and are dropped. With
  // wakeOn, a descriptor, the wait also ends (true) as soon as that descriptor becomes readable.
  bool WaitWatchingForStop(std::int32_t ms, int wakeOn = -1);
  // Sends a reply; one that cannot be written (Kestrelle has ended) is dropped.
  void Reply(const NativeReply& reply);

 private:
  std::optional<std::string> TakeLine();
  // Drops the lines read so far (only a stop is expected while a request is answered); true when one was
  // a stop request.
  bool TakeStop();
  enum class Read { More, Woken, Ended };
  // Waits up to ms (-1: without end) for more input, or for wakeOn (when not -1) to become readable.
  Read ReadMore(int ms, int wakeOn = -1);

  int requests_;
  int replies_;
  int kestrelleEnded_;
  std::string buffer_;
  bool ended_ = false;
};

}  // namespace kestrelle::x11
