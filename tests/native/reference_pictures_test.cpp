// Every weapon, armour piece and animal has its picture, at the size its table lists.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "reference/picture_name.h"
#include "reference_test_data.h"

namespace kestrelle {
namespace {

std::uint32_t ReadLittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[offset + static_cast<std::size_t>(i)];
  return value;
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

TEST(ReferencePictures, EveryTableEntryHasAnEightBitBitmapOfItsListedSize) {
  std::set<std::string> names;
  for (const char* table : {"weapons", "armour", "animals"}) {
    const bool armour = std::string(table) == "armour";
    for (const tables::TSourceRow& row : test::TableSource(table).Rows) {
      // Armour pictures are named after the tab caption and the piece ("Bone Arm Plates").
      const std::string name = UpperCase(PictureResourceName(armour ? row.Category + " " + row.Name : row.Name));
      names.insert(name);
      const std::string path = std::string(KESTRELLE_SOURCE_DIR) + "/resources/pictures/" + name + ".bmp";
      std::vector<std::uint8_t> bmp;
      try {
        bmp = test::ReadFileBytes(path);
      } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
        continue;
      }
      ASSERT_GE(bmp.size(), 54u) << path;
      EXPECT_EQ(bmp[0], 'B') << path;
      EXPECT_EQ(bmp[1], 'M') << path;
      EXPECT_GE(ReadLittleEndian(bmp, 14, 4), 40u) << path << ": not a Windows bitmap info header";
      const auto width = static_cast<std::int32_t>(ReadLittleEndian(bmp, 18, 4));
      const auto height = static_cast<std::int32_t>(ReadLittleEndian(bmp, 22, 4));
      EXPECT_EQ(width, row.PictureWidth) << path;
      EXPECT_EQ(height < 0 ? -height : height, row.PictureHeight) << path;
      EXPECT_EQ(ReadLittleEndian(bmp, 28, 2), 8u) << path << ": not 8 bits per pixel";
    }
  }
  EXPECT_EQ(names.size(), 127u) << "every entry has a picture of its own";
}

}  // namespace
}  // namespace kestrelle
