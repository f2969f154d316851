#include "speech/text_tools.h"

#include <gtest/gtest.h>

namespace kestrelle {
namespace {

TEST(TextTools, CountAndFindCharacters) {
  EXPECT_EQ(CountChar('|', ""), 0);
  EXPECT_EQ(CountChar('|', "a|b|"), 2);
  EXPECT_EQ(NthCharPos('|', "a|b|", 1), 2);
  EXPECT_EQ(NthCharPos('|', "a|b|", 2), 4);
  EXPECT_EQ(NthCharPos('|', "a|b|", 3), 0);
  EXPECT_EQ(NthCharPos('|', "a|b|", 0), 0);
  EXPECT_EQ(NthCharPos('|', "a|b|", -1), 0);
  EXPECT_EQ(NthCharPos('|', "||", 3), 0) << "n beyond the text's length";
}

TEST(TextTools, RemoveChar) {
  EXPECT_EQ(RemoveChar("2 5 ", ' '), "25");
  EXPECT_EQ(RemoveChar("    ", ' '), "");
  EXPECT_EQ(RemoveChar("", ' '), "");
}

TEST(TextTools, CapitaliseSentences) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"hello. i think i'm ok? yes, isn't it", "Hello. I think I'm ok? Yes, isn't it"},
      {"3 apples. 4th", "3 Apples. 4Th"},
      {"wow! great", "Wow! Great"},
      {"i", "I"},
      {"say hi", "Say hi"},
      {"ok\r\nnext. \r\nline", "Ok\r\nnext. \r\nLine"},
      {"keep CAPS. and lower", "Keep CAPS. And lower"},
      {"\xe9t\xe9. \xe9t\xe9", "\xe9t\xe9. \xe9t\xe9"},  // 8-bit and UTF-8 letters begin sentences
      {"\xc2\xbfqu\xc3\xa9? \xe2\x80\x9chi\xe2\x80\x9d i\xe2\x80\xa6 \xc8\x99i",  // punctuation is no letter
       "\xc2\xbfQu\xc3\xa9? \xe2\x80\x9cHi\xe2\x80\x9d I\xe2\x80\xa6 \xc8\x99i"},
      {"", ""},
  };
  for (const Case& c : cases) {
    std::string text = c.in;
    CapitaliseSentences(text);
    EXPECT_EQ(text, c.out) << "input: " << c.in;
  }
}

}  // namespace
}  // namespace kestrelle
