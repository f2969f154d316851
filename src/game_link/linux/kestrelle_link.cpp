// kestrelle-link <program> [arguments...]: starts the program (Kestrelle.exe through wine) with two pipes
// as its standard input and output and the variable KESTRELLE_NATIVE_LINK set, and answers its requests to
// type into the native game client windows of the X display (see native_link_protocol.h) until it ends.
// Only the program and what it starts hold the pipes: no other user of the machine can reach the link.
// Exits with the program's exit code. SIGTERM, SIGHUP or SIGINT end the typing as a stop does (the keyboard
// map and the focus given back, the program told), then end the program, and the link ends by that signal.
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <initializer_list>
#include <string>
#include <thread>

#include "game_link/linux/link_channel.h"
#include "game_link/linux/native_typing.h"
#include "game_link/linux/signal_pipe.h"
#include "game_link/linux/unique_fd.h"
#include "game_link/native_link_protocol.h"

namespace {

using kestrelle::x11::SignalPipe;
using kestrelle::x11::UniqueFd;

// The signals that end the link (a kill, the terminal closed, Ctrl+C in it).
constexpr std::initializer_list<int> kEndingSignals = {SIGTERM, SIGHUP, SIGINT};
// How long the program may take to end when asked, before it is killed.
constexpr auto kProgramEndGrace = std::chrono::seconds(3);

struct Pipe {
  UniqueFd read;
  UniqueFd write;
};

bool MakePipe(Pipe& pipe) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return false;
  pipe.read.Reset(ends[0]);
  pipe.write.Reset(ends[1]);
  return true;
}

// The program starts with the signal actions and mask the link was started with: the link's caught signals
// go back to their default action, or stay ignored; pipeAction is SIGPIPE's.
[[noreturn]] void RunProgram(char** argv, const Pipe& requests, const Pipe& replies, const sigset_t& mask,
                             void (*pipeAction)(int)) {
  for (const int signal : kEndingSignals) {
    if (std::signal(signal, SIG_DFL) == SIG_IGN) std::signal(signal, SIG_IGN);
  }
  std::signal(SIGPIPE, pipeAction);
  sigprocmask(SIG_SETMASK, &mask, nullptr);
  // dup2 clears close-on-exec on the copies only: the program keeps these two ends and no others.
  if (dup2(replies.read.Get(), STDIN_FILENO) < 0 || dup2(requests.write.Get(), STDOUT_FILENO) < 0) _exit(127);
  setenv(std::string(kestrelle::kNativeLinkVariable).c_str(), "1", 1);
  execvp(argv[0], argv);
  std::fprintf(stderr, "kestrelle-link: cannot start %s\n", argv[0]);
  _exit(127);
}

int ExitCodeOf(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return 1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Asks the program to end, and kills it if it has not within a moment: it must not run on without its link.
void EndProgram(pid_t child) {
  kill(child, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + kProgramEndGrace;
  while (waitpid(child, nullptr, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(child, SIGKILL);
      ExitCodeOf(child);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// A descriptor that becomes readable once the program has ended: its process descriptor (Linux 5.3), asked
// for directly, as not every C library declares it for C++. Where there is none (an older kernel, a
// sandbox that refuses the call, or KESTRELLE_LINK_NO_PIDFD=1 in the environment), SIGCHLD on the signal
// pipe tells instead; the signal is blocked until then, so an end that came before is not missed.
UniqueFd WatchProgramEnd(pid_t child) {
  const char* noPidfd = std::getenv("KESTRELLE_LINK_NO_PIDFD");
  if (!noPidfd || std::string(noPidfd) != "1") {
    UniqueFd ended(static_cast<int>(syscall(SYS_pidfd_open, child, 0)));
    if (ended.Get() >= 0) return ended;
  }
  SignalPipe::OfThisProcess().Catch(SIGCHLD);
  return UniqueFd();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kestrelle-link <program> [arguments...]\n");
    return 2;
  }
  // A reply to a program that has ended must not end the link.
  void (*const pipeAction)(int) = std::signal(SIGPIPE, SIG_IGN);
  Pipe requests;  // the program writes, the link reads
  Pipe replies;   // the link writes, the program reads
  if (!MakePipe(requests) || !MakePipe(replies)) {
    std::perror("kestrelle-link: pipe");
    return 1;
  }
  SignalPipe& signals = SignalPipe::OfThisProcess();
  UniqueFd childEnded;
  pid_t child = 0;
  {
    // Signals wait until the program's end is watched and the child has its own signal actions.
    const kestrelle::x11::SignalBlock block;
    for (const int signal : kEndingSignals) {
      // One the link was started to ignore (nohup's SIGHUP) stays ignored, for the program too.
      struct sigaction started = {};
      sigaction(signal, nullptr, &started);
      if (started.sa_handler != SIG_IGN) signals.Catch(signal);
    }
    child = fork();
    if (child < 0) {
      std::perror("kestrelle-link: fork");
      return 1;
    }
    if (child == 0) RunProgram(argv + 1, requests, replies, block.Previous(), pipeAction);
    childEnded = WatchProgramEnd(child);
  }
  requests.write.Reset();
  replies.read.Reset();

  kestrelle::x11::LinkChannel channel(requests.read.Get(), replies.write.Get(), child, childEnded.Get());
  bool waylandExplained = false;
  while (const std::optional<std::string> line = channel.NextRequest()) {
    // Anything else (a stop that came after its typing had ended) has nothing to act on.
    if (*line == kestrelle::kListRequest) {
      kestrelle::x11::AnswerListRequest(channel);
    } else if (const std::optional<kestrelle::NativeTypeRequest> request = kestrelle::ParseTypeRequest(*line)) {
      kestrelle::x11::AnswerTypeRequest(*request, channel, waylandExplained);
    }
  }
  if (const int signal = channel.EndingSignal()) {
    EndProgram(child);
    // Ended by the same signal, as whoever sent it expects.
    std::signal(signal, SIG_DFL);
    raise(signal);
    return 128 + signal;
  }
  return ExitCodeOf(child);
}
