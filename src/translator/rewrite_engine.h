#pragma once
// The rule walk behind Translator::Translate. Every rule alternative (and, for one that ends in a blank,
// each of its word enders) is a step; steps run in order, each replacing the first occurrence of its key
// until none is left, as the rules define. To make that cost about linear in the text, the engine
//  - finds every occurrence of every key in one multi-pattern pass over the original text;
//  - after a replacement looks for new occurrences only around it: a new occurrence has to use an
//    inserted blank or cross the seam of an empty replacement, and it can begin no earlier than
//    length - 1 characters before the replaced ones;
//  - keeps the text linked (LinkedText), so a replacement never rebuilds the rest of it.
// The occurrences are taken in the same order as a plain search from the start of the text would take
// them, so the random draws, and the output, are the same.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "translator/linked_text.h"
#include "translator/pattern_automaton.h"
#include "translator/rule_set.h"
#include "translator/translator.h"

namespace kestrelle {

class RewriteEngine {
 public:
  RewriteEngine(const std::vector<Rule>& rules, std::string_view text, Translator& translator);

  // Applies every rule; false when between() asked to stop.
  bool Run(const BetweenAlternatives& between);
  std::string Text() const { return text_.ToString(); }

 private:
  struct Step {
    int key;
    char ender;  // the word ender that replaces the alternative's last blank, or 0
  };
  struct Alternative {
    int rule;
    std::vector<Step> steps;  // none for an alternative that can never match or would never end
  };

  int KeyOf(const std::string& key);
  void FindInOriginal();
  void PrepareCandidates(int key);
  void RunStep(int stepIndex, const Step& step, std::string& replacement);
  void RecordNewOccurrences(const LinkedText::Splice& splice, std::string_view inserted, int stepIndex, int key);

  const std::vector<Rule>& rules_;
  Translator& translator_;
  LinkedText text_;
  std::vector<Alternative> alternatives_;
  std::vector<std::string> keys_;
  std::unordered_map<std::string, int> keyIds_;
  std::vector<int> lastStep_;                  // per key: the last step that searches for it
  std::vector<std::vector<CharId>> candidates_;  // per key: where it may occur, a superset of where it does
  std::vector<bool> unsorted_;                 // per key: candidates added out of text order
  size_t longestKey_ = 0;
  std::vector<CharId> window_;  // reused by RecordNewOccurrences
  PatternAutomaton automaton_;
};

}  // namespace kestrelle
