#include "translator/text_file_content.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelle {
namespace {

TEST(TextFileContent, AZeroByteMakesAFileNotPlainText) {
  EXPECT_TRUE(IsPlainText(""));
  EXPECT_TRUE(IsPlainText("line one\r\nline two\t\xe9\xff\x01"));
  EXPECT_FALSE(IsPlainText(std::string("ab\0cd", 5)));
  EXPECT_FALSE(IsPlainText(std::string("\xff\xfeh\0i\0", 6))) << "text in two-byte characters";
}

TEST(TextFileContent, EveryLineBreakBecomesCarriageReturnAndLineFeed) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"a\r\nb", "a\r\nb"},       {"a\nb\n", "a\r\nb\r\n"}, {"a\rb", "a\r\nb"},
      {"a\n\rb", "a\r\n\r\nb"},   {"a\r\r\nb", "a\r\n\r\nb"}, {"\r", "\r\n"},
      {"no break", "no break"},   {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(NormaliseLineBreaks(c.in), c.out) << c.in;
}

TEST(TextFileContent, FolderOfAFile) {
  struct Case {
    const char* path;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\notes\\a.txt", "C:\\notes"},
      {"C:\\notes\\deeper\\a.txt", "C:\\notes\\deeper"},
      {"C:/notes/a.txt", "C:/notes"},
      {"C:\\a.txt", "C:\\"},
      {"C:a.txt", "C:"},
      {"a.txt", "."},
      {"\\a.txt", "\\"},
      {"\\\\server\\share\\a.txt", "\\\\server\\share"},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOfFile(c.path), c.folder) << c.path;
}

}  // namespace
}  // namespace kestrelle
