#pragma once
// The rule walk done the plain way, step by step as the rules define it: after every replacement the
// search starts again at the beginning of the text, and the text is rebuilt. Slow (quadratic), and kept
// that way on purpose: it is the reference the fast engine is checked against.
#include <string>
#include <string_view>

#include "speech/rule_strings.h"
#include "speech/translator.h"

namespace kestrelle::oracle {

// Translates as translator.Translate() does, drawing from the same generator through ExpandMacros.
std::string LiteralTranslate(Translator& translator, std::string_view text, const RuleStrings& rules);

// A whole text as the Translate command makes it with game commands left alone, done line by line: a
// line that begins with "[" or "." and a letter is copied with its line break; the speech lines between
// are gathered and translated together (prepared, walked, finished), the line break after the last of
// them copied as it is. A text without a command line is translated whole.
std::string LiteralTranslateKeepingCommands(Translator& translator, std::string_view text, const RuleStrings& rules);

}  // namespace kestrelle::oracle
