// Kestrelle's end of the native link, run by fake_link.py, which plays the link on the program's standard
// handles: a typing that the command is asked to stop, a link that breaks off in the middle, and (in a run
// of its own) a link that answers a stop late.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game_link/game_link.h"
#include "game_link/native_link.h"

namespace kestrelle {
namespace {

constexpr TypingDelays kDelays{1, 1};

CommandStop* stopOnTimer = nullptr;

using Told = std::tuple<std::string, ClientOutcome, int, bool>;  // title, outcome, lines taken, part line

std::vector<Told> ToldOf(const SendResult& result) {
  std::vector<Told> told;
  for (const ClientResult& client : result.clients) told.emplace_back(client.title, client.outcome, client.linesTaken, client.partLine);
  return told;
}

void CALLBACK RequestStop(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  stopOnTimer->Request();
}

// A command whose stop is asked for 300 ms after it starts; it must end well within a client's time-out.
SendResult SendStoppedSoon(CommandStop& stop) {
  stopOnTimer = &stop;
  SetTimer(nullptr, 0, 300, RequestStop);
  const DWORD start = GetTickCount();
  const SendResult result = SendToGame("Hail", kDelays, stop);
  EXPECT_TRUE(result.stopped);
  EXPECT_LT(GetTickCount() - start, 5000u);
  return result;
}

TEST(NativeLinkEnd, StopIsPassedOnAndEndsTheCommand) {
  ASSERT_NE(NativeLink::OfThisProcess(), nullptr) << "run by fake_link.py";
  CommandStop stop;
  const SendResult result = SendStoppedSoon(stop);
  EXPECT_EQ(ToldOf(result), (std::vector<Told>{{"ClassicUO - 1", ClientOutcome::Stopped, 0, true},
                                               {"", ClientOutcome::Stopped, 0, false}}));
  EXPECT_NE(NativeLink::OfThisProcess(), nullptr) << "a stopped link stays in use";
  // Stopped before they are reached, the native clients are counted as stopped and get nothing.
  const SendResult before = SendToGame("Hail", kDelays, stop);
  EXPECT_TRUE(before.stopped);
  EXPECT_EQ(ToldOf(before), (std::vector<Told>(4, {"", ClientOutcome::Stopped, 0, false})));
}

TEST(NativeLinkEnd, ALinkThatBreaksOffLeavesItsClientsNotAnsweringAndIsGivenUp) {
  ASSERT_NE(NativeLink::OfThisProcess(), nullptr) << "run by fake_link.py";
  TypingProgress last;
  const SendResult result =
      SendToGame("Hail", kDelays, CommandStop(), {.onProgress = [&](const TypingProgress& progress) { last = progress; }});
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(ToldOf(result), (std::vector<Told>{{"ClassicUO - Zoë", ClientOutcome::Typed, 1, false},
                                               {"ClassicUO - 2", ClientOutcome::NotAnswering, 1, true},
                                               {"ClassicUO - 3", ClientOutcome::NotAnswering, 0, false},
                                               {"", ClientOutcome::NotAnswering, 0, false}}));
  EXPECT_EQ(ProgressText(last), "Typing line 1 of 2 into ClassicUO - 3 (3 of 4)");
  EXPECT_EQ(result.notice, "ClassicUO runs elsewhere\r\n\r\n" + std::string(kNativeLinkEndedNotice));
  EXPECT_EQ(NativeLink::OfThisProcess(), nullptr);
  // Without the link, nothing reaches out any more, and every command says so.
  for (int command = 0; command < 2; ++command) {
    const SendResult later = SendToGame("Hail", kDelays, CommandStop());
    EXPECT_TRUE(later.clients.empty());
    EXPECT_EQ(later.notice, kNativeLinkEndedNotice);
    EXPECT_EQ(SummaryText(later), "No game client could be reached.");
  }
}

// The window stays live while the link is waited for, and not longer than a moment after the stop; the link
// answering late stays in use, and the next command reaches its clients.
TEST(NativeLinkEnd, ALinkThatAnswersAStopLateIsKept) {
  ASSERT_NE(NativeLink::OfThisProcess(), nullptr) << "run by fake_link.py";
  static int ticks = 0;
  SetTimer(nullptr, 0, 800, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    ++ticks;
  });
  CommandStop stop;
  const SendResult result = SendStoppedSoon(stop);
  EXPECT_EQ(ToldOf(result), (std::vector<Told>{{"ClassicUO - 1", ClientOutcome::Stopped, 0, false},
                                               {"", ClientOutcome::Stopped, 0, false}}));
  EXPECT_EQ(ticks, 1) << "the window's messages were handled meanwhile";
  ASSERT_NE(NativeLink::OfThisProcess(), nullptr);
  const SendResult next = SendToGame("Hail", kDelays, CommandStop());
  EXPECT_EQ(ToldOf(next), (std::vector<Told>{{"ClassicUO - 1", ClientOutcome::Typed, 1, false}}));
  EXPECT_TRUE(next.notice.empty()) << next.notice;
}

}  // namespace
}  // namespace kestrelle
