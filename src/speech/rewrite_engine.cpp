#include "speech/rewrite_engine.h"

#include <algorithm>
#include <bit>

#include "speech/short_text.h"

namespace kestrelle {

namespace {

// A word-end rule that chooses at random puts the ender in place of each blank that ends one of its
// choices; this changes the rule's working copy for the rest of the rule.
void CarryEnderIntoChoices(std::string& replacement, char ender) {
  if (replacement.find("%RANDOM") == std::string::npos || replacement.find(')') == std::string::npos) return;
  for (const char closer : {'|', ')'}) {
    for (size_t i = 0; i + 1 < replacement.size(); ++i) {
      if (replacement[i] == ' ' && replacement[i + 1] == closer) replacement[i] = ender;
    }
  }
}

}  // namespace

RewriteEngine::RewriteEngine(const CompiledRules& rules)
    : rules_(rules),
      candidates_(rules.KeyCount()),
      unsorted_(rules.KeyCount(), false),
      dueSteps_((rules.Steps().size() + 64) / 64, 0) {}

bool RewriteEngine::Run(LinkedText& text, Translator& translator, const BetweenAlternatives& between) {
  text_ = &text;
  translator_ = &translator;
  if (stopped_) Reset();
  stopped_ = true;
  FindInOriginal();
  // between() is called once for every alternative up to the one whose step runs next, as long as the
  // text is not empty.
  int announced = 0;
  const auto announce = [&](int upTo) {
    for (; between && announced < upTo && !text.Empty(); ++announced) {
      if (!between()) return false;
    }
    return true;
  };
  const std::vector<CompiledRules::Step>& steps = rules_.Steps();
  int rule = -1;
  for (int s = NextDueStep(0); s < static_cast<int>(steps.size()); s = NextDueStep(s + 1)) {
    if (!announce(steps[s].alternative + 1)) return false;
    if (steps[s].rule != rule) {
      rule = steps[s].rule;
      replacement_ = rules_.Rules()[rule].replacement;
    }
    RunStep(s, replacement_);
    dueSteps_[static_cast<size_t>(s) / 64] &= ~(std::uint64_t{1} << (s % 64));
  }
  stopped_ = false;
  dueWords_ = 0;
  return announce(rules_.AlternativeCount());
}

void RewriteEngine::Reset() {
  // A run that was stopped leaves candidates behind for the steps that are still due.
  for (int s = NextDueStep(0); s < static_cast<int>(rules_.Steps().size()); s = NextDueStep(s + 1)) {
    const int key = rules_.Steps()[s].key;
    candidates_[key].clear();
    unsorted_[key] = false;
  }
  std::fill(dueSteps_.begin(), dueSteps_.end(), 0);
  dueWords_ = 0;
}

void RewriteEngine::FindInOriginal() {
  const PatternAutomaton& automaton = rules_.Automaton();
  const std::string_view original = text_->Original();
  int state = PatternAutomaton::kStart;
  for (size_t i = 0; i < original.size(); ++i) {
    state = automaton.Step(state, original[i]);
    if (!automaton.HasMatch(state)) continue;
    automaton.ForEachMatch(state, [&](int key) {
      AddCandidate(key, static_cast<CharId>(i + 1 - rules_.Key(key).size()), -1);
    });
  }
  // A long text's lists wait for their steps while the text grows around them: they take no more than
  // they hold. Short texts (the filter's --lines) keep their room for the next one.
  if (original.size() > kShortText) {
    for (std::vector<CharId>& list : candidates_) list.shrink_to_fit();
  }
}

void RewriteEngine::AddCandidate(int key, CharId at, int afterStep) {
  if (candidates_[key].empty() || afterStep >= 0) {
    const int step = rules_.NextStepOf(key, afterStep);
    dueSteps_[static_cast<size_t>(step) / 64] |= std::uint64_t{1} << (step % 64);
    dueWords_ = std::max(dueWords_, static_cast<size_t>(step) / 64 + 1);
  }
  candidates_[key].push_back(at);
}

// The first due step from `from` on; the number of steps when there is none (the last word of dueSteps_
// always has a spare bit past the last step, which is never set).
int RewriteEngine::NextDueStep(int from) const {
  const int steps = static_cast<int>(rules_.Steps().size());
  size_t word = static_cast<size_t>(from) / 64;
  if (from >= steps || word >= dueWords_) return steps;
  std::uint64_t bits = dueSteps_[word] & (~std::uint64_t{0} << (from % 64));
  while (bits == 0) {
    if (++word == dueWords_) return steps;
    bits = dueSteps_[word];
  }
  return static_cast<int>(word * 64) + std::countr_zero(bits);
}

void RewriteEngine::PrepareCandidates(int key) {
  std::vector<CharId>& list = candidates_[key];
  if (!unsorted_[key]) return;
  const LinkedText& text = *text_;
  std::erase_if(list, [&](CharId c) { return !text.Alive(c); });
  // Each label is taken once; only equal labels need Before(). The labelled copy is four times the list,
  // so it is not kept for the next step: on dense text a late step may have a million candidates.
  std::vector<std::pair<std::uint64_t, CharId>> labelled;
  labelled.reserve(list.size());
  for (const CharId c : list) labelled.push_back({text.OrderLabel(c), c});
  std::sort(labelled.begin(), labelled.end(), [&](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : text.Before(a.second, b.second);
  });
  list.clear();
  for (const auto& [label, c] : labelled) {
    if (list.empty() || list.back() != c) list.push_back(c);
  }
  unsorted_[key] = false;
}

void RewriteEngine::RunStep(int stepIndex, std::string& replacement) {
  LinkedText& text = *text_;
  const CompiledRules::Step& step = rules_.Steps()[stepIndex];
  const std::string& key = rules_.Key(step.key);
  const size_t length = key.size();
  PrepareCandidates(step.key);
  const std::vector<CharId>& candidates = candidates_[step.key];
  size_t nextCandidate = 0;
  // The stretch that replacements of this step changed: new occurrences can begin from scan up to limit.
  // Occurrences from before the step all lie beyond it, in the candidate list.
  CharId scan = kNoChar;
  CharId limit = kNoChar;
  std::string& inserted = inserted_;
  bool carried = false;
  for (;;) {
    CharId at = kNoChar;
    bool fromCandidates = false;
    while (scan != kNoChar) {
      const CharId here = scan;
      scan = here == limit ? kNoChar : text.Next(here);
      if (text.MatchesAt(here, key)) {
        at = here;
        break;
      }
    }
    while (at == kNoChar && nextCandidate < candidates.size()) {
      const CharId candidate = candidates[nextCandidate++];
      if (text.MatchesAt(candidate, key)) {
        at = candidate;
        fromCandidates = true;
      }
    }
    if (at == kNoChar) break;

    // Carrying the ender changes nothing the second time: once, at the step's first occurrence, will do.
    if (!carried && step.ender != 0 && step.ender != ' ') CarryEnderIntoChoices(replacement, step.ender);
    carried = true;
    translator_->ExpandMacrosInto(replacement, key, inserted);
    if (step.ender != 0 && !inserted.empty()) inserted.back() = step.ender;
    if (inserted == key) {
      // Only marks change: no occurrence can be new, and the stretch to scan stays as it was.
      text.ReplaceBySame(at, length);
      continue;
    }
    const LinkedText::Splice splice = text.Replace(at, length, inserted);

    // The new stretch ends at the last inserted character, or before the seam of an empty replacement
    // (which only a key of two or more characters can cross); an earlier stretch that reaches further
    // and survived this replacement stays in force.
    CharId changedEnd = splice.last;
    if (splice.first == kNoChar) {
      changedEnd = length >= 2 && splice.after != kNoChar ? splice.before : kNoChar;
    }
    if (fromCandidates || limit == kNoChar || !text.Alive(limit)) limit = changedEnd;
    if (limit == kNoChar) {
      scan = kNoChar;
    } else {
      scan = splice.first != kNoChar ? splice.first : splice.after;
      for (size_t back = 1; back < length && text.Prev(scan) != kNoChar; ++back) scan = text.Prev(scan);
    }
    RecordNewOccurrences(splice, inserted, stepIndex, step.key);
  }
  // A long list is given back, not kept for reuse: most keys are searched for by one step only, and the
  // room of the lists already taken is what lets a dense text's insertions grow without raising the peak.
  std::vector<CharId>& taken = candidates_[step.key];
  if (taken.capacity() > kShortText / 64) {
    taken = std::vector<CharId>();
  } else {
    taken.clear();
  }
  unsorted_[step.key] = false;
}

void RewriteEngine::RecordNewOccurrences(const LinkedText::Splice& splice, std::string_view inserted,
                                         int stepIndex, int key) {
  // A new occurrence uses an inserted blank (the other inserted characters are marked), or crosses the
  // seam where nothing was inserted; it reaches at most one character less than the longest key still to
  // be searched for beyond either.
  const size_t longestKey = rules_.LongestKeyAfter(stepIndex);
  if (longestKey == 0 || (!inserted.empty() && inserted.find(' ') == std::string_view::npos)) return;
  const LinkedText& text = *text_;
  const bool reachBack = inserted.empty() || inserted.front() == ' ';
  const bool reachAhead = inserted.empty() || inserted.back() == ' ';
  std::vector<CharId>& window = window_;
  window.clear();
  if (reachBack) {
    for (CharId c = splice.before; c != kNoChar && text.Matchable(c) && window.size() + 1 < longestKey;
         c = text.Prev(c)) {
      window.push_back(c);
    }
    std::reverse(window.begin(), window.end());
  }
  const size_t changedBegin = window.size();  // first inserted character, or the one after the seam
  for (CharId c = splice.first; c != kNoChar && c != splice.after; c = text.Next(c)) window.push_back(c);
  const size_t insertedEnd = window.size();
  if (reachAhead) {
    size_t ahead = 0;
    for (CharId c = splice.after; c != kNoChar && text.Matchable(c) && ++ahead < longestKey; c = text.Next(c)) {
      window.push_back(c);
    }
  }
  // An occurrence is new when it begins before the end of the inserted text (before the seam) and ends
  // after its beginning (after the seam). Only a key that a later step still searches for is recorded.
  const PatternAutomaton& automaton = rules_.Automaton();
  const size_t lastStartAllowed = inserted.empty() ? changedBegin : insertedEnd;  // exclusive
  int state = PatternAutomaton::kStart;
  for (size_t i = 0; i < window.size(); ++i) {
    const CharId c = window[i];
    state = text.Matchable(c) ? automaton.Step(state, text.At(c)) : PatternAutomaton::kStart;
    if (i < changedBegin || !automaton.HasMatch(state)) continue;
    automaton.ForEachMatch(state, [&](int found) {
      if (found == key || rules_.NextStepOf(found, stepIndex) < 0) return;
      const size_t start = i + 1 - rules_.Key(found).size();
      if (start >= lastStartAllowed) return;
      AddCandidate(found, window[start], stepIndex);
      unsorted_[found] = true;
    });
  }
}

}  // namespace kestrelle
