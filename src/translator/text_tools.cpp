#include "translator/text_tools.h"

#include <algorithm>

namespace kestrelle {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

int CountChar(char ch, std::string_view s) {
  return static_cast<int>(std::count(s.begin(), s.end(), ch));
}

int NthCharPos(char ch, std::string_view s, int n) {
  if (n < 1 || static_cast<size_t>(n) > s.size()) return 0;
  int seen = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ch && ++seen == n) return static_cast<int>(i + 1);
  }
  return 0;
}

std::string RemoveChar(std::string_view s, char ch) {
  std::string result;
  result.reserve(s.size());
  for (char c : s) {
    if (c != ch) result.push_back(c);
  }
  return result;
}

void CapitaliseSentences(std::string& text) {
  bool capitaliseNext = true;
  for (size_t i = 0; i < text.size(); ++i) {
    char& c = text[i];
    if (c == '.' || c == '!' || c == '?') capitaliseNext = true;
    if (!capitaliseNext && c == 'i') {
      const bool letterBefore = i > 0 && IsAsciiLetter(text[i - 1]);
      const bool letterAfter = i + 1 < text.size() && IsAsciiLetter(text[i + 1]);
      if (!letterBefore && !letterAfter) capitaliseNext = true;
    }
    if (capitaliseNext && IsAsciiLetter(c)) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      capitaliseNext = false;
    }
  }
}

}  // namespace kestrelle
