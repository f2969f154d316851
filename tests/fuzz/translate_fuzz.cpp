// Differential fuzz target: the engine and the plain rule walk must give the same text and leave the
// generator in the same state, for the whole text, for its lines in turn through one engine and one
// generator (as the filter's --lines), and for the Translate command's steps with game command lines
// left alone. And the text's case decides nothing but the case of what no rule replaced: lower-cased, it
// draws the same and comes out the same but for case. Input: see fuzzed_rules.h.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/ascii_case.h"
#include "fuzzed_rules.h"
#include "literal_translator.h"
#include "speech/compiled_rules.h"
#include "speech/compiled_style.h"
#include "speech/linked_text.h"
#include "speech/rewrite_engine.h"
#include "speech/rule_set.h"

namespace {
constexpr size_t kMaxText = 512;  // the plain walk is quadratic
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace kestrelle;
  const std::optional<fuzz::FuzzedRules> fuzzed = fuzz::ReadFuzzedRules(data, size, kMaxText);
  if (!fuzzed) return 0;
  const std::string& text = fuzzed->text;
  const RuleTable& rules = fuzzed->rules;

  Translator engine = fuzzed->translator;
  Translator plain = engine;
  std::string rewritten;
  CompiledStyle whole(rules, fuzz::kFuzzedBase);
  whole.Rewrite(text, engine, BetweenAlternatives(), [&](std::string_view piece) { rewritten += piece; });
  fuzz::ExpectSame(rewritten, engine, oracle::LiteralTranslate(plain, text, rules), plain);

  const auto lower = [](std::string s) {
    for (char& c : s) c = AsciiLower(c);
    return s;
  };
  Translator lowered = fuzzed->translator;
  std::string rewrittenLow;
  CompiledStyle(rules, fuzz::kFuzzedBase)
      .Rewrite(lower(text), lowered, BetweenAlternatives(), [&](std::string_view piece) { rewrittenLow += piece; });
  fuzz::ExpectSame(lower(rewritten), engine, lower(rewrittenLow), lowered);

  Translator commands = engine;
  plain = engine;
  CompiledStyle style(rules, fuzz::kFuzzedBase);
  const std::optional<std::string> kept =
      TranslateText(style, commands, text, GameCommands::LeaveAlone, [] { return true; });
  fuzz::ExpectSame(*kept, commands, oracle::LiteralTranslateKeepingCommands(plain, text, rules), plain);

  const CompiledRules compiled(ReadRuleSet(rules, fuzz::kFuzzedBase));
  RewriteEngine reused(compiled);
  for (std::string_view rest = text; !rest.empty();) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    const std::string line(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
    plain = engine;
    LinkedText linked(line);
    reused.Run(linked, engine, BetweenAlternatives());
    fuzz::ExpectSame(linked.ToString(), engine, oracle::LiteralTranslate(plain, line, rules), plain);
  }
  return 0;
}
