#include "reference/reference_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string_view>

#include "reference/statistic_texts.h"
#include "reference_test_data.h"

namespace kestrelle {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::CompiledTable;
using test::TableSource;

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Record data from 16-bit field values, little-endian.
Bytes Fields(const std::vector<std::uint16_t>& values) {
  Bytes bytes;
  for (const std::uint16_t v : values) {
    bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  return bytes;
}

std::vector<std::size_t> ItemCounts(const TCategoryTable<TWeaponRecord>& table) {
  std::vector<std::size_t> counts;
  for (const auto& category : table.Categories) counts.push_back(category.Items.size());
  return counts;
}

template <typename Record>
std::size_t TotalItems(const TCategoryTable<Record>& table) {
  return std::accumulate(table.Categories.begin(), table.Categories.end(), std::size_t{0},
                         [](std::size_t sum, const auto& category) { return sum + category.Items.size(); });
}

TEST(ReferenceTable, WeaponsHaveEightCategoriesInTableOrder) {
  const auto table = ReadWeaponTable(CompiledTable("weapons"));
  const std::vector<std::string> captions = {"Axes",      "Bows",           "Knives && Daggers", "Maces && Hammers",
                                             "Pole Arms", "Spears && Forks", "Staves",            "Swords"};
  EXPECT_EQ(table.Captions, captions);
  EXPECT_EQ(ItemCounts(table), (std::vector<std::size_t>{8, 3, 5, 7, 2, 4, 4, 6}));
  EXPECT_EQ(TotalItems(table), 39u);
  for (const auto& category : table.Categories) {
    EXPECT_EQ(category.ItemIndex, 0);
    EXPECT_EQ(category.Names.size(), category.Items.size());
  }
  EXPECT_EQ(table.Categories.front().Names.front(), "Executioner's Axe");
  EXPECT_EQ(table.Categories.back().Names.back(), "Viking Sword");
}

TEST(ReferenceTable, ArmourHasFiftyPiecesInEightCategories) {
  const auto table = ReadArmourTable(CompiledTable("armour"));
  const std::vector<std::string> captions = {"Bone",     "Chainmail", "Leather", "Plate",
                                             "Ringmail", "Studded",   "Helmets", "Shields"};
  EXPECT_EQ(table.Captions, captions);
  EXPECT_EQ(TotalItems(table), 50u);
  EXPECT_EQ(table.Categories[0].Names.front(), "Armor");
  EXPECT_EQ(table.Categories[2].Names[6], "Armour");
  EXPECT_EQ(table.Categories[7].Names.front(), "Buckler");
}

TEST(ReferenceTable, AnimalsRunFromAlligatorToWhiteWolf) {
  const auto table = ReadAnimalTable(CompiledTable("animals"));
  ASSERT_EQ(table.Names.size(), 38u);
  EXPECT_EQ(table.Records.size(), 38u);
  EXPECT_EQ(table.Names.front(), "Alligator");
  EXPECT_EQ(table.Names.back(), "White Wolf");
  EXPECT_NE(std::find(table.Names.begin(), table.Names.end(), "Mountian Goat"), table.Names.end());
}

TEST(ReferenceTable, CompiledTablesBeginAndEndAsStored) {
  const Bytes weapons = CompiledTable("weapons");
  const Bytes weaponsStart = Concat({ToBytes(std::string_view("%Axes\0\0Executioner's Axe\0\0", 26)),
                                     Fields({1, 4, 28, 31, 90, 50, 35, 1, 0})});
  const Bytes weaponsEnd = Concat({ToBytes(std::string_view("Viking Sword\0\0", 14)),
                                   Fields({1, 4, 32, 31, 100, 35, 40, 0, 6}), Bytes(4, 0)});
  ASSERT_GE(weapons.size(), weaponsStart.size() + weaponsEnd.size());
  EXPECT_TRUE(std::equal(weaponsStart.begin(), weaponsStart.end(), weapons.begin()));
  EXPECT_TRUE(std::equal(weaponsEnd.rbegin(), weaponsEnd.rend(), weapons.rbegin()));

  const Bytes armour = CompiledTable("armour");
  const Bytes armourEnd = Concat({ToBytes(std::string_view("Wooden\0\0", 8)), Fields({8, 21, 23, 5, 3, 5}), Bytes(4, 0)});
  EXPECT_TRUE(std::equal(armourEnd.rbegin(), armourEnd.rend(), armour.rbegin()));

  // The animals table stops right after the last record's data, with no terminator. Before the last
  // record: Walrus's item flags, 1.
  const Bytes animals = CompiledTable("animals");
  const Bytes animalsEnd = Concat({ToBytes(std::string_view("\x01\0White Wolf\0\0", 14)),
                                   Fields({2, 8, 55, 80, 55, 75, 30, 55, 7, 2, 55, 80, 1})});
  EXPECT_TRUE(std::equal(animalsEnd.rbegin(), animalsEnd.rend(), animals.rbegin()));
}

// The walk read back as flat lists, one entry per item, for comparing with a table source.
template <typename Record>
struct TFlatTable {
  std::vector<std::string> Categories;
  std::vector<std::string> Names;
  std::vector<Record> Records;
};

template <typename Record>
TFlatTable<Record> Flatten(const TCategoryTable<Record>& table) {
  TFlatTable<Record> flat;
  for (std::size_t c = 0; c < table.Categories.size(); ++c) {
    const auto& category = table.Categories[c];
    flat.Categories.insert(flat.Categories.end(), category.Names.size(), table.Captions[c]);
    flat.Names.insert(flat.Names.end(), category.Names.begin(), category.Names.end());
    flat.Records.insert(flat.Records.end(), category.Items.begin(), category.Items.end());
  }
  return flat;
}

TFlatTable<TAnimalRecord> Flatten(const TItemTable<TAnimalRecord>& table) {
  return {std::vector<std::string>(table.Names.size()), table.Names, table.Records};
}

// Every row of a source reads back with its category, name and field values, in order.
template <typename Record>
void ExpectMatchesSource(const TFlatTable<Record>& flat, const tables::TTableSource& source) {
  ASSERT_EQ(flat.Names.size(), source.Rows.size());
  for (std::size_t i = 0; i < source.Rows.size(); ++i) {
    const tables::TSourceRow& row = source.Rows[i];
    EXPECT_EQ(flat.Categories[i], row.Category);
    EXPECT_EQ(flat.Names[i], row.Name);
    const auto& bytes = flat.Records[i].Bytes();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), Fields(row.Fields)) << row.Name;
  }
}

TEST(ReferenceTable, CompiledTablesHoldEveryRowOfTheirSource) {
  ExpectMatchesSource(Flatten(ReadWeaponTable(CompiledTable("weapons"))), TableSource("weapons"));
  ExpectMatchesSource(Flatten(ReadArmourTable(CompiledTable("armour"))), TableSource("armour"));
  ExpectMatchesSource(Flatten(ReadAnimalTable(CompiledTable("animals"))), TableSource("animals"));
}

TEST(ReferenceTable, RecordFieldsDecodeLittleEndian) {
  const auto weapons = ReadWeaponTable(CompiledTable("weapons"));
  const TWeaponRecord& axe = weapons.Categories[0].Items[0];
  EXPECT_EQ(axe.Skill(), 1);
  EXPECT_EQ(axe.DamageMin(), 4);
  EXPECT_EQ(axe.DamageMax(), 28);
  EXPECT_EQ(axe.HitPointsMin(), 31);
  EXPECT_EQ(axe.HitPointsMax(), 90);
  EXPECT_EQ(axe.Speed(), 50);
  EXPECT_EQ(axe.StrengthRequired(), 35);
  EXPECT_EQ(axe.TwoHanded(), 1);
  EXPECT_EQ(axe.Weight(), 0);
  EXPECT_EQ(weapons.Categories[3].Items[6].Weight(), 17) << "War Mace";

  const auto armour = ReadArmourTable(CompiledTable("armour"));
  const TArmourRecord& orcHelm = armour.Categories[6].Items[4];
  EXPECT_EQ(orcHelm.ArmourRating(), 20);
  EXPECT_EQ(orcHelm.HitPointsMin(), 31);
  EXPECT_EQ(orcHelm.HitPointsMax(), 70);
  EXPECT_EQ(orcHelm.StrengthRequired(), 0);
  EXPECT_EQ(orcHelm.Gender(), 3);
  EXPECT_EQ(orcHelm.Weight(), 5);

  const auto animals = ReadAnimalTable(CompiledTable("animals"));
  const TAnimalRecord& hellHound = animals.Records[20];
  ASSERT_EQ(animals.Names[20], "Hell Hound");
  EXPECT_EQ(hellHound.StrengthMax(), 110);
  EXPECT_EQ(hellHound.IntelligenceMin(), 40);
  EXPECT_EQ(hellHound.Alignment(), 3);
  EXPECT_EQ(hellHound.ItemFlags(), 65);

  // Values above 255 use the high byte.
  const Bytes wide = Fields({0x1234, 0xFFFF, 0, 0, 0, 0});
  const TArmourRecord record(std::span<const std::uint8_t, 12>(wide.data(), 12));
  EXPECT_EQ(record.ArmourRating(), 0x1234);
  EXPECT_EQ(record.HitPointsMin(), 0xFFFF);
}

// A two-handed word whose low byte is 0 is one-handed, whatever its high byte.
TEST(ReferenceTable, TwoHandedCountsOnlyTheLowByte) {
  Bytes data = Fields({1, 4, 28, 31, 90, 50, 35, 0, 0});
  data[15] = 1;
  const TWeaponRecord record(std::span<const std::uint8_t, 18>(data.data(), 18));
  EXPECT_EQ(record.TwoHanded(), 0x100);
  EXPECT_EQ(TwoHandedText(record.TwoHanded()), "No");
}

// Runs each walk over an exactly sized copy, so that the sanitizer sees any read past the end.
template <typename Read>
auto ReadExact(const Bytes& data, Read read) {
  const Bytes copy(data);
  return read(std::span<const std::uint8_t>(copy));
}

TEST(ReferenceTable, EveryCutOfTheAnimalTableKeepsOnlyWholeRecords) {
  const Bytes animals = CompiledTable("animals");
  // Offsets at which each record ends.
  std::vector<std::size_t> ends;
  for (const std::string& name : ReadAnimalTable(animals).Names) {
    ends.push_back((ends.empty() ? 0 : ends.back()) + name.size() + 2 + TAnimalRecord::Size);
  }
  ASSERT_EQ(ends.back(), animals.size());
  for (std::size_t length = 0; length <= animals.size(); ++length) {
    const auto table = ReadExact(Bytes(animals.begin(), animals.begin() + static_cast<std::ptrdiff_t>(length)),
                                 [](auto span) { return ReadAnimalTable(span); });
    const auto whole = static_cast<std::size_t>(std::upper_bound(ends.begin(), ends.end(), length) - ends.begin());
    ASSERT_EQ(table.Names.size(), whole) << "cut at " << length;
    ASSERT_EQ(table.Records.size(), whole) << "cut at " << length;
  }
}

TEST(ReferenceTable, EveryCutOfTheWeaponTableKeepsOnlyWholeRecords) {
  const Bytes weapons = CompiledTable("weapons");
  std::size_t previousItems = 0;
  for (std::size_t length = 0; length <= weapons.size(); ++length) {
    const auto table = ReadExact(Bytes(weapons.begin(), weapons.begin() + static_cast<std::ptrdiff_t>(length)),
                                 [](auto span) { return ReadWeaponTable(span); });
    const std::size_t items = TotalItems(table);
    ASSERT_GE(items, previousItems) << "cut at " << length;
    ASSERT_LE(items, previousItems + 1) << "cut at " << length;
    previousItems = items;
  }
  // The last record ends four bytes before the end: the terminator is not needed to read it.
  EXPECT_EQ(TotalItems(ReadExact(Bytes(weapons.begin(), weapons.end() - 4), [](auto s) { return ReadWeaponTable(s); })),
            39u);
  EXPECT_EQ(TotalItems(ReadExact(Bytes(weapons.begin(), weapons.end() - 5), [](auto s) { return ReadWeaponTable(s); })),
            38u);
}

TEST(ReferenceTable, MalformedTablesEndTheWalkCleanly) {
  const Bytes dagger = Concat({ToBytes(std::string_view("Dagger\0\0", 8)), Fields({2, 3, 12, 31, 40, 55, 1, 0, 1})});
  struct Case {
    const char* what;
    Bytes data;
    std::vector<std::size_t> itemsPerCategory;
  };
  const Case cases[] = {
      {"empty data", {}, {}},
      {"terminator only", Bytes(4, 0), {}},
      {"header name without its 0 byte", ToBytes("%Knives"), {}},
      {"header without its reserved byte", ToBytes(std::string_view("%Knives\0", 8)), {}},
      {"header with no items", ToBytes(std::string_view("%Knives\0\0", 9)), {0}},
      {"item before any header", dagger, {}},
      {"item name without its 0 byte", Concat({ToBytes(std::string_view("%Knives\0\0", 9)), ToBytes("Dagger")}), {0}},
      {"item data cut short",
       Concat({ToBytes(std::string_view("%Knives\0\0", 9)), Bytes(dagger.begin(), dagger.end() - 1)}),
       {0}},
      {"data after the terminator is not read",
       Concat({ToBytes(std::string_view("%Knives\0\0", 9)), dagger, Bytes(1, 0), ToBytes(std::string_view("%Bows\0\0", 7)),
               dagger}),
       {1}},
      {"empty header name",
       Concat({ToBytes(std::string_view("%\0\0", 3)), dagger, ToBytes(std::string_view("%Bows\0\0", 7)), dagger, dagger}),
       {1, 2}},
  };
  for (const Case& c : cases) {
    const auto table = ReadExact(c.data, [](auto span) { return ReadWeaponTable(span); });
    ASSERT_EQ(table.Captions.size(), table.Categories.size()) << c.what;
    EXPECT_EQ(ItemCounts(table), c.itemsPerCategory) << c.what;
  }
}

TEST(ReferenceTable, AnimalTableHasNoCategoryHeaders) {
  const Bytes data =
      Concat({ToBytes(std::string_view("%Odd\0\0", 6)), Bytes(26, 7), ToBytes(std::string_view("Next\0\0", 6)), Bytes(25, 7)});
  const auto table = ReadExact(data, [](auto span) { return ReadAnimalTable(span); });
  EXPECT_EQ(table.Names, std::vector<std::string>{"%Odd"});
  EXPECT_EQ(table.Records.size(), 1u);
}

}  // namespace
}  // namespace kestrelle
