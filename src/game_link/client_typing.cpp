#include "game_link/client_typing.h"

#include <utility>

#include "base/utf16.h"
#include "game_link/client_messages.h"
#include "game_link/wait_pumping.h"
#include "ui/message_pump.h"

namespace kestrelle {

namespace {

// Typing with no pauses handles the window's messages this often, so that a Stop or a close still ends it.
constexpr std::int32_t kHandleMessagesEveryMs = 50;

}  // namespace

ClientTyping::ClientTyping(HWND window, GameClientKind kind, const CommandStop& stop, Foreground& foreground,
                           std::function<void(int line)> onLine)
    : window_(window),
      takesUnicode_(kind == GameClientKind::ClassicUO),
      needsFront_(kind == GameClientKind::ClassicUO),
      stop_(stop),
      foreground_(foreground),
      onLine_(std::move(onLine)),
      lastHandled_(GetTickCount()) {}

bool ClientTyping::Wait(std::int32_t ms) {
  if (ms > 0) {
    const WaitEnd end = WaitPumping(ms, stop_);
    lastHandled_ = GetTickCount();
    return end != WaitEnd::Stopped;
  }
  // No pause: the characters go out back to back, and the window's messages (a Stop, a close) are handled
  // only every so often, which costs the typing next to nothing.
  if (!stop_.Requested() && static_cast<std::int32_t>(GetTickCount() - lastHandled_) >= kHandleMessagesEveryMs) {
    lastHandled_ = GetTickCount();
    if (ui::ProcessPendingMessages()) return false;
  }
  return !stop_.Requested();
}

TypingOutcome ClientTyping::StartLine(int line) {
  line_ = line;
  partOfLine_ = false;
  if (onLine_) onLine_(line);
  return InFront();
}

TypingOutcome ClientTyping::Send(char32_t c) {
  if (const TypingOutcome front = InFront(); front != TypingOutcome::Typed) return front;
  TypingOutcome sent = TypingOutcome::Typed;
  if (takesUnicode_ && c == U'\r') {
    sent = Deliver(WM_KEYDOWN, VK_RETURN, kReturnDownKeyData);
    if (sent == TypingOutcome::Typed) sent = Deliver(WM_KEYUP, VK_RETURN, kReturnUpKeyData);
  } else {
    // Beyond the first plane, a surrogate pair: two messages.
    for (const char16_t unit : Utf16FromCharacters({&c, 1})) {
      sent = Deliver(WM_CHAR, unit, 1);
      if (sent != TypingOutcome::Typed) break;
    }
  }
  if (sent == TypingOutcome::Typed) partOfLine_ = true;
  return sent;
}

// Text typed while another window is in front would be dropped by ClassicUO: it is brought back first (the
// player may have clicked elsewhere during a pause), or given up when that cannot be done.
TypingOutcome ClientTyping::InFront() {
  if (!needsFront_ || foreground_.Current() == window_) return TypingOutcome::Typed;
  switch (BringToFront(window_, foreground_, stop_)) {
    case FrontResult::InFront:
      return TypingOutcome::Typed;
    case FrontResult::Refused:
      return Lost(ClientOutcome::KeptFromFront);
    case FrontResult::NotAnswering:
      return Lost(ClientOutcome::NotAnswering);
    case FrontResult::Closed:
      return Lost(ClientOutcome::Closed);
    case FrontResult::Stopped:
      break;
  }
  return TypingOutcome::Stopped;
}

TypingOutcome ClientTyping::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (SendToClient(window_, message, wParam, lParam, stop_, takesUnicode_)) {
    case ClientAnswer::Taken:
      return TypingOutcome::Typed;
    case ClientAnswer::NotAnswering:
      return Lost(ClientOutcome::NotAnswering);
    case ClientAnswer::Gone:
      return Lost(ClientOutcome::Closed);
    case ClientAnswer::Stopped:
      break;
  }
  return TypingOutcome::Stopped;
}

TypingOutcome ClientTyping::Lost(ClientOutcome why) {
  failure_ = why;
  return TypingOutcome::WindowLost;
}

}  // namespace kestrelle
