#include "speech/pattern_automaton.h"

#include <queue>

#include "base/ascii_case.h"

namespace kestrelle {

PatternAutomaton::PatternAutomaton(const std::vector<std::string>& keys) {
  for (const std::string& key : keys) {
    for (const char c : key) {
      std::uint16_t& cls = classOf_[static_cast<unsigned char>(c)];
      if (cls == 0) cls = static_cast<std::uint16_t>(classes_++);
    }
  }
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    classOf_[static_cast<unsigned char>(upper)] = classOf_[static_cast<unsigned char>(AsciiLower(upper))];
  }
  // Trie first, with -1 for a missing edge.
  table_.assign(classes_, -1);
  ownKey_.push_back(-1);
  for (size_t k = 0; k < keys.size(); ++k) {
    int state = kStart;
    for (const char c : keys[k]) {
      const size_t edge = static_cast<size_t>(state) * classes_ + classOf_[static_cast<unsigned char>(c)];
      if (table_[edge] < 0) {
        table_[edge] = static_cast<std::int32_t>(ownKey_.size());
        ownKey_.push_back(-1);
        table_.resize(table_.size() + classes_, -1);
      }
      state = table_[edge];
    }
    ownKey_[state] = static_cast<std::int32_t>(k);
  }
  // Breadth first: failure links complete the table into a full transition function.
  std::vector<std::int32_t> failure(ownKey_.size(), 0);
  outputLink_.assign(ownKey_.size(), 0);
  std::queue<int> pending;
  for (size_t cls = 0; cls < classes_; ++cls) {
    std::int32_t& next = table_[cls];
    if (next < 0) {
      next = kStart;
    } else {
      pending.push(next);
    }
  }
  while (!pending.empty()) {
    const int state = pending.front();
    pending.pop();
    for (size_t cls = 0; cls < classes_; ++cls) {
      const size_t edge = static_cast<size_t>(state) * classes_ + cls;
      const std::int32_t fallback = table_[static_cast<size_t>(failure[state]) * classes_ + cls];
      if (table_[edge] < 0) {
        table_[edge] = fallback;
        continue;
      }
      const std::int32_t child = table_[edge];
      failure[child] = fallback;
      outputLink_[child] = ownKey_[fallback] >= 0 ? fallback : outputLink_[fallback];
      pending.push(child);
    }
  }
  PutMatchingStatesLast();
}

void PatternAutomaton::PutMatchingStatesLast() {
  const size_t states = ownKey_.size();
  std::vector<std::int32_t> renamed(states);
  std::int32_t next = 0;
  for (const bool matching : {false, true}) {
    if (matching) firstMatching_ = next;
    for (size_t s = 0; s < states; ++s) {
      if ((ownKey_[s] >= 0 || outputLink_[s] > 0) == matching) renamed[s] = next++;
    }
  }
  std::vector<std::int32_t> table(table_.size());
  std::vector<std::int32_t> ownKey(states);
  std::vector<std::int32_t> outputLink(states);
  for (size_t s = 0; s < states; ++s) {
    const auto to = static_cast<size_t>(renamed[s]);
    for (size_t cls = 0; cls < classes_; ++cls) table[to * classes_ + cls] = renamed[table_[s * classes_ + cls]];
    ownKey[to] = ownKey_[s];
    outputLink[to] = outputLink_[s] > 0 ? renamed[outputLink_[s]] : 0;
  }
  table_ = std::move(table);
  ownKey_ = std::move(ownKey);
  outputLink_ = std::move(outputLink);
}

}  // namespace kestrelle
