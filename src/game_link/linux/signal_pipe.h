#pragma once
// Signals as bytes on a pipe (the self-pipe way): a handler only writes the signal's number there, and the
// link's waits, which poll the pipe's read end beside the pipes to Kestrelle, act on it between two steps of
// the typing, where the keyboard map and the focus can be given back in order.
#include <csignal>
#include <vector>

#include "game_link/linux/unique_fd.h"

namespace kestrelle::x11 {

class SignalPipe {
 public:
  // The process has one: a signal handler has no context but this pipe.
  static SignalPipe& OfThisProcess();
  SignalPipe(const SignalPipe&) = delete;
  SignalPipe& operator=(const SignalPipe&) = delete;

  // Writes signal to the pipe whenever it comes from now on (SIGCHLD only for a child that has ended).
  void Catch(int signal);
  // Becomes readable when a signal has come; -1 when the pipe could not be made.
  int ReadEnd() const { return read_.Get(); }
  // The signals come since the last call, in order.
  std::vector<int> Take();

 private:
  SignalPipe();
  UniqueFd read_;
  UniqueFd write_;
};

// Blocks every signal for its lifetime (around a fork, so that no handler of the link's runs in the child
// before it has its own), and gives the previous mask back.
class SignalBlock {
 public:
  SignalBlock();
  ~SignalBlock();
  SignalBlock(const SignalBlock&) = delete;
  SignalBlock& operator=(const SignalBlock&) = delete;
  const sigset_t& Previous() const { return previous_; }

 private:
  sigset_t previous_;
};

}  // namespace kestrelle::x11
