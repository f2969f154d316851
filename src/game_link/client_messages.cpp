#include "game_link/client_messages.h"

#include <set>

#include "game_link/wait_pumping.h"

namespace kestrelle {

namespace {

// A healthy client answers well within this; until then only messages sent to this thread (and the
// answers) are handled, and nothing posted is taken from the queue.
constexpr std::int32_t kQuietAnswerMs = 50;
// How often a window waited for is looked at to see whether it still exists.
constexpr std::int32_t kLookPeriodMs = 10;

// The numbers of the messages answered and not yet collected. The answer is delivered on this thread
// while it retrieves messages; the answer of a client given up on may come much later, and is then kept
// unread under its own number.
std::set<ULONG_PTR>& Answered() {
  static std::set<ULONG_PTR> answered;
  return answered;
}

void CALLBACK NoteAnswer(HWND, UINT, ULONG_PTR number, LRESULT) { Answered().insert(number); }

bool Collect(ULONG_PTR number) { return Answered().erase(number) > 0; }

bool AnsweredQuietly(ULONG_PTR number) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // handles sent messages and answers, removes nothing
    if (Collect(number)) return true;
    if (static_cast<std::int32_t>(GetTickCount() - start) >= kQuietAnswerMs) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace

ClientAnswer SendToClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const CommandStop& stop,
                          bool unicode, std::int32_t timeoutMs) {
  if (stop.Requested()) return ClientAnswer::Stopped;
  if (IsHungAppWindow(window)) return ClientAnswer::NotAnswering;
  static ULONG_PTR lastNumber = 0;
  const ULONG_PTR number = ++lastNumber;
  const BOOL sent = unicode ? SendMessageCallbackW(window, message, wParam, lParam, NoteAnswer, number)
                            : SendMessageCallbackA(window, message, wParam, lParam, NoteAnswer, number);
  if (!sent) return IsWindow(window) ? ClientAnswer::NotAnswering : ClientAnswer::Gone;
  if (AnsweredQuietly(number)) return ClientAnswer::Taken;

  const WaitCondition answered{[&] { return Answered().contains(number) || !IsWindow(window); }, kLookPeriodMs};
  switch (WaitPumping(timeoutMs - kQuietAnswerMs, stop, answered)) {
    case WaitEnd::Met:
      return Collect(number) ? ClientAnswer::Taken : ClientAnswer::Gone;
    case WaitEnd::TimeUp:
      return IsWindow(window) ? ClientAnswer::NotAnswering : ClientAnswer::Gone;
    case WaitEnd::Stopped:
      break;
  }
  return ClientAnswer::Stopped;
}

}  // namespace kestrelle
