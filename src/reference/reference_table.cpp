#include "reference/reference_table.h"

#include <algorithm>
#include <optional>

namespace kestrelle {
namespace {

constexpr std::uint8_t kCategoryMark = '%';

// Reads records front to back; every read is checked against the end of the data.
class TTableReader {
 public:
  explicit TTableReader(std::span<const std::uint8_t> data) : Data(data) {}

  // True while a record may start here: inside the data and not at the 0 byte that ends the table.
  bool AtRecord() const { return Pos < Data.size() && Data[Pos] != 0; }
  bool AtCategoryHeader() const { return AtRecord() && Data[Pos] == kCategoryMark; }

  // Name, its 0 byte and the reserved byte; nothing when they do not all lie inside the data.
  std::optional<std::string> ReadName() {
    const auto rest = Data.subspan(Pos);
    const auto end = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    const std::size_t length = static_cast<std::size_t>(end - rest.begin());
    if (length + 2 > rest.size()) return std::nullopt;
    Pos += length + 2;
    return std::string(rest.begin(), end);
  }

  template <typename Record>
  std::optional<Record> ReadRecord() {
    if (Data.size() - Pos < Record::Size) return std::nullopt;
    const Record record(Data.subspan(Pos).template first<Record::Size>());
    Pos += Record::Size;
    return record;
  }

  void SkipCategoryMark() { ++Pos; }

 private:
  std::span<const std::uint8_t> Data;
  std::size_t Pos = 0;
};

template <typename Record>
TCategoryTable<Record> ReadCategoryTable(std::span<const std::uint8_t> data) {
  TCategoryTable<Record> table;
  TTableReader reader(data);
  while (reader.AtRecord()) {
    if (reader.AtCategoryHeader()) {
      reader.SkipCategoryMark();
      std::optional<std::string> caption = reader.ReadName();
      if (!caption) break;
      table.Captions.push_back(std::move(*caption));
      table.Categories.emplace_back();
      continue;
    }
    if (table.Categories.empty()) break;  // an item needs a category to belong to
    std::optional<std::string> name = reader.ReadName();
    if (!name) break;
    std::optional<Record> record = reader.template ReadRecord<Record>();
    if (!record) break;
    TReferenceCategory<Record>& category = table.Categories.back();
    category.Names.push_back(std::move(*name));
    category.Items.push_back(*record);
  }
  return table;
}

}  // namespace

TCategoryTable<TWeaponRecord> ReadWeaponTable(std::span<const std::uint8_t> data) {
  return ReadCategoryTable<TWeaponRecord>(data);
}

TCategoryTable<TArmourRecord> ReadArmourTable(std::span<const std::uint8_t> data) {
  return ReadCategoryTable<TArmourRecord>(data);
}

TItemTable<TAnimalRecord> ReadAnimalTable(std::span<const std::uint8_t> data) {
  TItemTable<TAnimalRecord> table;
  TTableReader reader(data);
  while (reader.AtRecord()) {
    std::optional<std::string> name = reader.ReadName();
    if (!name) break;
    std::optional<TAnimalRecord> record = reader.ReadRecord<TAnimalRecord>();
    if (!record) break;
    table.Names.push_back(std::move(*name));
    table.Records.push_back(*record);
  }
  return table;
}

}  // namespace kestrelle
