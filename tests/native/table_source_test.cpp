// The table compiler's reading of a text source: what it builds, and the mistakes it stops the build on.
#include "table_source.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kestrelle::tables {
namespace {

TTableSource Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseTableSource(in, "t.txt");
}

TEST(TableSource, CompilesCategoriesItemsAndTerminator) {
  const TTableSource table = Parse(
      "# comment\n"
      "\n"
      "Category | Name | A | B | Picture\r\n"
      "Axes     | Axe  | 1 | 258 | 3x4\n"
      "Axes     | Hatchet | 0 | 65535 | 5x6\n"
      "Bows     | Bow  | 7 | 0 | 7x8\n");
  ASSERT_EQ(table.Rows.size(), 3u);
  EXPECT_EQ(table.Rows[1].PictureWidth, 5);
  EXPECT_EQ(table.Rows[1].PictureHeight, 6);
  const std::string expected = std::string("%Axes\0\0Axe\0\0\x01\0\x02\x01", 16) +
                               std::string("Hatchet\0\0\0\0\xff\xff", 13) + std::string("%Bows\0\0Bow\0\0\x07\0\0\0", 16) +
                               std::string(2, '\0');
  const std::vector<std::uint8_t> bytes = EncodeTable(table, 2);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}

TEST(TableSource, WithoutCategoriesThereAreNoHeaders) {
  const std::vector<std::uint8_t> bytes = EncodeTable(Parse("Name | A | Picture\nBird | 9 | 15x9\n"), 0);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("Bird\0\0\x09\0", 8));
}

TEST(TableSource, RejectsMistakesWithTheirLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"Name | Picture\n", "t.txt:1: header must be"},
      {"Name | A | Size\n", "t.txt:1: header must be"},
      {"Name | A | Picture\nBird | 9\n", "t.txt:2: expected 3 columns, found 2"},
      {"Name | A | Picture\nBird | 65536 | 1x1\n", "t.txt:2: A \"65536\" is not a number"},
      {"Name | A | Picture\nBird | -1 | 1x1\n", "t.txt:2: A \"-1\" is not a number"},
      {"Name | A | Picture\nBird | 9a | 1x1\n", "t.txt:2: A \"9a\" is not a number"},
      {"Name | A | Picture\nBird | 9 | 15 x 9\n", "t.txt:2: picture size"},
      {"Name | A | Picture\nBird | 9 | 0x9\n", "t.txt:2: picture size"},
      {"Name | A | Picture\n%Bird | 9 | 1x1\n", "t.txt:2: name \"%Bird\" starts with %"},
      {"Name | A | Picture\n | 9 | 1x1\n", "t.txt:2: name is empty"},
      {"Name | A | Picture\nB\xe9 | 9 | 1x1\n", "not printable ASCII"},
      {"Category | Name | A | Picture\nAxes | Axe | 1 | 1x1\nBows | Bow | 1 | 1x1\nAxes | Adze | 1 | 1x1\n",
       "t.txt:4: category \"Axes\" appears again"},
      {"# only a comment\nName | A | Picture\n", "t.txt: no rows"},
  };
  for (const Case& c : cases) {
    try {
      Parse(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace kestrelle::tables
