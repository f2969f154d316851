#pragma once
// Exact emulation of the x87 80-bit extended format's arithmetic, as far as picture sizes and magic odds
// need it:
// non-negative values with a 64-bit significand, every operation rounded to nearest with ties to even, and
// the final rounding to a whole number with ties to even. Done in integers so that every compiler (also
// those without an 80-bit long double) gives the same pixel sizes.
#include <cstdint>

namespace kestrelle {

// The value Significand × 2^Exponent; the significand has at most 64 significant bits.
struct TExtendedReal {
  std::uint64_t Significand = 0;
  int Exponent = 0;
};

TExtendedReal ExtendedFromInteger(std::uint32_t value);

// a × b, rounded to a 64-bit significand.
TExtendedReal ExtendedMultiply(TExtendedReal a, TExtendedReal b);

// dividend ÷ divisor, rounded to a 64-bit significand; divisor must not be 0.
TExtendedReal ExtendedDivide(TExtendedReal dividend, TExtendedReal divisor);
TExtendedReal ExtendedDivide(std::uint32_t dividend, std::uint32_t divisor);

// The nearest whole number, an exact half going to the even one. Values of 2^63 and above saturate.
std::int64_t RoundHalfEven(TExtendedReal value);

}  // namespace kestrelle
