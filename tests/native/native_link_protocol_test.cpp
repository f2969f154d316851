#include "game_link/native_link_protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace kestrelle {
namespace {

// The fields a reply carries over the link.
auto Fields(const NativeReply& r) {
  return std::tie(r.kind, r.clients, r.progress.client, r.progress.line, r.progress.lines, r.progress.title,
                  r.client.title, r.client.outcome, r.client.lines, r.client.linesTaken, r.client.partLine,
                  r.client.lettersLeftOut, r.notice);
}

// Every character, the line end and the field separator among them, arrives as it was sent.
TEST(NativeLinkProtocol, RequestsAndRepliesArriveWhole) {
  std::string everyByte;
  for (int code = 0; code < 256; ++code) everyByte += static_cast<char>(code);
  for (const std::u32string& text : {std::u32string(), std::u32string(U"Hail, caf\u00e9 \U0010FFFF\n\r")}) {
    const std::string line = FormatTypeRequest({{25, 3000}, text});
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const std::optional<NativeTypeRequest> request = ParseTypeRequest(line);
    ASSERT_TRUE(request) << line;
    EXPECT_EQ(std::tie(request->text, request->delays.charDelay, request->delays.lineDelay), std::tuple(text, 25, 3000));
  }
  const NativeReply replies[] = {
      {.kind = NativeReply::Kind::Clients, .clients = 3},
      {.kind = NativeReply::Kind::Progress, .progress = {.line = 3, .lines = 8, .title = everyByte, .client = 2}},
      {.kind = NativeReply::Kind::Client, .client = {.title = "ClassicUO - 1.1.0", .lines = 2, .linesTaken = 2}},
      {.kind = NativeReply::Kind::Client, .client = {.outcome = ClientOutcome::NotAnswering, .lines = 3, .partLine = true}},
      {.kind = NativeReply::Kind::Client, .client = {.outcome = ClientOutcome::Closed, .lines = 1, .lettersLeftOut = 12}},
      {.kind = NativeReply::Kind::Client, .client = {.outcome = ClientOutcome::KeptFromFront}},
      {.kind = NativeReply::Kind::Client, .client = {.title = everyByte, .outcome = ClientOutcome::Stopped, .lines = 9, .linesTaken = 4}},
      {.kind = NativeReply::Kind::Notice, .notice = std::string(kWaylandNotice)},
      {.kind = NativeReply::Kind::Done},
  };
  for (const NativeReply& sent : replies) {
    const std::string line = FormatReply(sent);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const std::optional<NativeReply> received = ParseReply(line);
    ASSERT_TRUE(received) << line;
    EXPECT_EQ(Fields(*received), Fields(sent)) << line;
  }
}

TEST(NativeLinkProtocol, MalformedLinesAreRefused) {
  for (const char* line : {"", "type", "type 25 3000", "type 25 3000 00004", "type 25 3000 00006G",
                           "type 25 3000 000041 000042", "type x 3000 000041", "type 25 99999999999 000041",
                           "type 25  000041", "TYPE 25 3000 000041", "type 25 3000 00004A", "type 25 3000 110000",
                           "stop", "list"}) {
    EXPECT_FALSE(ParseTypeRequest(line)) << line;
  }
  for (const char* line : {"", "clients", "clients -1", "clients 2x", "client typed 1 1 0", "client lost 1 1 0 0 41",
                           "client typed 1 1 0 0 4", "client typed 1 2 0 0 41", "client typed 1 1 2 0 41",
                           "client typed 1 1 0 -1 41", "client typed 1 1 0 41", "notice", "done 1", "line",
                           "line 0 1 1 41", "line 1 0 0 41", "Done"}) {
    EXPECT_FALSE(ParseReply(line)) << line;
  }
  // A progress line past the count it names is still shown, as far as it has got.
  EXPECT_EQ(ParseReply("line 1 3 2 41").value_or(NativeReply{}).progress.lines, 3);
}

}  // namespace
}  // namespace kestrelle
