// Feeds arbitrary bytes to the reference table reader as each of the three tables. The sanitizers catch
// any read past the data; the checks below catch a walk that loses the pairing of names and records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "reference/reference_table.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

template <typename Table>
void CheckCategories(const Table& table, std::size_t size) {
  Check(table.Captions.size() == table.Categories.size());
  std::size_t items = 0;
  for (const auto& category : table.Categories) {
    Check(category.Names.size() == category.Items.size());
    Check(category.ItemIndex == 0);
    items += category.Items.size();
  }
  // Every item takes at least its 0 byte, its reserved byte and its data.
  using Record = typename decltype(table.Categories.front().Items)::value_type;
  Check(items * (Record::Size + 2) <= size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckCategories(kestrelle::ReadWeaponTable(bytes), size);
  CheckCategories(kestrelle::ReadArmourTable(bytes), size);
  const auto animals = kestrelle::ReadAnimalTable(bytes);
  Check(animals.Names.size() == animals.Records.size());
  Check(animals.Records.size() * (kestrelle::TAnimalRecord::Size + 2) <= size);
  return 0;
}
