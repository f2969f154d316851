#pragma once
// The odds of a magic item, "1 in N". The running chance, a percentage, is kept in the 48-bit real of the
// game's item tables (40 significant bits): each modifier's factor, the extended value nearest its
// decimal, multiplies it in extended precision, and the product is stored back rounded at the 40th bit,
// a half going up. N is 100 ÷ the chance in extended precision, rounded to the nearest whole number, a
// half to the even one. Done in integers, so every compiler gives the same N.
#include <cstdint>

#include "reference/extended_real.h"

namespace kestrelle {

// A decimal factor of a modifier, as a fraction (0.13 is {13, 100}).
struct TDecimal {
  std::uint32_t Numerator = 0;
  std::uint32_t Denominator = 1;
};

class TMagicOdds {
 public:
  // A start chance in percent; whole numbers up to 2^32 are exact in the 48-bit real.
  explicit TMagicOdds(std::uint32_t startPercent);

  void MultiplyBy(TDecimal factor);
  // N of "1 in N"; a chance of 0 has no N and gives 0.
  std::int64_t OneIn() const;

 private:
  TExtendedReal chance_;
};

}  // namespace kestrelle
