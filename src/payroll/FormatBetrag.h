#pragma once
// Amounts that the calculation writes into a window field: fixed point, two
// decimals, "," before the decimals. Later steps read the written text again,
// so every such amount is rounded at that point, halves away from zero.

#include <string>

namespace lohn {

// "17,28" for 17.275, "2240,10" for 2240.095, "0,00" for 0: the value is
// first taken to 10 significant digits, then to two decimals, so a binary
// double just below a half cent still rounds up as the decimal text reads.
std::string FormatBetrag(double value);

// The amount as the field holds it after FormatBetrag.
double RoundBetrag(double value);

// The same to whole cents with exact halves to the even cent (0.125 -> 0.12,
// 0.135 -> 0.14), after taking the value to 10 significant digits: the
// rounding of the filed and reported sums.
double RoundBetragHalfEven(double value);

}  // namespace lohn
