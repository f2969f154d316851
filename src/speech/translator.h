#pragma once
// The state that translations in a speech style share: the style chosen, the random generator, and the
// expansion of a replacement's macros, which draws from it. The rewriting itself is the engine's
// (rewrite_engine.h, run through a CompiledStyle). Its user (the Translator page, the command-line filter)
// keeps one Translator for the program's life, so the random choices go on from one translation to the
// next.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kestrelle {

// Called before each pattern alternative is applied; returning false ends the translation early (the
// window closes, for example). The window passes "process pending messages" here.
using BetweenAlternatives = std::function<bool()>;

class Translator {
 public:
  // Rule-id base of the style in use: 0 (no rules), 1000, 2000 or 3000. It must not change while a
  // translation runs.
  int StyleBase = 0;
  // State of the random generator; 0 at program start and never seeded from anything else.
  std::uint32_t RandomSeed = 0;

  // Advances the generator, then returns the high 32 bits of RandomSeed * n: a value in 0..n-1.
  std::uint32_t RandomBelow(std::uint32_t n);

  // Expands "%ECHO" (the matched text, echo) and "%RANDOM(a|b|...)" (one alternative, drawn) in a
  // replacement. A '%' that begins neither macro is copied as it is.
  std::string ExpandMacros(std::string_view replacement, std::string_view echo);
  // The same into out, which is cleared first: the engine keeps one string for every replacement.
  void ExpandMacrosInto(std::string_view replacement, std::string_view echo, std::string& out);

 private:
  void ExpandInto(std::string_view replacement, std::string_view echo, std::string& out);
};

}  // namespace kestrelle
