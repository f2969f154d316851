#pragma once
// The clocks the recording client logs with and the tests and the typing benchmark measure with: the
// high-resolution counter in microseconds, and this process's processor time in milliseconds.
#include <windows.h>

namespace kestrelle::test {

inline long long NowMicroseconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  const long long f = frequency.QuadPart;
  return now.QuadPart / f * 1000000 + now.QuadPart % f * 1000000 / f;
}

inline double ProcessorMs() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto hundredNs = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(hundredNs(kernel) + hundredNs(user)) / 10000.0;
}

}  // namespace kestrelle::test
