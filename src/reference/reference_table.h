#pragma once
// Reading the reference table resources. A table is a sequence of records from offset 0:
//   category header  "%", name, 0, reserved byte         (weapons and armour only)
//   item             name, 0, reserved byte, N data bytes (N = 18, 12 or 26)
// ended by a 0 byte where a record would begin, or by the end of the data.
// The reader never looks past the end of the data: a record cut short, a name without its 0 byte, or an
// item before the first category header ends the table there; everything read before it is kept.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "reference/reference_records.h"

namespace kestrelle {

template <typename Record>
struct TCategoryTable {
  std::vector<std::string> Captions;  // one per category, as stored ("Knives && Daggers"): the tab captions
  std::vector<TReferenceCategory<Record>> Categories;
};

template <typename Record>
struct TItemTable {
  std::vector<std::string> Names;  // the list lines
  std::vector<Record> Records;     // parallel to Names
};

inline constexpr int kWeaponTableResource = 1000;
inline constexpr int kArmourTableResource = 2000;
inline constexpr int kAnimalTableResource = 3000;

TCategoryTable<TWeaponRecord> ReadWeaponTable(std::span<const std::uint8_t> data);
TCategoryTable<TArmourRecord> ReadArmourTable(std::span<const std::uint8_t> data);
TItemTable<TAnimalRecord> ReadAnimalTable(std::span<const std::uint8_t> data);

}  // namespace kestrelle
