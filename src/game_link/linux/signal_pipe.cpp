#include "game_link/linux/signal_pipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kestrelle::x11 {

namespace {

// Set once, before any handler that uses it is installed.
int writeEnd = -1;

void WriteSignal(int signal) {
  const int saved = errno;
  const auto number = static_cast<unsigned char>(signal);
  // A full pipe already holds bytes enough to wake the link, which then reads every signal that came.
  [[maybe_unused]] const ssize_t written = write(writeEnd, &number, 1);
  errno = saved;
}

}  // namespace

SignalPipe::SignalPipe() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
  read_.Reset(ends[0]);
  write_.Reset(ends[1]);
  writeEnd = ends[1];
}

SignalPipe& SignalPipe::OfThisProcess() {
  static SignalPipe pipe;
  return pipe;
}

void SignalPipe::Catch(int signal) {
  // Without the pipe the signals keep their own actions, rather than be caught and never read.
  if (ReadEnd() < 0) return;
  struct sigaction action = {};
  action.sa_handler = WriteSignal;
  sigfillset(&action.sa_mask);
  // Xlib's reads and writes go on after a handler; poll, which the waits use, ends early whatever the flags.
  action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
  sigaction(signal, &action, nullptr);
}

std::vector<int> SignalPipe::Take() {
  std::vector<int> signals;
  unsigned char numbers[64];
  for (ssize_t count; (count = read(ReadEnd(), numbers, sizeof numbers)) > 0 || (count < 0 && errno == EINTR);) {
    for (ssize_t i = 0; i < count; ++i) signals.push_back(numbers[i]);
  }
  return signals;
}

SignalBlock::SignalBlock() {
  sigset_t blocked;
  sigfillset(&blocked);
  sigprocmask(SIG_BLOCK, &blocked, &previous_);
}

SignalBlock::~SignalBlock() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

}  // namespace kestrelle::x11
