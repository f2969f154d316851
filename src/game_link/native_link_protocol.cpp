#include "game_link/native_link_protocol.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace kestrelle {

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

struct OutcomeName {
  TypingOutcome outcome;
  std::string_view name;
};
constexpr std::array<OutcomeName, 3> kOutcomeNames = {{
    {TypingOutcome::Typed, "typed"},
    {TypingOutcome::WindowLost, "dropped"},
    {TypingOutcome::Stopped, "stopped"},
}};

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
         " " + Hex(request.text);
}

std::optional<NativeTypeRequest> ParseTypeRequest(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 4 || fields[0] != "type") return std::nullopt;
  const std::optional<std::int32_t> charDelay = Number(fields[1]);
  const std::optional<std::int32_t> lineDelay = Number(fields[2]);
  std::optional<std::string> text = Unhex(fields[3]);
  if (!charDelay || !lineDelay || !text) return std::nullopt;
  return NativeTypeRequest{{*charDelay, *lineDelay}, std::move(*text)};
}

std::string FormatReply(const NativeReply& reply) {
  switch (reply.kind) {
    case NativeReply::Kind::Clients:
      return "clients " + std::to_string(reply.clients);
    case NativeReply::Kind::Progress:
      return "line";
    case NativeReply::Kind::Client:
      for (const OutcomeName& named : kOutcomeNames) {
        if (named.outcome == reply.outcome) return "client " + std::string(named.name) + " " + Hex(reply.text);
      }
      break;
    case NativeReply::Kind::Notice:
      return "notice " + Hex(reply.text);
    case NativeReply::Kind::Done:
      break;
  }
  return "done";
}

std::optional<NativeReply> ParseReply(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  NativeReply reply;
  if (fields.size() == 1 && fields[0] == "line") {
    reply.kind = NativeReply::Kind::Progress;
    return reply;
  }
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
    reply.text = std::move(*text);
    return reply;
  }
  if (fields.size() != 3 || fields[0] != "client") return std::nullopt;
  std::optional<std::string> title = Unhex(fields[2]);
  if (!title) return std::nullopt;
  for (const OutcomeName& named : kOutcomeNames) {
    if (named.name != fields[1]) continue;
    reply.kind = NativeReply::Kind::Client;
    reply.outcome = named.outcome;
    reply.text = std::move(*title);
    return reply;
  }
  return std::nullopt;
}

}  // namespace kestrelle
