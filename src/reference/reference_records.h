#pragma once
// The item records of the reference tables and the in-memory form of a table with categories.
// A record keeps the item's data bytes exactly as the table resource stores them (unsigned 16-bit
// little-endian fields, no padding); the accessors decode a field from those bytes on any host.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrelle {

template <std::size_t N>
class TRecordBytes {
 public:
  static constexpr std::size_t Size = N;

  TRecordBytes() = default;
  explicit TRecordBytes(std::span<const std::uint8_t, N> bytes) {
    for (std::size_t i = 0; i < N; ++i) Data[i] = bytes[i];
  }

  const std::array<std::uint8_t, N>& Bytes() const { return Data; }

 protected:
  template <std::size_t Offset>
  std::uint16_t Word() const {
    static_assert(Offset + 2 <= N, "field lies outside the record");
    return static_cast<std::uint16_t>(Data[Offset] | (Data[Offset + 1] << 8));
  }

 private:
  std::array<std::uint8_t, N> Data{};
};

// A weapon: skill, damage, durability, speed, strength, two-handed flag and weight.
struct TWeaponRecord : TRecordBytes<18> {
  using TRecordBytes::TRecordBytes;
  std::uint16_t Skill() const { return Word<0>(); }  // 1 Swordsmanship, 2 Fencing, 3 Mace Fighting, 4 Archery
  std::uint16_t DamageMin() const { return Word<2>(); }
  std::uint16_t DamageMax() const { return Word<4>(); }
  std::uint16_t HitPointsMin() const { return Word<6>(); }
  std::uint16_t HitPointsMax() const { return Word<8>(); }
  std::uint16_t Speed() const { return Word<10>(); }
  std::uint16_t StrengthRequired() const { return Word<12>(); }
  std::uint16_t TwoHanded() const { return Word<14>(); }  // only the low byte counts (TwoHandedText)
  std::uint16_t Weight() const { return Word<16>(); }     // stones; 0 when not known
};

// An armour piece, helmet or shield.
struct TArmourRecord : TRecordBytes<12> {
  using TRecordBytes::TRecordBytes;
  std::uint16_t ArmourRating() const { return Word<0>(); }
  std::uint16_t HitPointsMin() const { return Word<2>(); }
  std::uint16_t HitPointsMax() const { return Word<4>(); }
  std::uint16_t StrengthRequired() const { return Word<6>(); }
  std::uint16_t Gender() const { return Word<8>(); }  // 1 Male, 2 Female, 3 Either
  std::uint16_t Weight() const { return Word<10>(); }  // stones; 0 when not known
};

// An animal: its ranges of damage, attributes and hit points, armour, alignment and what it yields.
struct TAnimalRecord : TRecordBytes<26> {
  using TRecordBytes::TRecordBytes;
  std::uint16_t DamageMin() const { return Word<0>(); }
  std::uint16_t DamageMax() const { return Word<2>(); }
  std::uint16_t StrengthMin() const { return Word<4>(); }
  std::uint16_t StrengthMax() const { return Word<6>(); }
  std::uint16_t DexterityMin() const { return Word<8>(); }
  std::uint16_t DexterityMax() const { return Word<10>(); }
  std::uint16_t IntelligenceMin() const { return Word<12>(); }
  std::uint16_t IntelligenceMax() const { return Word<14>(); }
  std::uint16_t ArmourRating() const { return Word<16>(); }
  std::uint16_t Alignment() const { return Word<18>(); }  // 1 Good, 2 Neutral, 3 Evil
  std::uint16_t HitPointsMin() const { return Word<20>(); }
  std::uint16_t HitPointsMax() const { return Word<22>(); }
  std::uint16_t ItemFlags() const { return Word<24>(); }  // bit set, see AnimalItemsText
};

// One category (tab) of the weapons or armour table.
template <typename Record>
struct TReferenceCategory {
  std::vector<Record> Items;         // in table order
  std::int32_t ItemIndex = 0;        // the item selected whenever the category is shown: always the first
  std::vector<std::string> Names;    // parallel to Items
};

}  // namespace kestrelle
