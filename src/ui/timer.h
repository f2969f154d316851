#pragma once
// A repeating timer of the window thread: onTimer runs from the message loop every interval while the
// timer is enabled.

#include <windows.h>

#include <functional>

namespace kestrelle::ui {

class Timer {
 public:
  explicit Timer(UINT intervalMs, bool enabled = false);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  std::function<void()> onTimer;

  bool Enabled() const { return id_ != 0; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return intervalMs_; }
  void SetInterval(UINT intervalMs);

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);

  UINT intervalMs_;
  UINT_PTR id_ = 0;
};

}  // namespace kestrelle::ui
