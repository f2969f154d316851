// Kestrelle's end of the native link, run by fake_link.py, which plays the link on the program's standard
// handles: first a typing that the command is asked to stop, then a link that breaks off in the middle.
#include <windows.h>

#include <gtest/gtest.h>

#include "game_link/game_link.h"
#include "game_link/native_link.h"

namespace kestrelle {
namespace {

constexpr TypingDelays kDelays{1, 1};

CommandStop* stopOnTimer = nullptr;

void CALLBACK RequestStop(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  stopOnTimer->Request();
}

TEST(NativeLinkEnd, StopIsPassedOnAndEndsTheCommand) {
  ASSERT_NE(NativeLink::OfThisProcess(), nullptr) << "run by fake_link.py";
  CommandStop stop;
  stopOnTimer = &stop;
  SetTimer(nullptr, 0, 300, RequestStop);
  const DWORD start = GetTickCount();
  const SendResult result = SendToGame("Hail", kDelays, stop);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.clients, 2);
  EXPECT_EQ(result.completed, 0);
  EXPECT_EQ(result.dropped, 0);
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_NE(NativeLink::OfThisProcess(), nullptr) << "a stopped link stays in use";
}

TEST(NativeLinkEnd, ALinkThatBreaksOffDropsTheClientsLeftAndIsGivenUp) {
  ASSERT_NE(NativeLink::OfThisProcess(), nullptr) << "run by fake_link.py";
  const SendResult result = SendToGame("Hail", kDelays, CommandStop());
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(result.clients, 3);
  EXPECT_EQ(result.completed, 1);
  EXPECT_EQ(result.dropped, 2);
  EXPECT_EQ(result.notice, "ClassicUO runs elsewhere");
  EXPECT_EQ(NativeLink::OfThisProcess(), nullptr);
  // Without the link, nothing reaches out any more.
  EXPECT_EQ(SendToGame("Hail", kDelays, CommandStop()).clients, 0);
}

}  // namespace
}  // namespace kestrelle
