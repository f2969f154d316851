#pragma once
// The native link's end of the pipes to Kestrelle (see native_link_protocol.h): requests come in a line at a
// time, replies go out a line at a time. Kestrelle's end is also watched through its process: Wine's own
// processes inherit the pipes and keep them open after Kestrelle has ended, so the pipes alone would not
// tell. Every wait of the link also watches the process's signal pipe, for the signals that end the link.
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

#include "game_link/native_link_protocol.h"

namespace kestrelle::x11 {

class LinkChannel {
 public:
  // requests and replies: the pipe ends to read from and write to; kestrelle: its process, the link's only
  // child; kestrelleEnded: a descriptor that becomes readable once it has ended (its process descriptor), or
  // -1 when SIGCHLD on the signal pipe tells instead.
  LinkChannel(int requests, int replies, pid_t kestrelle, int kestrelleEnded);

  // The next request line; nothing once Kestrelle has ended or closed its end, or a signal ends the link.
  std::optional<std::string> NextRequest();
  // Waits ms milliseconds (none when ms <= 0), watching for the end of the request being answered: false
  // when a stop came, when Kestrelle sent its next request (it has given up waiting for this one; the
  // request is kept for NextRequest), when Kestrelle has ended, or when a signal ends the link. With wakeOn,
  // a descriptor, the wait also ends (true) as soon as that descriptor becomes readable.
  bool WaitWatchingForStop(std::int32_t ms, int wakeOn = -1);
  // Sends a reply; one that cannot be written (Kestrelle has ended) is dropped.
  void Reply(const NativeReply& reply);
  // The signal (SIGTERM, SIGHUP or SIGINT) that ended the link; 0 while none has.
  int EndingSignal() const { return endingSignal_; }

 private:
  std::optional<std::string> TakeLine();
  // Takes the stop requests read so far; true when the request being answered is to end.
  bool TakeStop();
  enum class Read { More, Woken, Ended };
  // Waits up to ms (-1: without end) for more input, or for wakeOn (when not -1) to become readable.
  Read ReadMore(int ms, int wakeOn = -1);
  // Acts on the signals that came: the end of Kestrelle (SIGCHLD), or of the link.
  void TakeSignals();

  int requests_;
  int replies_;
  pid_t kestrelle_;
  int kestrelleEnded_;
  std::string buffer_;
  bool ended_ = false;
  int endingSignal_ = 0;
};

}  // namespace kestrelle::x11
