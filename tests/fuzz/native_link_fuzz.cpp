// Fuzz target of the native link's messages, both ways: any bytes, taken as a line to the link and as one
// from it, parse without a fault, and each message parsed from them formats as one line that parses to
// the same message. The bytes also make messages of every kind (the first bytes their numbers, a title or
// notice the bytes themselves, the text to type three bytes a character), which must arrive whole.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>

#include "fuzz_check.h"
#include "game_link/native_link_protocol.h"

namespace {

using namespace kestrelle;
using fuzz::Check;

// The fields a reply carries over the link.
auto Fields(const NativeReply& r) {
  return std::tie(r.kind, r.clients, r.progress.client, r.progress.line, r.progress.lines, r.progress.title,
                  r.client.title, r.client.outcome, r.client.lines, r.client.linesTaken, r.client.partLine, r.notice);
}

void CheckOneLine(const std::string& line) {
  Check(line.find_first_of("\r\n") == std::string::npos, "a message formats as more than one line");
}

void CheckRequestArrives(const NativeTypeRequest& sent) {
  const std::string line = FormatTypeRequest(sent);
  CheckOneLine(line);
  const std::optional<NativeTypeRequest> received = ParseTypeRequest(line);
  Check(received && received->text == sent.text && received->delays.charDelay == sent.delays.charDelay &&
            received->delays.lineDelay == sent.delays.lineDelay,
        "a type request arrives otherwise than it was sent");
}

void CheckReplyArrives(const NativeReply& sent) {
  const std::string line = FormatReply(sent);
  CheckOneLine(line);
  const std::optional<NativeReply> received = ParseReply(line);
  Check(received && Fields(*received) == Fields(sent), "a reply arrives otherwise than it was sent");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (const std::optional<NativeTypeRequest> request = ParseTypeRequest(bytes)) CheckRequestArrives(*request);
  if (const std::optional<NativeReply> reply = ParseReply(bytes)) CheckReplyArrives(*reply);

  // The bytes as messages: their numbers from the first bytes, their texts the bytes themselves.
  std::array<std::int32_t, 4> numbers{};
  if (size > 0) std::memcpy(numbers.data(), data, std::min(size, sizeof numbers));
  const auto count = [&numbers](int i) { return numbers[i] & INT32_MAX; };
  NativeTypeRequest request{.delays = {numbers[0], numbers[1]}};
  constexpr char32_t kCharacters = 0x110000;
  for (size_t i = 0; i + 2 < size; i += 3) {
    request.text += (data[i] << 16 | data[i + 1] << 8 | data[i + 2]) % kCharacters;
  }
  CheckRequestArrives(request);
  CheckReplyArrives({.kind = NativeReply::Kind::Clients, .clients = count(0)});
  CheckReplyArrives({.kind = NativeReply::Kind::Notice, .notice = bytes});
  const int line = std::max(count(1), 1);
  CheckReplyArrives({.kind = NativeReply::Kind::Progress,
                     .progress = {.line = line, .lines = std::max(count(2), line), .title = bytes,
                                  .client = std::max(count(3), 1)}});
  constexpr int kOutcomes = static_cast<int>(ClientOutcome::Stopped) + 1;
  CheckReplyArrives({.kind = NativeReply::Kind::Client,
                     .client = {.title = bytes, .kind = GameClientKind::ClassicUO,
                                .outcome = static_cast<ClientOutcome>(count(3) % kOutcomes),
                                .lines = std::max(count(1), count(2)), .linesTaken = std::min(count(1), count(2)),
                                .partLine = numbers[3] < 0}});
  return 0;
}
