#include "reference/extended_real.h"

#include <limits>

namespace kestrelle {
namespace {

constexpr int kSignificandBits = 64;

// Unsigned 128-bit integer: wide enough for a product of two significands, or for a 32-bit dividend
// shifted left by 96 bits.
struct TUInt128 {
  std::uint64_t High = 0;
  std::uint64_t Low = 0;
};

bool Less(TUInt128 a, TUInt128 b) { return a.High != b.High ? a.High < b.High : a.Low < b.Low; }
bool Equal(TUInt128 a, TUInt128 b) { return a.High == b.High && a.Low == b.Low; }

TUInt128 ShiftRight(TUInt128 v, int n) {
  if (n == 0) return v;
  if (n >= 128) return {};
  if (n >= 64) return {0, v.High >> (n - 64)};
  return {v.High >> n, (v.Low >> n) | (v.High << (64 - n))};
}

TUInt128 ShiftLeft(TUInt128 v, int n) {
  if (n == 0) return v;
  if (n >= 128) return {};
  if (n >= 64) return {v.Low << (n - 64), 0};
  return {(v.High << n) | (v.Low >> (64 - n)), v.Low << n};
}

TUInt128 Subtract(TUInt128 a, TUInt128 b) {
  const std::uint64_t low = a.Low - b.Low;
  return {a.High - b.High - (a.Low < b.Low ? 1u : 0u), low};
}

int BitLength(std::uint64_t v) {
  int bits = 0;
  while (v != 0) {
    ++bits;
    v >>= 1;
  }
  return bits;
}

int BitLength(TUInt128 v) { return v.High != 0 ? 64 + BitLength(v.High) : BitLength(v.Low); }

TUInt128 Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t highHigh = aHigh * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32), (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

// Rounds value × 2^exponent to a 64-bit significand. inexactBelow tells that the true value lies
// slightly above value × 2^exponent (a division's nonzero remainder), which breaks a tie upwards.
TExtendedReal RoundToSignificand(TUInt128 value, int exponent, bool inexactBelow) {
  const int drop = BitLength(value) - kSignificandBits;
  if (drop <= 0) return {value.Low, exponent};
  TUInt128 kept = ShiftRight(value, drop);
  const TUInt128 rest = Subtract(value, ShiftLeft(kept, drop));
  const TUInt128 half = ShiftLeft(TUInt128{0, 1}, drop - 1);
  const bool tie = Equal(rest, half) && !inexactBelow;
  const bool up = Less(half, rest) || (Equal(rest, half) && inexactBelow) || (tie && (kept.Low & 1) != 0);
  if (!up) return {kept.Low, exponent + drop};
  if (kept.Low == std::numeric_limits<std::uint64_t>::max()) return {std::uint64_t{1} << 63, exponent + drop + 1};
  return {kept.Low + 1, exponent + drop};
}

}  // namespace

TExtendedReal ExtendedFromInteger(std::uint32_t value) { return {value, 0}; }

TExtendedReal ExtendedMultiply(TExtendedReal a, TExtendedReal b) {
  return RoundToSignificand(Multiply(a.Significand, b.Significand), a.Exponent + b.Exponent, false);
}

TExtendedReal ExtendedDivide(TExtendedReal dividend, TExtendedReal divisor) {
  if (dividend.Significand == 0) return {};
  // Long division, one quotient bit at a time, until the quotient holds two bits more than a significand:
  // with the remainder as a sticky bit, that is all that rounding to nearest needs.
  const std::uint64_t d = divisor.Significand;
  TUInt128 quotient{0, dividend.Significand / d};
  TUInt128 remainder{0, dividend.Significand % d};
  int fractionBits = 0;
  while (BitLength(quotient) < kSignificandBits + 2) {
    remainder = ShiftLeft(remainder, 1);
    quotient = ShiftLeft(quotient, 1);
    if (!Less(remainder, TUInt128{0, d})) {
      remainder = Subtract(remainder, TUInt128{0, d});
      quotient.Low |= 1;
    }
    ++fractionBits;
  }
  const bool inexact = remainder.High != 0 || remainder.Low != 0;
  return RoundToSignificand(quotient, dividend.Exponent - divisor.Exponent - fractionBits, inexact);
}

TExtendedReal ExtendedDivide(std::uint32_t dividend, std::uint32_t divisor) {
  return ExtendedDivide(ExtendedFromInteger(dividend), ExtendedFromInteger(divisor));
}

std::int64_t RoundHalfEven(TExtendedReal value) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  if (value.Significand == 0) return 0;
  if (value.Exponent >= 0) {
    if (BitLength(value.Significand) + value.Exponent > 63) return kMax;
    return static_cast<std::int64_t>(value.Significand << value.Exponent);
  }
  const int fractionBits = -value.Exponent;
  if (fractionBits > kSignificandBits) return 0;  // below one half
  const TUInt128 whole{0, value.Significand};
  const std::uint64_t integer = ShiftRight(whole, fractionBits).Low;
  const TUInt128 fraction = Subtract(whole, ShiftLeft(TUInt128{0, integer}, fractionBits));
  const TUInt128 half = ShiftLeft(TUInt128{0, 1}, fractionBits - 1);
  const bool up = Less(half, fraction) || (Equal(fraction, half) && (integer & 1) != 0);
  const std::uint64_t rounded = integer + (up ? 1 : 0);
  return rounded > static_cast<std::uint64_t>(kMax) ? kMax : static_cast<std::int64_t>(rounded);
}

}  // namespace kestrelle
