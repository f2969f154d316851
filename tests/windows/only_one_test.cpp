// Copies of Kestrelle.exe side by side: a later start brings the running copy forward and ends without a
// window of its own; neither a copy that was killed nor a foreign window that carries the title keeps a
// start from running; and of copies started at the same instant, one runs.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "app/instance_marker.h"
#include "started_program.h"
#include "test_support.h"

namespace kestrelle {
namespace {

bool MarkerPresent() {
  const ui::KernelHandle marker(OpenMutexA(SYNCHRONIZE, FALSE, InstanceMarkerName("Kestrelle").c_str()));
  return static_cast<bool>(marker);
}

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

// The threads of any process that created a window while this watcher lived (reported as this thread
// takes its messages).
class WindowCreations {
 public:
  WindowCreations()
      : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &Record, 0, 0, WINEVENT_OUTOFCONTEXT)) {
    threads_.clear();
  }
  ~WindowCreations() { UnhookWinEvent(hook_); }
  WindowCreations(const WindowCreations&) = delete;
  WindowCreations& operator=(const WindowCreations&) = delete;

  bool By(DWORD thread) const {
    test::Pump();
    return threads_.count(thread) != 0;
  }

 private:
  static void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD thread, DWORD) {
    if (object == OBJID_WINDOW) threads_.insert(thread);
  }
  static inline std::set<DWORD> threads_;
  HWINEVENTHOOK hook_;
};

TEST(SingleInstance, SecondStartBringsTheFirstForwardAndEndsWithoutAWindow) {
  const WindowCreations creations;
  const test::StartedProgram first;
  const HWND window = first.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << first.CommandLine();
  ASSERT_TRUE(creations.By(first.MainThreadId())) << "window creations are seen";
  test::HostForm cover;

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
    EXPECT_FALSE(creations.By(second.MainThreadId())) << "the second copy made a window";
    EXPECT_FALSE(first.Ended(0));
  }

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(EndsWhilePumping(first));
  EXPECT_FALSE(MarkerPresent()) << "the marker went with the copy that held it";
}

// A folder window of the same name stays open throughout (where a player unzipped Kestrelle).
TEST(SingleInstance, NeitherAKilledCopyNorAForeignWindowBlocksTheNextStart) {
  const ui::WindowHandle foreign(CreateWindowExA(0, "Static", "Kestrelle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                                 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
  const struct {
    const char* name;
    std::function<void()> leaveBehind;
    std::function<void()> cleanUp;
  } cases[] = {
      {"a killed copy",
       [] {
         const test::StartedProgram killed;
         ASSERT_NE(killed.WaitForMainWindow(), nullptr) << killed.CommandLine();
         killed.Kill();
       },
       [] {}},
      {"the marker of an earlier build", [] { GlobalAddAtomA(InstanceMarkerName("Kestrelle").c_str()); },
       [] {
         while (const ATOM atom = GlobalFindAtomA(InstanceMarkerName("Kestrelle").c_str())) {
           if (GlobalDeleteAtom(atom) != 0) break;
         }
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.leaveBehind();
    const test::StartedProgram next;
    const HWND window = next.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(next.Ended(1000)) << "the next start runs";
    SetWindowPos(foreign.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const test::StartedProgram further;
    EXPECT_TRUE(EndsWhilePumping(further)) << "the next start is the running copy";
    EXPECT_TRUE(Above(window, foreign.Get())) << "the running copy came forward";
    EXPECT_FALSE(next.Ended(0));

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(EndsWhilePumping(next));
    EXPECT_EQ(next.ExitCode(), 0u);
    c.cleanUp();
  }
}

TEST(SingleInstance, OfCopiesStartedAtOnceOneRuns) {
  std::vector<std::unique_ptr<test::StartedProgram>> copies;
  for (int i = 0; i < 4; ++i) copies.push_back(std::make_unique<test::StartedProgram>(test::ProgramPath(), true));
  for (const auto& copy : copies) copy->Resume();
  const HWND window = test::FindKestrelleWindow(0, 10000);
  ASSERT_NE(window, nullptr);
  DWORD runningId = 0;
  GetWindowThreadProcessId(window, &runningId);
  for (const auto& copy : copies) {
    if (copy->Id() != runningId) {
      EXPECT_TRUE(EndsWhilePumping(*copy)) << "a second copy runs";
    }
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  for (const auto& copy : copies) EXPECT_TRUE(EndsWhilePumping(*copy));
  EXPECT_FALSE(MarkerPresent());
}

}  // namespace
}  // namespace kestrelle
