#pragma once
// Amounts that the calculation writes into a window field: fixed point, two
// decimals, "," before the decimals. Later steps read the written text again,
// so every such amount is rounded at that point, halves away from zero.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "store/Numbers.h"

namespace lohn {

// "17,28" for 17.275, "2240,10" for 2240.095, "0,00" for 0: the value is
// first taken to 10 significant digits, then to two decimals, so a binary
// double just below a half cent still rounds up as the decimal text reads.
std::string FormatBetrag(double value);

// The amount as the field holds it after FormatBetrag.
double RoundBetrag(double value);

// The largest amount, in cents, that the program turns into whole cents:
// up to here a double still tells every half cent apart, so sums and their
// cents stay exact. A larger amount or sum is refused where it would be
// printed on a form or filed.
inline constexpr std::int64_t kMaxCents = 10'000'000'000'000;  // 100,000,000,000.00
// Whole cents of an amount or sum, and back.
using Cent = std::int64_t;
inline double AlsBetrag(Cent c) { return double(c) / 100; }
// Whether a cent sum lies within kMaxCents.
inline bool ImRahmen(Cent c) { return c >= -kMaxCents && c <= kMaxCents; }

// The refusal of an amount or sum beyond kMaxCents: `was` ("Der Betrag",
// "Die Summe") and the amount, `wessen` (" des Dienstnehmers ..." or
// empty), " ist zu groß für " + `wofuer`, the bound, then `folge`.
std::string ZuGrossMeldung(const std::string& was, double betrag, const std::string& wessen,
                           const std::string& wofuer, const std::string& folge);

// Whole cents of an amount, exact halves to the even cent (0.125 -> 12,
// 0.135 -> 14), computed on integers. A double counts as lying on a half
// cent when value * 200 is within max(1e-6, 16 * DBL_EPSILON * |value * 200|)
// of a whole number: within 1e-6 of a half cent below about 1.4e6 euros, a
// few units of its last place above. So binary noise cannot tip a half
// cent. Nothing when the amount is not finite or its cents lie beyond
// kMaxCents.
// Inline: the reports take it for every amount they add up.
inline std::optional<std::int64_t> CentsHalfEven(double value);

// The same as an amount: the rounding of the filed and reported sums.
// Beyond kMaxCents the value comes back rounded by the floating point
// unit alone (those amounts are refused where they would be filed).
double RoundBetragHalfEven(double value);

namespace detail {

// The number of half cents when the value lies on one, within the
// tolerance CentsHalfEven states (a stored 16.425 is 16.42499999999999715...
// in binary).
inline std::optional<std::int64_t> HalbeCents(double value) {
  const double h = value * 200;
  const double n = GanzGerade(h);
  const double toleranz = std::max(std::fabs(h) * 16 * DBL_EPSILON, 1e-6);
  if (std::fabs(h - n) <= toleranz) return static_cast<std::int64_t>(n);
  return std::nullopt;
}

}  // namespace detail

inline std::optional<std::int64_t> CentsHalfEven(double value) {
  if (!std::isfinite(value) || std::fabs(value) > double(kMaxCents) / 100 + 1) return std::nullopt;
  std::int64_t cents;
  // Nearly every amount lies close to a whole cent: value * 200 (twice
  // value * 100, exactly) is then far from every odd half cent, beyond any
  // tolerance of HalbeCents, and both ways give that cent.
  const double hundert = value * 100, naechster = GanzGerade(hundert);
  if (std::fabs(hundert - naechster) < 0.4) {
    cents = static_cast<std::int64_t>(naechster);
  } else if (const auto halbe = detail::HalbeCents(value)) {
    const std::int64_t h = *halbe;
    cents = h / 2;  // toward zero
    if (h % 2 != 0 && cents % 2 != 0) cents += h > 0 ? 1 : -1;
  } else {
    cents = static_cast<std::int64_t>(GanzGerade(value * 100));
  }
  if (cents > kMaxCents || cents < -kMaxCents) return std::nullopt;
  return cents;
}

}  // namespace lohn
