#include "link_test_support.h"

namespace kestrelle::test {

namespace {

class KeyCollector final : public TypingTarget {
 public:
  bool Wait(std::int32_t ms) override {
    if (ms > 0) waited_ += ms;
    return true;
  }
  TypingOutcome Send(char32_t c) override {
    keys.push_back({static_cast<char>(c), waited_});
    waited_ = 0;
    return TypingOutcome::Typed;
  }
  std::vector<ExpectedKey> keys;

 private:
  std::int32_t waited_ = 0;
};

constexpr char kTestWindowClass[] = "KestrelleLinkTestWindow";

}  // namespace

std::vector<ExpectedKey> ExpectedKeys(std::string_view text, const TypingDelays& delays) {
  KeyCollector collector;
  TypeIntoWindow(std::u32string(text.begin(), text.end()), delays, collector);
  return collector.keys;
}

std::string KeysText(const std::vector<ExpectedKey>& keys) {
  std::string text;
  for (const ExpectedKey& k : keys) text += k.c;
  return text;
}

int TickResolutionMs() {
  static const int resolution = [] {
    DWORD largest = 1;
    DWORD last = GetTickCount();
    const DWORD start = last;
    for (int steps = 0; steps < 8 && GetTickCount() - start < 500;) {
      const DWORD now = GetTickCount();
      if (now == last) continue;
      if (now - last > largest) largest = now - last;
      last = now;
      ++steps;
    }
    return static_cast<int>(largest);
  }();
  return resolution;
}

TestWindow::TestWindow(Handler handler) : handler_(std::move(handler)) {
  static const ATOM registered = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestWindowClass;
    return RegisterClassA(&windowClass);
  }();
  (void)registered;
  window_ = CreateWindowExA(0, kTestWindowClass, "link test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
}

TestWindow::~TestWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

LRESULT CALLBACK TestWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && self->handler_ && self->handler_(window, message, wParam, lParam)) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace kestrelle::test
