#include "payroll/FormatBetrag.h"

#include <cfloat>
#include <cmath>

#include "store/Numbers.h"

namespace lohn {

std::string FormatBetrag(double value) { return FloatToStrFixed(value, 10, 2); }

double RoundBetrag(double value) { return StrToFloat(FormatBetrag(value)); }

namespace {

// The number of half cents when the value lies on one, within the noise of
// its last bits (a stored 16.425 is 16.42499999999999715... in binary).
// x to the nearest integer, halves to even, as nearbyint in the default
// rounding mode; below 2^51 by adding and taking away 1.5 * 2^52, which
// leaves no bits behind the point.
double Gerundet(double x) {
  constexpr double kGrenze = 2251799813685248.0, kSchieber = 6755399441055744.0;
  return std::fabs(x) < kGrenze ? (x + kSchieber) - kSchieber : std::nearbyint(x);
}

std::optional<std::int64_t> HalbeCents(double value) {
  const double h = value * 200;
  const double n = Gerundet(h);
  const double toleranz = std::max(std::fabs(h) * 16 * DBL_EPSILON, 1e-6);
  if (std::fabs(h - n) <= toleranz) return static_cast<std::int64_t>(n);
  return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> CentsHalfEven(double value) {
  if (!std::isfinite(value) || std::fabs(value) > double(kMaxCents) / 100 + 1) return std::nullopt;
  std::int64_t cents;
  if (const auto halbe = HalbeCents(value)) {
    const std::int64_t h = *halbe;
    cents = h / 2;  // toward zero
    if (h % 2 != 0 && cents % 2 != 0) cents += h > 0 ? 1 : -1;
  } else {
    cents = static_cast<std::int64_t>(Gerundet(value * 100));
  }
  if (cents > kMaxCents || cents < -kMaxCents) return std::nullopt;
  return cents;
}

double RoundBetragHalfEven(double value) {
  if (const auto c = CentsHalfEven(value)) return double(*c) / 100;
  if (!std::isfinite(value)) return value;
  return std::nearbyint(value * 100) / 100;
}

}  // namespace lohn
