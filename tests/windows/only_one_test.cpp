// Two copies of Kestrelle.exe: the second brings the first forward and ends, a copy started while the
// first is closing runs once it has gone, and a copy killed without its teardown does not keep the next
// start from running.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "app/instance_marker.h"
#include "started_program.h"
#include "test_support.h"

namespace kestrelle {
namespace {

bool MarkerPresent() { return ui::KernelHandle(OpenMutexA(SYNCHRONIZE, FALSE, InstanceMarkerName("Kestrelle").c_str())).Get(); }

// The threads that make a window anywhere while it lives (reported as this thread pumps).
class WindowMakers {
 public:
  WindowMakers() {
    recording_ = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &Record, 0, 0, WINEVENT_OUTOFCONTEXT);
  }
  ~WindowMakers() {
    UnhookWinEvent(hook_);
    recording_ = nullptr;
  }
  WindowMakers(const WindowMakers&) = delete;
  WindowMakers& operator=(const WindowMakers&) = delete;

  bool Made(DWORD thread) const { return threads_.count(thread) > 0; }

 private:
  // The system's callback takes no data of its own: it finds the one recording here.
  static void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD thread, DWORD) {
    if (object == OBJID_WINDOW && recording_ != nullptr) recording_->threads_.insert(thread);
  }
  static inline WindowMakers* recording_ = nullptr;

  HWINEVENTHOOK hook_ = nullptr;
  std::set<DWORD> threads_;
};

// Waits for a program to end while this thread's windows take their messages: bringing a window forward
// sends messages to the windows it passes.
bool EndsWhilePumping(const test::StartedProgram& program) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    if (program.Ended(20)) return true;
    test::Pump();
  }
  return false;
}

// Whether `upper` lies above `lower` among the top-level windows.
bool Above(HWND upper, HWND lower) {
  for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == upper) return true;
    if (window == lower) return false;
  }
  return false;
}

TEST(SingleInstance, SecondStartBringsTheFirstForwardAndEnds) {
  const WindowMakers windowMakers;
  const test::StartedProgram first;
  const HWND window = first.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << first.CommandLine();
  test::HostForm cover;
  ASSERT_TRUE(windowMakers.Made(first.MainThreadId())) << "window makers are seen";

  const struct {
    const char* name;
    std::function<void()> arrange;
    std::function<bool()> forward;
  } cases[] = {
      {"minimised", [&] { ShowWindow(window, SW_MINIMIZE); }, [&] { return !IsIconic(window); }},
      {"in the background", [&] { SetWindowPos(cover.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); },
       [&] { return Above(window, cover.Handle()); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.arrange();
    test::Pump();
    ASSERT_FALSE(c.forward()) << "arranged";
    const test::StartedProgram second;
    ASSERT_TRUE(EndsWhilePumping(second)) << "the second copy did not end";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(c.forward());
    EXPECT_FALSE(windowMakers.Made(second.MainThreadId())) << "the second copy made a window";
    EXPECT_FALSE(first.Ended(0));
  }

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(EndsWhilePumping(first));
  EXPECT_FALSE(MarkerPresent()) << "each copy deletes what it added";
}

// A copy started while the marker is held and no window shows waits for it to go, then runs; or ends, when
// it is held longer than the wait. The test holds it here, as a closing copy does.
TEST(SingleInstance, ARestartWhileTheOldCopyClosesRuns) {
  const struct {
    DWORD heldMs;
    bool runs;
  } cases[] = {{2000, true}, {9000, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.heldMs);
    SetLastError(ERROR_SUCCESS);
    ui::KernelHandle marker(CreateMutexA(nullptr, TRUE, InstanceMarkerName("Kestrelle").c_str()));
    ASSERT_TRUE(marker && GetLastError() != ERROR_ALREADY_EXISTS) << "no copy runs";
    const test::StartedProgram restarted;
    EXPECT_EQ(test::FindKestrelleWindow(restarted.Id(), c.heldMs), nullptr) << "ran while the marker was held";
    EXPECT_EQ(restarted.Ended(0), !c.runs);
    ReleaseMutex(marker.Get());
    marker.Reset();
    const HWND window = c.runs ? restarted.WaitForMainWindow() : nullptr;
    EXPECT_EQ(window != nullptr, c.runs);
    if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(EndsWhilePumping(restarted));
    EXPECT_EQ(restarted.ExitCode(), 0u);
  }
}

TEST(SingleInstance, KilledCopyDoesNotBlockTheNextStart) {
  const ui::WindowHandle folder(CreateWindowExA(0, "Static", "Kestrelle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                                100, nullptr, nullptr, nullptr, nullptr));
  {
    const test::StartedProgram killed;
    ASSERT_NE(killed.WaitForMainWindow(), nullptr) << killed.CommandLine();
    killed.Kill();
  }

  const test::StartedProgram next;
  const HWND window = next.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(next.Ended(1000)) << "the next start runs";
  SetWindowPos(folder.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  const test::StartedProgram further;
  EXPECT_TRUE(EndsWhilePumping(further)) << "the next start is the running copy";
  EXPECT_TRUE(Above(window, folder.Get())) << "brought forward";
  EXPECT_FALSE(next.Ended(0));

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(EndsWhilePumping(next));
  EXPECT_EQ(next.ExitCode(), 0u);
  EXPECT_FALSE(MarkerPresent());
}

TEST(SingleInstance, OfCopiesStartedAtOnceOneRuns) {
  const test::StartedProgram copies[4];
  const HWND window = test::FindKestrelleWindow(0, 10000);
  ASSERT_NE(window, nullptr);
  for (const auto& copy : copies) EXPECT_TRUE(test::FindKestrelleWindow(copy.Id(), 0) == window || EndsWhilePumping(copy));
  PostMessageA(window, WM_CLOSE, 0, 0);
  for (const auto& copy : copies) EXPECT_TRUE(EndsWhilePumping(copy));
}

}  // namespace
}  // namespace kestrelle
