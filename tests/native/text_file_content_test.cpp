#include "translator/text_file_content.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

TEST(TextFileContent, LongestLineWhateverTheLineBreaks) {
  const std::pair<const char*, std::size_t> cases[] = {{"", 0}, {"abc", 3}, {"a\r\nabcd\rab\n", 4}, {"\r\n\n", 0}};
  for (const auto& [text, longest] : cases) EXPECT_EQ(LongestLine(text), longest) << text;
}

TEST(TextFileContent, ExtendedLengthPath) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\notes\\a.txt", L"\\\\?\\C:\\notes\\a.txt"},
      {L"\\\\server\\share\\a.txt", L"\\\\?\\UNC\\server\\share\\a.txt"},
      {L"\\\\?\\C:\\a.txt", L"\\\\?\\C:\\a.txt"},
      {L"\\\\.\\nul", L"\\\\.\\nul"},
  };
  for (const auto& [path, extended] : cases) EXPECT_EQ(ExtendedLengthPath(path), extended);
}

TEST(TextFileContent, FolderOfAFile) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
  };
  const Case cases[] = {
      {L"C:\\notes\\a.txt", L"C:\\notes"},
      {L"C:\\notes\\deeper\\a.txt", L"C:\\notes\\deeper"},
      {L"C:/notes/a.txt", L"C:/notes"},
      {L"C:\\a.txt", L"C:\\"},
      {L"C:a.txt", L"C:"},
      {L"a.txt", L"."},
      {L"\\a.txt", L"\\"},
      {L"\\\\server\\share\\a.txt", L"\\\\server\\share"},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOfFile(c.path), c.folder);
}

}  // namespace
}  // namespace kestrelle
