#include "translator/rewrite_engine.h"

#include <algorithm>

namespace kestrelle {

namespace {

constexpr char kWordEnders[] = {' ', '.', '!', '?', ','};

bool AllBlanks(std::string_view s) {
  return s.find_first_not_of(' ') == std::string_view::npos;
}

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

RewriteEngine::RewriteEngine(const std::vector<Rule>& rules, std::string_view text, Translator& translator)
    : rules_(rules), translator_(translator), text_(text), automaton_([&] {
        int stepIndex = 0;
        for (size_t r = 0; r < rules.size(); ++r) {
          for (const std::string& alternative : rules[r].alternatives) {
            Alternative entry{static_cast<int>(r), {}};
            // An empty alternative never occurs; one of blanks only would match its own inserted blanks
            // without end, so it is left out.
            if (!AllBlanks(alternative)) {
              if (alternative.back() == ' ') {
                std::string key = alternative;
                for (const char ender : kWordEnders) {
                  key.back() = ender;
                  entry.steps.push_back({KeyOf(key), ender});
                }
              } else {
                entry.steps.push_back({KeyOf(alternative), 0});
              }
              for (const Step& step : entry.steps) lastStep_[step.key] = stepIndex++;
            }
            alternatives_.push_back(std::move(entry));
          }
        }
        return PatternAutomaton(keys_);
      }()) {
  candidates_.resize(keys_.size());
  unsorted_.assign(keys_.size(), false);
  FindInOriginal();
}

int RewriteEngine::KeyOf(const std::string& key) {
  const auto [found, added] = keyIds_.try_emplace(key, static_cast<int>(keys_.size()));
  if (!added) return found->second;
  keys_.push_back(key);
  lastStep_.push_back(-1);
  longestKey_ = std::max(longestKey_, key.size());
  return static_cast<int>(keys_.size() - 1);
}

void RewriteEngine::FindInOriginal() {
  const std::string_view original = text_.Original();
  int state = PatternAutomaton::kStart;
  for (size_t i = 0; i < original.size(); ++i) {
    state = automaton_.Step(state, original[i]);
    if (!automaton_.HasMatch(state)) continue;
    automaton_.ForEachMatch(state, [&](int key) {
      candidates_[key].push_back(static_cast<CharId>(i + 1 - keys_[key].size()));
    });
  }
}

bool RewriteEngine::Run(const BetweenAlternatives& between) {
  int stepIndex = 0;
  size_t next = 0;
  for (const Rule& rule : rules_) {
    std::string replacement = rule.replacement;  // the working copy that word enders may change
    for (size_t a = 0; a < rule.alternatives.size(); ++a, ++next) {
      if (text_.Empty()) return true;
      if (between && !between()) return false;
      for (const Step& step : alternatives_[next].steps) RunStep(stepIndex++, step, replacement);
    }
  }
  return true;
}

void RewriteEngine::PrepareCandidates(int key) {
  std::vector<CharId>& list = candidates_[key];
  if (!unsorted_[key]) return;
  std::erase_if(list, [&](CharId c) { return !text_.Alive(c); });
  std::sort(list.begin(), list.end(), [&](CharId a, CharId b) { return text_.Before(a, b); });
  list.erase(std::unique(list.begin(), list.end()), list.end());
  unsorted_[key] = false;
}

void RewriteEngine::RunStep(int stepIndex, const Step& step, std::string& replacement) {
  const std::string& key = keys_[step.key];
  const size_t length = key.size();
  PrepareCandidates(step.key);
  const std::vector<CharId>& candidates = candidates_[step.key];
  size_t nextCandidate = 0;
  // The stretch that replacements of this step changed: new occurrences can begin from scan up to limit.
  // Occurrences from before the step all lie beyond it, in the candidate list.
  CharId scan = kNoChar;
  CharId limit = kNoChar;
  std::string inserted;
  for (;;) {
    CharId at = kNoChar;
    bool fromCandidates = false;
    while (scan != kNoChar) {
      const CharId here = scan;
      scan = here == limit ? kNoChar : text_.Next(here);
      if (text_.MatchesAt(here, key)) {
        at = here;
        break;
      }
    }
    while (at == kNoChar && nextCandidate < candidates.size()) {
      const CharId candidate = candidates[nextCandidate++];
      if (text_.MatchesAt(candidate, key)) {
        at = candidate;
        fromCandidates = true;
      }
    }
    if (at == kNoChar) break;

    if (step.ender != 0 && step.ender != ' ') CarryEnderIntoChoices(replacement, step.ender);
    inserted = translator_.ExpandMacros(replacement, key);
    if (step.ender != 0 && !inserted.empty()) inserted.back() = step.ender;
    const LinkedText::Splice splice = text_.Replace(at, length, inserted);

    // The new stretch ends at the last inserted character, or before the seam of an empty replacement
    // (which only a key of two or more characters can cross); an earlier stretch that reaches further
    // and survived this replacement stays in force.
    CharId changedEnd = splice.last;
    if (splice.first == kNoChar) {
      changedEnd = length >= 2 && splice.after != kNoChar ? splice.before : kNoChar;
    }
    if (fromCandidates || limit == kNoChar || !text_.Alive(limit)) limit = changedEnd;
    if (limit == kNoChar) {
      scan = kNoChar;
    } else {
      scan = splice.first != kNoChar ? splice.first : splice.after;
      for (size_t back = 1; back < length && text_.Prev(scan) != kNoChar; ++back) scan = text_.Prev(scan);
    }
    RecordNewOccurrences(splice, inserted, stepIndex, step.key);
  }
  candidates_[step.key].clear();
  unsorted_[step.key] = false;
}

void RewriteEngine::RecordNewOccurrences(const LinkedText::Splice& splice, std::string_view inserted,
                                         int stepIndex, int key) {
  // A new occurrence uses an inserted blank (the other inserted characters are marked), or crosses the
  // seam where nothing was inserted; it reaches at most longestKey_ - 1 characters beyond either.
  if (!inserted.empty() && inserted.find(' ') == std::string_view::npos) return;
  const bool reachBack = inserted.empty() || inserted.front() == ' ';
  const bool reachAhead = inserted.empty() || inserted.back() == ' ';
  std::vector<CharId>& window = window_;
  window.clear();
  if (reachBack) {
    for (CharId c = splice.before; c != kNoChar && text_.Matchable(c) && window.size() + 1 < longestKey_;
         c = text_.Prev(c)) {
      window.push_back(c);
    }
    std::reverse(window.begin(), window.end());
  }
  const size_t changedBegin = window.size();  // first inserted character, or the one after the seam
  for (CharId c = splice.first; c != kNoChar && c != splice.after; c = text_.Next(c)) window.push_back(c);
  const size_t insertedEnd = window.size();
  if (reachAhead) {
    size_t ahead = 0;
    for (CharId c = splice.after; c != kNoChar && text_.Matchable(c) && ++ahead < longestKey_; c = text_.Next(c)) {
      window.push_back(c);
    }
  }
  // An occurrence is new when it begins before the end of the inserted text (before the seam) and ends
  // after its beginning (after the seam).
  const size_t lastStartAllowed = inserted.empty() ? changedBegin : insertedEnd;  // exclusive
  int state = PatternAutomaton::kStart;
  for (size_t i = 0; i < window.size(); ++i) {
    const CharId c = window[i];
    state = text_.Matchable(c) ? automaton_.Step(state, text_.At(c)) : PatternAutomaton::kStart;
    if (i < changedBegin || !automaton_.HasMatch(state)) continue;
    automaton_.ForEachMatch(state, [&](int found) {
      if (found == key || lastStep_[found] <= stepIndex) return;
      const size_t start = i + 1 - keys_[found].size();
      if (start >= lastStartAllowed) return;
      candidates_[found].push_back(window[start]);
      unsorted_[found] = true;
    });
  }
}

}  // namespace kestrelle
