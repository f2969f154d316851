#include "speech/translator.h"

#include <algorithm>

namespace kestrelle {

std::uint32_t Translator::RandomBelow(std::uint32_t n) {
  RandomSeed = RandomSeed * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandomSeed) * n) >> 32);
}

std::string Translator::ExpandMacros(std::string_view replacement, std::string_view echo) {
  std::string out;
  ExpandInto(replacement, echo, out);
  return out;
}

void Translator::ExpandMacrosInto(std::string_view replacement, std::string_view echo, std::string& out) {
  out.clear();
  ExpandInto(replacement, echo, out);
}

void Translator::ExpandInto(std::string_view rest, std::string_view echo, std::string& out) {
  static constexpr std::string_view kEcho = "%ECHO";
  static constexpr std::string_view kRandom = "%RANDOM(";
  for (;;) {
    const size_t percent = rest.find('%');
    if (percent == std::string_view::npos) {
      out += rest;
      return;
    }
    out += rest.substr(0, percent);
    rest.remove_prefix(percent);
    if (rest.starts_with(kEcho)) {
      out += echo;
      rest.remove_prefix(kEcho.size());
    } else if (rest.starts_with(kRandom)) {
      rest.remove_prefix(kRandom.size());
      // The argument runs to the first ')'; without one it is empty and nothing of the rest is skipped.
      const size_t close = rest.find(')');
      const std::string_view argument = close == std::string_view::npos ? std::string_view() : rest.substr(0, close);
      const auto alternatives = static_cast<std::uint32_t>(std::count(argument.begin(), argument.end(), '|')) + 1;
      std::uint32_t skip = RandomBelow(alternatives);
      size_t begin = 0;
      while (skip-- > 0) begin = argument.find('|', begin) + 1;
      const size_t end = std::min(argument.find('|', begin), argument.size());
      ExpandInto(argument.substr(begin, end - begin), echo, out);
      if (close != std::string_view::npos) rest.remove_prefix(close + 1);
    } else {
      out += '%';
      rest.remove_prefix(1);
    }
  }
}

}  // namespace kestrelle
