#pragma once
// The rule walk done the plain way, step by step as the rules define it: after every replacement the
// search starts again at the beginning of the text, and the text is rebuilt. Slow (quadratic), and kept
// that way on purpose: it is the reference the fast engine is checked against.
#include <string>
#include <string_view>
#include <vector>

#include "speech/rule_strings.h"
#include "speech/translator.h"

namespace kestrelle::oracle {

// Rewrites as the engine does (CompiledStyle::Rewrite), drawing from the same generator through
// ExpandMacros.
std::string LiteralTranslate(Translator& translator, std::string_view text, const RuleStrings& rules);

// The same for a text whose parts no key can match across (they are joined by a character that no key
// holds, nor a word ender): the walk over the whole text, done one part after another in each step, so
// that it costs what the parts cost and not the square of the whole.
std::vector<std::string> LiteralTranslateParts(Translator& translator, const std::vector<std::string>& parts,
                                               const RuleStrings& rules);

// A whole text as the Translate command makes it with game commands left alone, done line by line: a
// line that begins with "[" or "." and a letter is copied with its line break; the speech lines between
// are gathered and translated together (prepared, walked, finished), the line break after the last of
// them copied as it is. A text without a command line is translated whole.
std::string LiteralTranslateKeepingCommands(Translator& translator, std::string_view text, const RuleStrings& rules);

}  // namespace kestrelle::oracle
