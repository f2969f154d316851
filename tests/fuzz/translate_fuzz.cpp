// Differential fuzz target: the engine and the plain rule walk must give the same text and leave the
// generator in the same state, for the whole text, for its lines in turn through one engine and one
// generator (as the filter's --lines), and for the Translate command's steps with game command lines
// left alone. Input: a seed byte, then rule strings one a line (pattern,
// replacement, ...), then a NUL byte and the text.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "literal_translator.h"
#include "speech/compiled_rules.h"
#include "speech/compiled_style.h"
#include "speech/linked_text.h"
#include "speech/rewrite_engine.h"
#include "speech/rule_set.h"
#include "speech/rule_strings.h"
#include "speech/text_preparation.h"
#include "speech/translator.h"

namespace {

constexpr size_t kMaxStrings = 24;
constexpr size_t kMaxText = 512;  // the plain walk is quadratic

void ExpectSame(const std::string& fast, const kestrelle::Translator& engine, const std::string& expected,
                const kestrelle::Translator& plain) {
  if (fast != expected || engine.RandomSeed != plain.RandomSeed) {
    std::fprintf(stderr, "engine and plain walk differ\nengine: [%s]\nplain:  [%s]\n", fast.c_str(), expected.c_str());
    std::abort();
  }
}

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
  ExpectSame(engine.Translate(text, rules), engine, kestrelle::oracle::LiteralTranslate(plain, text, rules), plain);

  kestrelle::Translator commands = engine;
  plain = engine;
  kestrelle::CompiledStyle style(rules, 1000);
  const std::optional<std::string> kept = kestrelle::TranslateText(style, commands, std::string(text),
                                                                   kestrelle::GameCommands::LeaveAlone, [] { return true; });
  ExpectSame(*kept, commands, kestrelle::oracle::LiteralTranslateKeepingCommands(plain, text, rules), plain);

  const kestrelle::CompiledRules compiled(kestrelle::ReadRuleSet(rules, 1000));
  kestrelle::RewriteEngine reused(compiled);
  for (std::string_view rest = text; !rest.empty();) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    const std::string line(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
    plain = engine;
    kestrelle::LinkedText linked(line);
    reused.Run(linked, engine, kestrelle::BetweenAlternatives());
    ExpectSame(linked.ToString(), engine, kestrelle::oracle::LiteralTranslate(plain, line, rules), plain);
  }
  return 0;
}
