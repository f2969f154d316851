#pragma once
// Rule strings compiled into the program from the rule files by the build (tools/rules2cpp).
#include <cstddef>

namespace kestrelle {

struct EmbeddedRuleString {
  int id;
  const char* text;  // nullptr ends the list
  std::size_t length;
};

// Every non-empty string of the shipped rule files, "%STOP" included, ended by an entry without text.
extern const EmbeddedRuleString kEmbeddedRuleStrings[];

}  // namespace kestrelle
