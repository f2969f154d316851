#include "speech/text_tools.h"

#include <algorithm>
#include <array>

#include "base/ascii_case.h"

namespace kestrelle {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether a character that begins with this byte is a letter. Outside ASCII, a letter has no case here and
// is left as it is, but it still begins its sentence: Japanese, Greek or an accented letter takes the
// capital, rather than the first ASCII letter after it. Not letters: in UTF-8 the characters that begin
// with 0xC2 (U+0080..U+00BF: inverted question and exclamation marks, guillemets, the no-break space),
// 0xE2 (U+2000..U+2FFF: quotation marks, dashes, the ellipsis, symbols) or 0xF0 and up (emoji); bytes
// below 0xC0, which go on a UTF-8 character (or are 8-bit symbols).
bool BeginsLetter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return IsAsciiLetter(c) || (byte >= 0xC0 && byte != 0xC2 && byte != 0xE2 && byte < 0xF0);
}

// Whether a character that ends with this byte is a letter: a byte that goes on a UTF-8 character is taken
// for the end of a letter, as most such characters next to an ASCII letter are.
bool EndsLetter(char c) { return IsAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80; }

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

void CapitaliseSentences(std::string& text) { SentenceCapitals().Apply(text, '\0', '\0'); }

void SentenceCapitals::Apply(std::span<char> piece, char before, char after) {
  // Within a sentence only its end and a word "i" matter; the rest is passed over quickly.
  static constexpr auto kMayMatter = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {'.', '!', '?', 'i'}) table[c] = true;
    return table;
  }();
  for (size_t i = 0; i < piece.size(); ++i) {
    if (!capitaliseNext_) {
      while (i < piece.size() && !kMayMatter[static_cast<unsigned char>(piece[i])]) ++i;
      if (i == piece.size()) return;
    }
    char& c = piece[i];
    if (c == '.' || c == '!' || c == '?') capitaliseNext_ = true;
    if (!capitaliseNext_ && c == 'i') {
      const bool letterBefore = EndsLetter(i > 0 ? piece[i - 1] : before);
      const bool letterAfter = BeginsLetter(i + 1 < piece.size() ? piece[i + 1] : after);
      if (!letterBefore && !letterAfter) capitaliseNext_ = true;
    }
    if (capitaliseNext_ && BeginsLetter(c)) {
      c = AsciiUpper(c);
      capitaliseNext_ = false;
    }
  }
}

}  // namespace kestrelle
