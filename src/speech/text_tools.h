#pragma once
// Small text routines shared by the translator: character counting and search (1-based positions, as the
// rule engine uses them), removing a character, and restoring sentence capitals after a translation.
#include <span>
#include <string>
#include <string_view>

namespace kestrelle {

// Number of positions of s that hold ch.
int CountChar(char ch, std::string_view s);

// 1-based position of the n-th occurrence of ch in s; 0 when n < 1, n > s.size() or s holds fewer than n.
int NthCharPos(char ch, std::string_view s, int n);

// s with every occurrence of ch left out.
std::string RemoveChar(std::string_view s, char ch);

// Capitalises the first letter of every sentence and the word "i", in place. Only 'a'..'z' are ever
// changed, and no letter is ever lowered, so the player's capitals and those a replacement put in stay.
// A letter outside ASCII (in UTF-8, or an 8-bit accented letter) begins a sentence as it is.
void CapitaliseSentences(std::string& text);

// CapitaliseSentences for a text that comes in pieces: Apply() capitalises one piece in place, told the
// characters just before and after it ('\0' where there is none), and the sentence goes on to the next.
class SentenceCapitals {
 public:
  void Apply(std::span<char> piece, char before, char after);

 private:
  bool capitaliseNext_ = true;
};

}  // namespace kestrelle
