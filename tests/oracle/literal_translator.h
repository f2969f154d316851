#pragma once
// The rule walk done the plain way, step by step as the rules define it: after every replacement the
// search starts again at the beginning of the text, and the text is rebuilt. Slow (quadratic), and kept
// that way on purpose: it is the reference the fast engine is checked against.
#include <string>
#include <string_view>

#include "translator/rule_strings.h"
#include "translator/translator.h"

namespace kestrelle::oracle {

// Translates as translator.Translate() does, drawing from the same generator through ExpandMacros.
std::string LiteralTranslate(Translator& translator, std::string_view text, const RuleStrings& rules);

}  // namespace kestrelle::oracle
