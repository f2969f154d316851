#include "ui/timer.h"

#include <map>

#include "ui/application.h"

namespace kestrelle::ui {
namespace {

std::map<UINT_PTR, Timer*>& TimersById() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}

}  // namespace

Timer::Timer(UINT intervalMs, bool enabled) : intervalMs_(intervalMs) { SetEnabled(enabled); }

Timer::~Timer() { SetEnabled(false); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (enabled) {
    id_ = SetTimer(nullptr, 0, intervalMs_, &Timer::Tick);
    if (id_ != 0) TimersById()[id_] = this;
  } else {
    KillTimer(nullptr, id_);
    TimersById().erase(id_);
    id_ = 0;
  }
}

void Timer::SetInterval(UINT intervalMs) {
  intervalMs_ = intervalMs;
  if (Enabled()) {
    SetEnabled(false);
    SetEnabled(true);
  }
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = TimersById().find(id);
  if (found == TimersById().end()) return;
  Timer* timer = found->second;
  Guarded([timer] {
    if (timer->onTimer) timer->onTimer();
  });
}

}  // namespace kestrelle::ui
