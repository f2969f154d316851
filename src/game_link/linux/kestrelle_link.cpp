// kestrelle-link <program> [arguments...]: starts the program (Kestrelle.exe through wine) with two pipes
// as its standard input and output and the variable KESTRELLE_NATIVE_LINK set, and answers its requests to
// type into the native game client windows of the X display (see native_link_protocol.h) until it ends.
// Only the program and what it starts hold the pipes: no other user of the machine can reach the link.
// Exits with the program's exit code.
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>

#include "game_link/linux/link_channel.h"
#include "game_link/linux/native_typing.h"
#include "game_link/linux/unique_fd.h"
#include "game_link/native_link_protocol.h"

namespace {

using kestrelle::x11::UniqueFd;

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

[[noreturn]] void RunProgram(char** argv, const Pipe& requests, const Pipe& replies) {
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kestrelle-link <program> [arguments...]\n");
    return 2;
  }
  // A reply to a program that has ended must not end the link.
  std::signal(SIGPIPE, SIG_IGN);
  Pipe requests;  // the program writes, the link reads
  Pipe replies;   // the link writes, the program reads
  if (!MakePipe(requests) || !MakePipe(replies)) {
    std::perror("kestrelle-link: pipe");
    return 1;
  }
  const pid_t child = fork();
  if (child < 0) {
    std::perror("kestrelle-link: fork");
    return 1;
  }
  if (child == 0) RunProgram(argv + 1, requests, replies);
  requests.write.Reset();
  replies.read.Reset();

  // A process descriptor (Linux 5.3), asked for directly: not every C library declares it for C++.
  const UniqueFd childEnded(static_cast<int>(syscall(SYS_pidfd_open, child, 0)));
  kestrelle::x11::LinkChannel channel(requests.read.Get(), replies.write.Get(), childEnded.Get());
  bool waylandExplained = false;
  while (const std::optional<std::string> line = channel.NextRequest()) {
    // Anything else (a stop that came after its typing had ended) has nothing to act on.
    if (*line == kestrelle::kListRequest) {
      kestrelle::x11::AnswerListRequest(channel);
    } else if (const std::optional<kestrelle::NativeTypeRequest> request = kestrelle::ParseTypeRequest(*line)) {
      kestrelle::x11::AnswerTypeRequest(*request, channel, waylandExplained);
    }
  }
  return ExitCodeOf(child);
}
