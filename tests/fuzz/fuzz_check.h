#pragma once
// A fuzz target's check: a broken one names the fault and aborts, which libFuzzer reports with the input.
#include <cstdio>
#include <cstdlib>

namespace kestrelle::fuzz {

inline void Check(bool condition, const char* fault) {
  if (condition) return;
  std::fprintf(stderr, "%s\n", fault);
  std::abort();
}

}  // namespace kestrelle::fuzz
