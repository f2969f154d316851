#include "game_link/native_link_protocol.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelle {
namespace {

// Every character, the line end and the field separator among them, arrives as it was sent.
TEST(NativeLinkProtocol, RequestsAndRepliesArriveWhole) {
  std::string everyByte;
  for (int code = 0; code < 256; ++code) everyByte += static_cast<char>(code);
  for (const std::string& text : {std::string(), std::string("Hail, friend!\r"), everyByte}) {
    const std::string line = FormatTypeRequest({{25, 3000}, text});
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const std::optional<NativeTypeRequest> request = ParseTypeRequest(line);
    ASSERT_TRUE(request) << line;
    EXPECT_EQ(request->text, text);
    EXPECT_EQ(request->delays.charDelay, 25);
    EXPECT_EQ(request->delays.lineDelay, 3000);
  }
  const NativeReply replies[] = {
      {.kind = NativeReply::Kind::Clients, .clients = 3},
      {.kind = NativeReply::Kind::Progress},
      {.kind = NativeReply::Kind::Client, .outcome = TypingOutcome::Typed, .text = "ClassicUO - 1.1.0"},
      {.kind = NativeReply::Kind::Client, .outcome = TypingOutcome::WindowLost, .text = ""},
      {.kind = NativeReply::Kind::Client, .outcome = TypingOutcome::Stopped, .text = everyByte},
      {.kind = NativeReply::Kind::Notice, .text = std::string(kWaylandNotice)},
      {.kind = NativeReply::Kind::Done},
  };
  for (const NativeReply& sent : replies) {
    const std::string line = FormatReply(sent);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const std::optional<NativeReply> received = ParseReply(line);
    ASSERT_TRUE(received) << line;
    EXPECT_EQ(received->kind, sent.kind) << line;
    EXPECT_EQ(received->clients, sent.clients) << line;
    EXPECT_EQ(received->outcome, sent.outcome) << line;
    EXPECT_EQ(received->text, sent.text) << line;
  }
}

TEST(NativeLinkProtocol, MalformedLinesAreRefused) {
  for (const char* line : {"", "type", "type 25 3000", "type 25 3000 616", "type 25 3000 6G", "type 25 3000 41 42",
                           "type x 3000 41", "type 25 99999999999 41", "type 25  41", "TYPE 25 3000 41",
                           "type 25 3000 4A", "stop"}) {
    EXPECT_FALSE(ParseTypeRequest(line)) << line;
  }
  for (const char* line : {"", "clients", "clients -1", "clients 2x", "client typed", "client lost 41",
                           "client typed 4", "notice", "done 1", "line 1", "Done"}) {
    EXPECT_FALSE(ParseReply(line)) << line;
  }
}

}  // namespace
}  // namespace kestrelle
