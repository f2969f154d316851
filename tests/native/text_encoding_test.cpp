#include "speech/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace kestrelle {
namespace {

// Bytes that only look like UTF-8 are the code page's 8-bit text.
TEST(TextEncoding, WhatIsNotUtf8IsTheCodePages) {
  for (const char* bytes : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "caf\xC3", "\x80", "\xE9t\xE9"}) {
    EXPECT_EQ(DetectEncoding(bytes), TextEncoding::CodePage) << bytes;
  }
  EXPECT_EQ(DetectEncoding("\xF0\x9F\x98\x80 \xEF\xBF\xBF"), TextEncoding::Utf8);
}

TEST(TextEncoding, CharactersBeyondSixteenBitsTakeTwoUnitsAndWaitForBoth) {
  const std::u32string characters = U"a\U0001F600";
  const std::string le = EncodeUnicode(characters, TextEncoding::Utf16LE);
  EXPECT_EQ(le, std::string("\xFF\xFE" "a\0\x3D\xD8\x00\xDE", 8));
  EXPECT_EQ(DecodeUnicode(le, TextEncoding::Utf16LE), characters);
  const std::string be = EncodeUnicode(characters, TextEncoding::Utf16BE).substr(2);
  for (std::size_t cut = 0; cut <= be.size(); ++cut) {
    EXPECT_EQ(WholeUtf16Characters(std::string_view(be).substr(0, cut), true), cut < 2 ? 0 : cut < 6 ? 2 : 6) << cut;
  }
  EXPECT_EQ(DescribeCharacter(U'\U0001F600'), "\xF0\x9F\x98\x80 (U+1F600)");
  EXPECT_EQ(CharactersFromUtf16(Utf16FromCharacters(U"a\u00e9\U0001F600z")), U"a\u00e9\U0001F600z");
  // Lone surrogates stay as they are: a high one at the end or before a non-surrogate, a low one alone.
  const std::u16string lone = {u'a', 0xD83D, u'b', 0xDE00, 0xD83D};
  EXPECT_EQ(CharactersFromUtf16(lone), (std::u32string{U'a', 0xD83D, U'b', 0xDE00, 0xD83D}));
}

// A byte that breaks the program's UTF-8 stands as one replacement character, and the letters around it stay.
TEST(TextEncoding, ProgramTextAsCharacters) {
  const std::pair<std::string_view, std::u32string> cases[] = {
      {"Hello 世界 \xF0\x9F\x98\x80", U"Hello \u4E16\u754C \U0001F600"},
      {"a\xE4\xB8z\x80", U"a\uFFFD\uFFFDz\uFFFD"},
  };
  for (const auto& [text, characters] : cases) EXPECT_EQ(CharactersOfUtf8(text), characters) << text;
}

}  // namespace
}  // namespace kestrelle
