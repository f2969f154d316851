#pragma once
// Helpers of the game link tests: what the typing should send, the tick's resolution, processor time, and
// a small window whose messages a test handles itself.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "process_clocks.h"
#include "game_link/typing.h"

namespace kestrelle::test {

// One character the typing sends to the classic client, with the milliseconds of waiting asked for since
// the previous one; text is plain ASCII.
struct ExpectedKey {
  char c;
  std::int32_t waitedMs;
};
std::vector<ExpectedKey> ExpectedKeys(std::string_view text, const TypingDelays& delays);
std::string KeysText(const std::vector<ExpectedKey>& keys);

// The largest step of GetTickCount seen over a few of its increments.
int TickResolutionMs();

// User plus kernel time of this process, in milliseconds.

class TestWindow {
 public:
  // Returns true when it handled the message; otherwise the default handling applies.
  using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM)>;
  explicit TestWindow(Handler handler);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  Handler handler_;
  HWND window_ = nullptr;
};

}  // namespace kestrelle::test
