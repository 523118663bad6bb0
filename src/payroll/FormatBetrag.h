#pragma once
// Amounts that the calculation writes into a window field: fixed point, two
// decimals, "," before the decimals. Later steps read the written text again,
// so every such amount is rounded at that point, halves away from zero.

#include <cstdint>
#include <optional>
#include <string>

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

// Whole cents of an amount, exact halves to the even cent (0.125 -> 12,
// 0.135 -> 14), computed on integers. A double within a few units of its
// last place of a half cent counts as that half cent, so binary noise
// cannot tip it. Nothing when the amount is not finite or its cents lie
// beyond kMaxCents.
std::optional<std::int64_t> CentsHalfEven(double value);

// The same as an amount: the rounding of the filed and reported sums.
// Beyond kMaxCents the value comes back rounded by the floating point
// unit alone (those amounts are refused where they would be filed).
double RoundBetragHalfEven(double value);

}  // namespace lohn
