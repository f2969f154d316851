// Differential fuzz target: the engine and the plain rule walk must give the same text and leave the
// generator in the same state. Input: a seed byte, then rule strings one a line (pattern, replacement,
// ...), then a NUL byte and the text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "literal_translator.h"
#include "translator/rule_strings.h"
#include "translator/translator.h"

namespace {

constexpr size_t kMaxStrings = 24;
constexpr size_t kMaxText = 512;  // the plain walk is quadratic

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0', 1);
  if (nul == std::string_view::npos) return 0;
  const std::string_view text = input.substr(nul + 1, kMaxText);
  std::vector<std::string> strings;
  for (std::string_view rest = input.substr(1, nul - 1); !rest.empty() && strings.size() < kMaxStrings;) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    strings.emplace_back(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  strings.emplace_back("%STOP");
  kestrelle::RuleTable rules;
  rules.AddStyle(1000, strings);

  kestrelle::Translator engine;
  engine.StyleBase = 1000;
  engine.RandomSeed = static_cast<std::uint8_t>(input[0]);
  kestrelle::Translator plain = engine;
  const std::string fast = engine.Translate(text, rules);
  const std::string expected = kestrelle::oracle::LiteralTranslate(plain, text, rules);
  if (fast != expected || engine.RandomSeed != plain.RandomSeed) {
    std::fprintf(stderr, "engine and plain walk differ\nengine: [%s]\nplain:  [%s]\n", fast.c_str(), expected.c_str());
    std::abort();
  }
  return 0;
}
