#pragma once
// The input of the translate fuzz targets: a seed byte, then rule strings one a line (pattern,
// replacement, ...), then a NUL byte and the text. The rules take the ids from 1001 on and end in "%STOP".
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "speech/rule_strings.h"
#include "speech/translator.h"

namespace kestrelle::fuzz {

inline constexpr int kFuzzedBase = 1000;

struct FuzzedRules {
  std::vector<std::string> strings;
  RuleTable rules;
  Translator translator;  // the fuzzed seed and the rules' style
  std::string text;
};

// Nothing when the input has no NUL byte after its seed.
inline std::optional<FuzzedRules> ReadFuzzedRules(const std::uint8_t* data, size_t size, size_t maxText) {
  constexpr size_t kMaxStrings = 24;
  if (size < 2) return std::nullopt;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0', 1);
  if (nul == std::string_view::npos) return std::nullopt;
  FuzzedRules fuzzed;
  fuzzed.text = input.substr(nul + 1, maxText);
  for (std::string_view rest = input.substr(1, nul - 1); !rest.empty() && fuzzed.strings.size() < kMaxStrings;) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    fuzzed.strings.emplace_back(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  fuzzed.strings.emplace_back("%STOP");
  fuzzed.rules.AddStyle(kFuzzedBase, fuzzed.strings);
  fuzzed.translator.StyleBase = kFuzzedBase;
  fuzzed.translator.RandomSeed = static_cast<std::uint8_t>(input[0]);
  return fuzzed;
}

// Aborts, showing both texts, unless the engine and the plain walk gave the same text and left their
// generators in the same state.
inline void ExpectSame(const std::string& fast, const Translator& engine, const std::string& expected,
                       const Translator& plain) {
  if (fast != expected || engine.RandomSeed != plain.RandomSeed) {
    std::fprintf(stderr, "engine and plain walk differ\nengine: [%s]\nplain:  [%s]\n", fast.c_str(), expected.c_str());
    std::abort();
  }
}

}  // namespace kestrelle::fuzz
