// The item and animal pictures under resources/pictures: every bitmap must be a file the resource
// compiler takes and LoadBitmap shows as drawn (8 bits per pixel, palette, uncompressed, bottom-up), named
// as the program looks it up, and listed exactly once in pictures.rc, which must name no missing file.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kPictures = fs::path(KESTRELLE_SOURCE_DIR) / "resources" / "pictures";

std::vector<unsigned char> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<unsigned char>& data, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data.at(at + static_cast<std::size_t>(i));
  return value;
}

// What is wrong with a BMP file for our use, or "" if nothing.
std::string BitmapFault(const std::vector<unsigned char>& data) {
  if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') return "not a BMP file";
  const std::uint32_t pixels_at = Le(data, 10, 4);
  const std::uint32_t header_size = Le(data, 14, 4);
  const auto width = static_cast<std::int32_t>(Le(data, 18, 4));
  const auto height = static_cast<std::int32_t>(Le(data, 22, 4));
  const std::uint32_t bits = Le(data, 28, 2);
  const std::uint32_t compression = Le(data, 30, 4);
  const std::uint32_t colours_used = Le(data, 46, 4);
  if (header_size != 40) return "not a BITMAPINFOHEADER";
  if (bits != 8) return "not 8 bits per pixel";
  if (compression != 0) return "compressed";
  if (width <= 0) return "no width";
  if (height <= 0) return "not stored bottom-up";
  const std::uint32_t colours = colours_used == 0 ? 256 : colours_used;
  if (colours > 256 || 14 + header_size + 4 * colours > pixels_at) return "palette overlaps the pixels";
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
  if (pixels_at + stride * static_cast<std::size_t>(height) > data.size()) return "pixel rows cut short";
  for (std::int32_t row = 0; row < height; ++row) {
    for (std::int32_t x = 0; x < width; ++x) {
      if (data[pixels_at + static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(x)] >= colours)
        return "a pixel indexes past the palette";
    }
  }
  return "";
}

// Resource name -> file named by each `NAME BITMAP "FILE"` line of pictures.rc.
std::multimap<std::string, std::string> ListedBitmaps() {
  const std::vector<unsigned char> bytes = ReadFile(kPictures / "pictures.rc");
  const std::string text(bytes.begin(), bytes.end());
  const std::regex line(R"re((\w+)\s+BITMAP\s+"([^"]+)")re");
  std::multimap<std::string, std::string> listed;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator(); ++it)
    listed.emplace((*it)[1], (*it)[2]);
  return listed;
}

TEST(PictureFiles, EveryBitmapIsAnUncompressedPaletteBmp) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(kPictures)) {
    if (entry.path().extension() != ".bmp") continue;
    ++count;
    EXPECT_EQ(BitmapFault(ReadFile(entry.path())), "") << entry.path().filename();
  }
  EXPECT_EQ(count, 127) << "one picture per weapon, armour piece and animal";
}

TEST(PictureFiles, NamesAreUpperCaseAndListedOnceInTheResourceScript) {
  const auto listed = ListedBitmaps();
  const std::regex resource_name("[A-Z0-9_]+");
  std::set<std::string> files_listed;
  for (const auto& [name, file] : listed) {
    EXPECT_EQ(listed.count(name), 1u) << name << " is listed more than once";
    EXPECT_TRUE(std::regex_match(name, resource_name)) << name;
    EXPECT_EQ(file, name + ".bmp") << "the file of " << name;
    EXPECT_TRUE(fs::exists(kPictures / file)) << file << " is listed but missing";
    files_listed.insert(file);
  }
  for (const auto& entry : fs::directory_iterator(kPictures)) {
    if (entry.path().extension() == ".bmp")
      EXPECT_EQ(files_listed.count(entry.path().filename().string()), 1u)
          << entry.path().filename() << " is not compiled in";
  }
}

TEST(PictureFiles, FaultsAreFound) {
  // A well-formed 1 x 1 picture, then the faults the check above must catch, one at a time.
  std::vector<unsigned char> good(14 + 40 + 4 * 2 + 4, 0);
  good[0] = 'B';
  good[1] = 'M';
  good[10] = 14 + 40 + 8;
  good[14] = 40;
  good[18] = 1;
  good[22] = 1;
  good[28] = 8;
  good[46] = 2;
  ASSERT_EQ(BitmapFault(good), "");

  struct Case {
    std::size_t at;
    unsigned char value;
    const char* fault;
  };
  const Case cases[] = {
      {0, 'X', "not a BMP file"},
      {28, 24, "not 8 bits per pixel"},
      {30, 1, "compressed"},
      {25, 0xFF, "not stored bottom-up"},  // height -1 as a 32-bit number: rows stored top-down
      {22, 2, "pixel rows cut short"},
      {62, 2, "a pixel indexes past the palette"},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> bad = good;
    bad[c.at] = c.value;
    if (c.at == 25) bad[22] = bad[23] = bad[24] = 0xFF;
    EXPECT_EQ(BitmapFault(bad), c.fault) << "byte " << c.at;
  }
}

}  // namespace
