#include "reference/magic_odds.h"

namespace kestrelle {
namespace {

constexpr int kReal48SignificantBits = 40;

// Stored into the 48-bit real: rounded at the 40th significant bit, a half going up. The 8-bit exponent
// is far from its limits for percentages and the factors of the modifier tables.
TExtendedReal StoreAsReal48(TExtendedReal value) {
  int bits = 0;
  for (std::uint64_t v = value.Significand; v != 0; v >>= 1) ++bits;
  const int drop = bits - kReal48SignificantBits;
  if (drop <= 0) return value;
  const bool halfOrMore = ((value.Significand >> (drop - 1)) & 1) != 0;
  return {(value.Significand >> drop) + (halfOrMore ? 1 : 0), value.Exponent + drop};
}

}  // namespace

TMagicOdds::TMagicOdds(std::uint32_t startPercent) : chance_(ExtendedFromInteger(startPercent)) {}

void TMagicOdds::MultiplyBy(TDecimal factor) {
  const TExtendedReal nearest = ExtendedDivide(factor.Numerator, factor.Denominator);
  chance_ = StoreAsReal48(ExtendedMultiply(chance_, nearest));
}

std::int64_t TMagicOdds::OneIn() const {
  if (chance_.Significand == 0) return 0;
  return RoundHalfEven(ExtendedDivide(ExtendedFromInteger(100), chance_));
}

}  // namespace kestrelle
