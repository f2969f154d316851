#pragma once
// Multi-pattern search (Aho-Corasick) over the search keys of a rule set, so that one pass over the text
// finds every occurrence of every key. The text is read as if lower-cased: 'A'..'Z' step as 'a'..'z', so
// the player's text is searched with the case it was typed in and no lowered copy of it is made.
#include <cstdint>
#include <string>
#include <vector>

namespace kestrelle {

class PatternAutomaton {
 public:
  // Keys must be distinct, non-empty and free of 'A'..'Z' (no lowered text holds one); key i is reported
  // as i.
  explicit PatternAutomaton(const std::vector<std::string>& keys);

  static constexpr int kStart = 0;

  int Step(int state, char c) const {
    return table_[static_cast<size_t>(state) * classes_ + classOf_[static_cast<unsigned char>(c)]];
  }

  // Calls report(key) for every key that ends at this state.
  template <typename Report>
  void ForEachMatch(int state, Report&& report) const {
    for (int s = ownKey_[state] >= 0 ? state : outputLink_[state]; s > 0; s = outputLink_[s]) report(ownKey_[s]);
  }

  // States are numbered so that those where a key ends come last: the test reads no table.
  bool HasMatch(int state) const { return state >= firstMatching_; }

 private:
  std::uint16_t classOf_[256] = {};  // class 0: characters of no key
  size_t classes_ = 1;
  std::vector<std::int32_t> table_;       // state * classes_ + class -> next state
  std::vector<std::int32_t> ownKey_;      // key ending exactly here, or -1
  std::vector<std::int32_t> outputLink_;  // nearest proper suffix state with a key, or 0
  int firstMatching_ = 0;

  void PutMatchingStatesLast();
};

}  // namespace kestrelle
