#include "game_link/native_link_protocol.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace kestrelle {

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

struct OutcomeName {
  ClientOutcome outcome;
  std::string_view name;
};
constexpr std::array<OutcomeName, 5> kOutcomeNames = {{
    {ClientOutcome::Typed, "typed"},
    {ClientOutcome::NotAnswering, "not-answering"},
    {ClientOutcome::Closed, "closed"},
    {ClientOutcome::KeptFromFront, "kept-from-front"},
    {ClientOutcome::Stopped, "stopped"},
}};

// Six digits a code point: the highest, 10FFFF, takes six.
constexpr int kCodePointDigits = 6;
constexpr char32_t kLastCodePoint = 0x10FFFF;

std::string Hex(std::string_view text) {
  std::string hex;
  hex.reserve(text.size() * 2);
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    hex += kHexDigits[code >> 4];
    hex += kHexDigits[code & 0xF];
  }
  return hex;
}

std::optional<std::string> Unhex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string text;
  text.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    const size_t high = kHexDigits.find(hex[i]);
    const size_t low = kHexDigits.find(hex[i + 1]);
    if (high == std::string_view::npos || low == std::string_view::npos) return std::nullopt;
    text += static_cast<char>(high * 16 + low);
  }
  return text;
}

std::string HexOfCodePoints(std::u32string_view text) {
  std::string hex;
  hex.reserve(text.size() * kCodePointDigits);
  for (const char32_t c : text) {
    for (int shift = (kCodePointDigits - 1) * 4; shift >= 0; shift -= 4) hex += kHexDigits[(c >> shift) & 0xF];
  }
  return hex;
}

std::optional<std::u32string> CodePointsOfHex(std::string_view hex) {
  if (hex.size() % kCodePointDigits != 0) return std::nullopt;
  std::u32string text;
  text.reserve(hex.size() / kCodePointDigits);
  for (size_t i = 0; i < hex.size(); i += kCodePointDigits) {
    char32_t c = 0;
    for (size_t digit = i; digit < i + kCodePointDigits; ++digit) {
      const size_t value = kHexDigits.find(hex[digit]);
      if (value == std::string_view::npos) return std::nullopt;
      c = c * 16 + static_cast<char32_t>(value);
    }
    if (c > kLastCodePoint) return std::nullopt;
    text += c;
  }
  return text;
}

// The line's fields, split at single blanks; an empty field (two blanks, or one at either end) is kept.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const size_t blank = line.find(' ');
    fields.push_back(line.substr(0, blank));
    if (blank == std::string_view::npos) return fields;
    line.remove_prefix(blank + 1);
  }
}

std::optional<std::int32_t> Number(std::string_view field) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || field.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatTypeRequest(const NativeTypeRequest& request) {
  return "type " + std::to_string(request.delays.charDelay) + " " + std::to_string(request.delays.lineDelay) +
         " " + HexOfCodePoints(request.text);
}

std::optional<NativeTypeRequest> ParseTypeRequest(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 4 || fields[0] != "type") return std::nullopt;
  const std::optional<std::int32_t> charDelay = Number(fields[1]);
  const std::optional<std::int32_t> lineDelay = Number(fields[2]);
  std::optional<std::u32string> text = CodePointsOfHex(fields[3]);
  if (!charDelay || !lineDelay || !text) return std::nullopt;
  return NativeTypeRequest{{*charDelay, *lineDelay}, std::move(*text)};
}

std::string FormatReply(const NativeReply& reply) {
  switch (reply.kind) {
    case NativeReply::Kind::Clients:
      return "clients " + std::to_string(reply.clients);
    case NativeReply::Kind::Progress:
      return "line " + std::to_string(reply.progress.client) + " " + std::to_string(reply.progress.line) + " " +
             std::to_string(reply.progress.lines) + " " + Hex(reply.progress.title);
    case NativeReply::Kind::Client:
      for (const OutcomeName& named : kOutcomeNames) {
        if (named.outcome != reply.client.outcome) continue;
        return "client " + std::string(named.name) + " " + std::to_string(reply.client.lines) + " " +
               std::to_string(reply.client.linesTaken) + " " + (reply.client.partLine ? "1" : "0") + " " +
               std::to_string(reply.client.lettersLeftOut) + " " + Hex(reply.client.title);
      }
      break;
    case NativeReply::Kind::Notice:
      return "notice " + Hex(reply.notice);
    case NativeReply::Kind::Done:
      break;
  }
  return "done";
}

std::optional<NativeReply> ParseReply(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  NativeReply reply;
  if (fields.size() == 1 && fields[0] == "done") return reply;
  if (fields.size() == 2 && fields[0] == "clients") {
    const std::optional<std::int32_t> clients = Number(fields[1]);
    if (!clients || *clients < 0) return std::nullopt;
    reply.kind = NativeReply::Kind::Clients;
    reply.clients = *clients;
    return reply;
  }
  if (fields.size() == 2 && fields[0] == "notice") {
    std::optional<std::string> text = Unhex(fields[1]);
    if (!text) return std::nullopt;
    reply.kind = NativeReply::Kind::Notice;
    reply.notice = std::move(*text);
    return reply;
  }
  if (fields.size() == 5 && fields[0] == "line") {
    const std::optional<std::int32_t> client = Number(fields[1]);
    const std::optional<std::int32_t> at = Number(fields[2]);
    const std::optional<std::int32_t> lines = Number(fields[3]);
    std::optional<std::string> title = Unhex(fields[4]);
    if (!client || !at || !lines || !title || *client < 1 || *at < 1) return std::nullopt;
    reply.kind = NativeReply::Kind::Progress;
    reply.progress = {.line = *at, .lines = std::max(*lines, *at), .title = std::move(*title), .client = *client};
    return reply;
  }
  if (fields.size() != 7 || fields[0] != "client" || (fields[4] != "0" && fields[4] != "1")) return std::nullopt;
  const std::optional<std::int32_t> lines = Number(fields[2]);
  const std::optional<std::int32_t> taken = Number(fields[3]);
  const std::optional<std::int32_t> leftOut = Number(fields[5]);
  std::optional<std::string> title = Unhex(fields[6]);
  if (!lines || !taken || !leftOut || !title || *taken < 0 || *lines < *taken || *leftOut < 0) return std::nullopt;
  for (const OutcomeName& named : kOutcomeNames) {
    if (named.name != fields[1]) continue;
    reply.kind = NativeReply::Kind::Client;
    reply.client = {.title = std::move(*title), .kind = GameClientKind::ClassicUO, .outcome = named.outcome,
                    .lines = *lines, .linesTaken = *taken, .partLine = fields[4] == "1", .lettersLeftOut = *leftOut};
    return reply;
  }
  return std::nullopt;
}

}  // namespace kestrelle
