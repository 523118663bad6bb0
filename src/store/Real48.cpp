#include "store/Real48.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace lohn {

namespace {
constexpr int kBias = 129;
constexpr double kMantissaScale = 549755813888.0;  // 2^39
}  // namespace

Real48Bytes EncodeReal48(double value) {
  Real48Bytes out{};
  if (std::isnan(value) || std::isinf(value))
    throw std::range_error("Betrag ist keine gültige Zahl");
  if (value == 0.0) return out;
  bool negative = value < 0;
  int exp2 = 0;
  double frac = std::frexp(std::fabs(value), &exp2);  // frac in [0.5, 1)
  int exponent = exp2 - 1 + kBias;                    // value = 2*frac * 2^(exp2-1)
  // 2*frac - 1 holds at most 52 significant bits; rounding to 39 is exact
  // arithmetic on the double before nearbyint, which rounds half to even.
  double mant = std::nearbyint((2.0 * frac - 1.0) * kMantissaScale);
  if (mant >= kMantissaScale) {
    mant = 0;
    ++exponent;
  }
  if (exponent < 1) return out;
  if (exponent > 255) throw std::range_error("Betrag ist zu groß");
  std::uint64_t m = std::uint64_t(mant);
  out[0] = std::uint8_t(exponent);
  for (int i = 0; i < 5; ++i) out[1 + i] = std::uint8_t(m >> (8 * i));
  out[5] = std::uint8_t((out[5] & 0x7f) | (negative ? 0x80 : 0));
  return out;
}

}  // namespace lohn
