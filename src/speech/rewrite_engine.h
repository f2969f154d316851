#pragma once
// The rule walk of a speech style, which a CompiledStyle runs. The steps of the compiled rules run in
// order, each replacing the first occurrence of its key until none is left, as the rules define. To make
// that cost about linear in the text, the engine
//  - finds every occurrence of every key in one multi-pattern pass over the original text;
//  - after a replacement looks for new occurrences only around it: a new occurrence has to use an
//    inserted blank or cross the seam of an empty replacement, and it can begin no earlier than
//    length - 1 characters before the replaced ones;
//  - runs only the steps that have an occurrence to take: the others would change nothing and draw nothing;
//  - keeps the text linked (LinkedText), so a replacement never rebuilds the rest of it.
// The occurrences are taken in the same order as a plain search from the start of the text would take
// them, so the random draws, and the output, are the same. One engine serves any number of texts in turn.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "speech/compiled_rules.h"
#include "speech/linked_text.h"
#include "speech/translator.h"

namespace kestrelle {

class RewriteEngine {
 public:
  explicit RewriteEngine(const CompiledRules& rules);

  // Applies every rule to text, drawing from translator; false when between() asked to stop.
  bool Run(LinkedText& text, Translator& translator, const BetweenAlternatives& between);

 private:
  void Reset();
  void FindInOriginal();
  void AddCandidate(int key, CharId at, int afterStep);
  int NextDueStep(int from) const;
  void PrepareCandidates(int key);
  void RunStep(int stepIndex, std::string& replacement);
  void RecordNewOccurrences(const LinkedText::Splice& splice, std::string_view inserted, int stepIndex, int key);

  const CompiledRules& rules_;
  LinkedText* text_ = nullptr;       // the text and generator of the running Run
  Translator* translator_ = nullptr;
  std::vector<std::vector<CharId>> candidates_;  // per key: where it may occur, a superset of where it does
  std::vector<bool> unsorted_;                   // per key: candidates added out of text order
  std::vector<std::uint64_t> dueSteps_;          // a bit per step that has candidates to take
  size_t dueWords_ = 0;  // the words of dueSteps_ up to the last one with a bit set; a short text sets few
  std::vector<CharId> window_;  // reused by RecordNewOccurrences
  std::string replacement_;     // the running rule's working copy, which word enders may change
  std::string inserted_;        // reused by RunStep: what a replacement inserts
  // Whether the last run was stopped before its last step. Any other run takes each due step, and so
  // leaves no step due and no candidate behind: the next run need not look for any (the filter's --lines
  // runs the engine once a line).
  bool stopped_ = false;
};

}  // namespace kestrelle
