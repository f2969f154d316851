#include "game_link/send_result.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrelle {
namespace {

ClientResult Client(std::string title, ClientOutcome outcome, int linesTaken = 8, bool partLine = false,
                    int leftOut = 0) {
  return {.title = std::move(title),
          .outcome = outcome,
          .lines = 8,
          .linesTaken = linesTaken,
          .partLine = partLine,
          .lettersLeftOut = leftOut};
}

// What the player reads when the typing ends: the status line always, the list of clients that missed
// text with the reason whenever one did.
TEST(SendResult, ThePlayerReadsWhichClientsMissedTextAndWhy) {
  using enum ClientOutcome;
  const struct {
    const char* what;
    SendResult result;
    std::string summary;
    std::string missed;
    bool faulted;
    bool delivered = false;  // the text is done with: every client that may have run got it
  } cases[] = {
      {"no client", {}, "No game client is running.", "", false},
      {"one client took it", {.clients = {Client("Ann", Typed)}}, "Typed into Ann.", "", false, true},
      {"none reached, native clients out of reach", {.outOfReach = true}, "No game client could be reached.", "", false},
      {"two took it, native clients out of reach", {.clients = {Client("Ann", Typed), Client("Bob", Typed)}, .outOfReach = true},
       "Typed into 2 game clients; native game clients could not be reached.", "", false},
      {"two took it", {.clients = {Client("Ann", Typed), Client("Bob", Typed)}}, "Typed into 2 game clients.", "", false, true},
      {"one of two not answering mid-line",
       {.clients = {Client("Ann", NotAnswering, 2, true), Client("Bob", Typed)}},
       "1 of 2 game clients did not get the whole text.",
       "These game clients did not get the whole text:\r\n\r\n"
       "Ann: not answering (it got 2 of 8 lines and part of line 3, still in its chat line)",
       true},
      {"closed after whole lines, kept from the front before any",
       {.clients = {Client("Ann", Closed, 3), Client("", KeptFromFront, 0)}},
       "2 of 2 game clients did not get the whole text.",
       "These game clients did not get the whole text:\r\n\r\n"
       "Ann: closed (it got 3 of 8 lines)\r\n"
       "(untitled window): could not be brought to the front (click it, then press Translate again) (it got nothing)",
       true},
      {"stopped by the player: the second client got nothing",
       {.clients = {Client("Ann", Stopped, 1, true), Client("Bob", Stopped, 0)}, .stopped = true},
       "Stopped: 0 of 2 game clients got the whole text.",
       "These game clients did not get the whole text:\r\n\r\n"
       "Ann: stopped (it got 1 of 8 lines and part of line 2, still in its chat line)\r\n"
       "Bob: stopped (it got nothing)",
       false},
      {"letters the classic client cannot type",
       {.clients = {Client("Ann", Typed, 8, false, 3), Client("Bob", Typed)}},
       "1 of 2 game clients did not get the whole text.",
       "These game clients did not get the whole text:\r\n\r\nAnn: 3 letters it cannot type left out",
       true},
      {"closed, and a letter left out",
       {.clients = {Client("Ann", Closed, 0, true, 1)}},
       "1 of 1 game client did not get the whole text.",
       "These game clients did not get the whole text:\r\n\r\n"
       "Ann: closed (it got 0 of 8 lines and part of line 1, still in its chat line); 1 letter it cannot type left out",
       true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SummaryText(c.result), c.summary) << c.what;
    EXPECT_EQ(MissedText(c.result), c.missed) << c.what;
    EXPECT_EQ(c.result.Faulted(), c.faulted) << c.what;
    EXPECT_EQ(c.result.Delivered(), c.delivered) << c.what;
  }
}

TEST(SendResult, ProgressNamesTheLineAndTheClient) {
  EXPECT_EQ(ProgressText({.line = 3, .lines = 8, .title = "Ultima Online - Ann", .client = 1, .clients = 2}),
            "Typing line 3 of 8 into Ultima Online - Ann (1 of 2)");
  EXPECT_EQ(ProgressText({.line = 1, .lines = 1, .title = "Ann"}), "Typing line 1 of 1 into Ann");
}

}  // namespace
}  // namespace kestrelle
