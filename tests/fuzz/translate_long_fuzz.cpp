// Differential fuzz target for long texts: the fuzzed text repeated past every size at which the engine,
// the compiled style and the output writer change how they hold memory (candidate lists trimmed and given
// back, the linked text dropped, the writer's partial writes). The copies are joined by a
// byte that no rule string and no word ender holds, so no occurrence crosses a joint and the plain walk
// can take the copies one at a time, random choices included. Checked:
//  - the engine's text and generator after a run that was stopped part way, against the plain walk;
//  - that text finished through the writer in the engine's pieces, against the whole text finished at once;
//  - the style used once more, on the fuzzed text alone, against a fresh style (the filter's --lines after
//    a long line, the window after a large file).
// Input: see fuzzed_rules.h.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ascii_case.h"
#include "fuzzed_rules.h"
#include "literal_translator.h"
#include "speech/compiled_style.h"
#include "speech/short_text.h"
#include "speech/text_preparation.h"
#include "speech/text_tools.h"

namespace {

constexpr size_t kMaxText = 512;
constexpr size_t kLongText = kestrelle::kShortText + kestrelle::kShortText / 4;

// A byte in none of the strings and no word ender or line break, in either case (the rules match the text
// lowered); nothing when every byte is taken.
std::optional<char> Joint(const kestrelle::fuzz::FuzzedRules& fuzzed) {
  std::string taken = " .!?,|\n\r" + fuzzed.text;
  for (const std::string& s : fuzzed.strings) taken += s;
  for (char& c : taken) c = kestrelle::AsciiLower(c);
  for (int c = 1; c < 256; ++c) {
    if (taken.find(kestrelle::AsciiLower(static_cast<char>(c))) == std::string::npos) return static_cast<char>(c);
  }
  return std::nullopt;
}

std::string Join(const std::vector<std::string>& parts, char joint) {
  std::string joined;
  for (const std::string& part : parts) (joined += part) += joint;
  return joined;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace kestrelle;
  const std::optional<fuzz::FuzzedRules> fuzzed = fuzz::ReadFuzzedRules(data, size, kMaxText);
  if (!fuzzed || fuzzed->text.empty()) return 0;
  const std::optional<char> joint = Joint(*fuzzed);
  if (!joint) return 0;
  const std::vector<std::string> copies(kLongText / (fuzzed->text.size() + 1) + 1, fuzzed->text);
  const std::string text = Join(copies, *joint);
  CompiledStyle style(fuzzed->rules, fuzz::kFuzzedBase);

  // A run stopped part way leaves candidates behind that the next run must not see.
  Translator stopped = fuzzed->translator;
  int alternatives = 0;
  const int stopAfter = static_cast<int>(data[0] % 4) + 1;
  style.Rewrite(text, stopped, [&] { return ++alternatives < stopAfter; }, [](std::string_view) {});

  Translator engine = fuzzed->translator;
  Translator plain = engine;
  std::string rewritten;
  std::string finished;
  FinishedTextWriter writer([&](std::string_view piece) { finished += piece; });
  style.Rewrite(text, engine, BetweenAlternatives(), [&](std::string_view piece) {
    rewritten += piece;
    writer.Add(piece);
  });
  writer.End();
  fuzz::ExpectSame(rewritten, engine, Join(oracle::LiteralTranslateParts(plain, copies, fuzzed->rules), *joint), plain);
  CapitaliseSentences(rewritten);
  rewritten.erase(rewritten.find_last_not_of(' ') + 1);
  fuzz::ExpectSame(finished, engine, rewritten, engine);  // the text finished in pieces

  Translator fresh = engine;
  std::string again;
  std::string expected;
  style.Rewrite(fuzzed->text, engine, BetweenAlternatives(), [&](std::string_view piece) { again += piece; });
  CompiledStyle(fuzzed->rules, fuzz::kFuzzedBase)
      .Rewrite(fuzzed->text, fresh, BetweenAlternatives(), [&](std::string_view piece) { expected += piece; });
  fuzz::ExpectSame(again, engine, expected, fresh);
  return 0;
}
