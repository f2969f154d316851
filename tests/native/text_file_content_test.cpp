#include "translator/text_file_content.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace kestrelle {
namespace {

// Latin-1: the code page whose 256 bytes are the first 256 characters.
class Latin1 final : public CodePage {
 public:
  std::optional<std::string> FromCharacters(std::u32string_view characters) const override {
    std::string text;
    for (char32_t c : characters) {
      if (!Holds(c)) return std::nullopt;
      text += static_cast<char>(c);
    }
    return text;
  }
  bool Holds(char32_t character) const override { return character < 0x100; }
  std::u32string ToCharacters(std::string_view text) const override {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    return {bytes, bytes + text.size()};
  }
};

// Each file opens as the memo's text, whatever letters it holds, and saves back byte for byte in the
// encoding it came in.
TEST(TextFileContent, FilesOfEveryEncodingOpenAndSaveAsTheyCame) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
    std::string text;
  } cases[] = {
      {"Café\r\nnaïve λόγος 日本語 \xF0\x9F\x98\x80", TextEncoding::Utf8, "Café\r\nnaïve λόγος 日本語 \xF0\x9F\x98\x80"},
      {"\xEF\xBB\xBF" "Café", TextEncoding::Utf8Bom, "Café"},
      {std::string("\xFF\xFE" "C\0a\0f\0\xE9\0\xBB\x03\xE5\x65", 14), TextEncoding::Utf16LE, "Caféλ日"},
      {std::string("\xFE\xFF\0C\0a\0f\0\xE9\x03\xBB", 12), TextEncoding::Utf16BE, "Caféλ"},
      {"Caf\xE9", TextEncoding::CodePage, "Café"},
      {"plain", TextEncoding::Utf8, "plain"},
      {"", TextEncoding::Utf8, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const MemoFileText opened = MemoTextOfFile(c.bytes, Latin1());
    EXPECT_EQ(opened.text, c.text);
    EXPECT_EQ(opened.encoding, c.encoding);
    EXPECT_EQ(FileBytesOfMemoText(opened.text, opened.encoding, Latin1()), c.bytes);
  }
}

// A letter the code page lacks is named with its line, and never written as another into its 8-bit text.
TEST(TextFileContent, ALetterTheCodePageLacksIsNamedAndNotWritten) {
  try {
    FileBytesOfMemoText("one\r\ntwo\nZałół", TextEncoding::CodePage, Latin1());
    ADD_FAILURE() << "written";
  } catch (const FileTextError& error) {
    EXPECT_NE(std::string(error.what()).find("line 3 holds the letter ł (U+0142)"), std::string::npos) << error.what();
  }
}

// What the memo cannot hold is refused with the reason, never changed into something else; its limits
// count characters as the memo does, not bytes.
TEST(TextFileContent, FilesTheMemoCannotHoldAreRefusedWithTheReason) {
  std::string lineFeeds;  // 30,604 bytes, but 32,790 characters once every line feed is CR LF
  while (lineFeeds.size() < 30600) lineFeeds += std::string(13, 'x') + "\n";
  std::string line;  // 1022 letters of two bytes each
  while (line.size() < 2 * 1022) line += "λ";
  std::string greek;  // 32 lines, 32,768 characters in 65,472 bytes: it fits
  for (int i = 0; i < 32; ++i) greek += line + "\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {std::string("\xFF\xFE" "a\0\0\xD8" "b\0", 8), "it is not valid UTF-16 text"},
      {std::string("\xFF\xFE" "a", 3), "it is not valid UTF-16 text"},
      {"\xEF\xBB\xBF" "a\xFF", "it is not valid UTF-8 text"},
      {std::string("\xFF\xFE" "a\0\0\0", 6), "it is not a plain text file"},
      {lineFeeds, "as the memo holds it, it takes 32790 characters, more than the memo's limit of 32768 characters"},
      {greek + "λ", "it is larger than the memo's limit of 32768 characters"},
      {std::string(kMemoLineLimit - 1, 'x') + "\xF0\x9F\x98\x80", "it has a line longer than"},
  };
  for (const auto& [bytes, reason] : cases) {
    try {
      MemoTextOfFile(bytes, Latin1());
      ADD_FAILURE() << "opened: " << reason;
    } catch (const FileTextError& error) {
      EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
    }
  }
  EXPECT_EQ(MemoTextOfFile(greek, Latin1()).text, greek);
}

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

// A file keeps its own line break when saved again; one with lines ending in different ways takes its first
// line's way, one of a single line the way of new files.
TEST(TextFileContent, FilesKeepTheirLineBreaks) {
  const struct {
    const char* file;
    LineEnd lineEnd;
    const char* saved;
  } cases[] = {
      {"a\r\nb\r\n", LineEnd::CrLf, "a\r\nb\r\n"}, {"a\nb\n", LineEnd::Lf, "a\nb\n"},
      {"a\rb\r", LineEnd::Cr, "a\rb\r"},           {"a\nb\r\nc\rd", LineEnd::Lf, "a\nb\nc\nd"},
      {"a\rb\nc", LineEnd::Cr, "a\rb\rc"},         {"a\r\r\nb", LineEnd::Cr, "a\r\rb"},
      {"one line", LineEnd::CrLf, "one line"},      {"\n", LineEnd::Lf, "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const MemoFileText opened = MemoTextOfFile(c.file, Latin1());
    EXPECT_EQ(opened.lineEnd, c.lineEnd);
    EXPECT_EQ(FileBytesOfMemoText(WithLineEnds(opened.text, opened.lineEnd), opened.encoding, Latin1()), c.saved);
  }
}

TEST(TextFileContent, LongestLineWhateverTheLineBreaks) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"", 0}, {"abc", 3}, {"a\r\nabcd\rab\n", 4}, {"\r\n\n", 0}, {"ab\nλόγος\n日本", 5}, {"\xF0\x9F\x98\x80", 2}};
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
