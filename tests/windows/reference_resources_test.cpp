// The reference tables and pictures as the program's own resources.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "reference/picture_name.h"
#include "reference/picture_resource.h"
#include "reference/reference_table.h"
#include "reference/resource_data.h"
#include "table_source.h"

namespace kestrelle {
namespace {

// Paths of the build are Unix paths when the tests run under Wine, where drive Z: is the Unix root.
std::string UnderWine(std::string path) { return path.front() == '/' ? "Z:" + path : path; }

// A table as the build compiled it.
std::vector<std::uint8_t> CompiledTable(const std::string& name) {
  const std::string path = UnderWine(std::string(KESTRELLE_BINARY_DIR) + "/resources/tables/" + name + ".bin");
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A table's text source, which lists the size of every entry's picture.
std::vector<tables::TSourceRow> SourceRows(const std::string& name) {
  const std::string path = UnderWine(std::string(KESTRELLE_SOURCE_DIR) + "/resources/tables/" + name + ".txt");
  std::ifstream in(path);
  EXPECT_TRUE(in) << path;
  return tables::ParseTableSource(in, path).Rows;
}

TEST(ReferenceResources, TablesAreTheCompiledBytes) {
  EXPECT_EQ(LoadDataResource(kWeaponTableResource), CompiledTable("weapons"));
  EXPECT_EQ(LoadDataResource(kArmourTableResource), CompiledTable("armour"));
  EXPECT_EQ(LoadDataResource(kAnimalTableResource), CompiledTable("animals"));
  EXPECT_EQ(ReadWeaponTable(LoadDataResource(kWeaponTableResource)).Categories.size(), 8u);
  EXPECT_EQ(ReadAnimalTable(LoadDataResource(kAnimalTableResource)).Names.size(), 38u);
}

// Every entry's picture is found by the name its display text gives, whose case differs from the stored
// one, and has the size its table lists.
TEST(ReferenceResources, EveryPictureLoadsByItsDisplayNameAtItsListedSize) {
  std::vector<std::string> displayTexts;
  const auto weapons = ReadWeaponTable(LoadDataResource(kWeaponTableResource));
  for (const auto& category : weapons.Categories) {
    displayTexts.insert(displayTexts.end(), category.Names.begin(), category.Names.end());
  }
  const auto armour = ReadArmourTable(LoadDataResource(kArmourTableResource));
  for (std::size_t c = 0; c < armour.Categories.size(); ++c) {
    for (const std::string& name : armour.Categories[c].Names) displayTexts.push_back(armour.Captions[c] + " " + name);
  }
  const auto animals = ReadAnimalTable(LoadDataResource(kAnimalTableResource));
  displayTexts.insert(displayTexts.end(), animals.Names.begin(), animals.Names.end());
  ASSERT_EQ(displayTexts.size(), 127u);

  std::vector<tables::TSourceRow> rows;
  for (const char* table : {"weapons", "armour", "animals"}) {
    const std::vector<tables::TSourceRow> tableRows = SourceRows(table);
    rows.insert(rows.end(), tableRows.begin(), tableRows.end());
  }
  ASSERT_EQ(rows.size(), displayTexts.size());

  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string& text = displayTexts[i];
    EXPECT_TRUE(text.ends_with(rows[i].Name)) << text << " is listed as " << rows[i].Name;
    try {
      const ui::BitmapHandle bitmap = LoadPictureBitmap(PictureResourceName(text));
      EXPECT_EQ(PictureSizeOf(bitmap.Get()), (TPictureSize{rows[i].PictureWidth, rows[i].PictureHeight})) << text;
    } catch (const EResourceNotFound& e) {
      ADD_FAILURE() << e.what();
    }
  }
  struct Known {
    const char* name;
    TPictureSize size;
  };
  for (const Known& known : {Known{"Executioner_s_Axe", {36, 28}}, Known{"helmets_bascinet", {10, 18}},
                             Known{"Mountian_Goat", {36, 34}}, Known{"SCORPION", {115, 97}}}) {
    EXPECT_EQ(PictureSizeOf(LoadPictureBitmap(known.name).Get()), known.size) << known.name;
  }
}

TEST(ReferenceResources, MissingResourcesAreNamedInTheError) {
  const auto message = [](auto load) -> std::string {
    try {
      load();
    } catch (const EResourceNotFound& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message([] { LoadPictureBitmap("NO_SUCH_PICTURE"); }), "Resource NO_SUCH_PICTURE not found");
  EXPECT_EQ(message([] { LoadPictureBitmap("Bone_"); }), "Resource Bone_ not found");
  EXPECT_EQ(message([] { LoadPictureBitmap(""); }), "Resource  not found");
  EXPECT_EQ(message([] { LoadDataResource(4242); }), "Resource 4242 not found");
}

}  // namespace
}  // namespace kestrelle
