#pragma once
// Number texts as the program shows and reads them: "," before the decimals,
// "." between thousands, whatever the locale of the machine is. Nothing here
// calls the C or Qt locale.

#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lohn {

// x to the nearest integer, halves to even, as nearbyint in the default
// rounding mode; below 2^51 by adding and taking away 1.5 * 2^52, which
// leaves no bits behind the point.
inline double GanzGerade(double x) {
  constexpr double kGrenze = 2251799813685248.0, kSchieber = 6755399441055744.0;
  return std::fabs(x) < kGrenze ? (x + kSchieber) - kSchieber : std::nearbyint(x);
}

// A window text that does not convert. Its message is the one the user sees;
// the handler that started the action shows it and has written nothing yet.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "'<text>' ist kein gültiger Fließkommawert" unless the text is a number:
// blanks around it, an optional sign, digits with an optional "," and an
// optional exponent ("E" or "e"). No thousands separators.
double StrToFloat(std::string_view text);
// An amount as a clerk writes it in a window: what StrToFloat takes, or a
// number with thousands points before its decimal comma ("1.234,50" is
// 1234,50; after the first group of one to three digits every group has
// three). Throws StrToFloat's ConversionError with the text as typed.
double StrToBetrag(std::string_view text);
// The same text without those thousands points; any other text as it is.
std::string OhneTausenderpunkte(std::string_view text);
// The message of a window text that does not convert, naming the field's
// caption and its window, so that the clerk finds what to correct.
std::string FeldFehlerMeldung(std::string_view fehler, std::string_view feld,
                              std::string_view fenster);
// "'<text>' ist kein gültiger Integerwert" unless the text is a whole number
// that fits 32 bits (leading blanks and a sign allowed).
std::int32_t StrToInt(std::string_view text);

// Fixed notation with the given decimals: the value is first taken to
// `precision` significant digits (exact halves to even), then rounded to
// `digits` decimals with halves away from zero, as its decimal text reads.
// Values with more integer digits than `precision` keep the 17 significant
// digits the double holds; values beyond 2^127, which no record can hold,
// come in the general format. All on integers from the double's exact
// binary value. `precision` 1-17, `digits` 0-6, else std::invalid_argument.
std::string FloatToStrFixed(double value, int precision, int digits);

// The same text with `point` before the decimals, right-aligned with blanks
// in `width` characters (never cut): the one writer of amount columns.
std::string FloatToStrFixed(double value, int precision, int digits, char point, int width);
// The same appended to `out`.
void AppendFloatFixed(std::string& out, double value, int precision, int digits, char point,
                      int width);

// FloatToStrFixed's digits as one integer, |value| * 10^digits rounded as
// that text reads (17.275 -> 1728 at 15 digits, 2). Nothing when the value
// is not finite, the integer does not fit 64 bits or the arguments are out
// of range.
std::optional<std::uint64_t> FixedScaled(double value, int precision, int digits);

// Writes the decimal digits of n backwards so that they end just before
// `end`, at least `minDigits` of them (leading zeros); returns the first.
char* PutDigitsBack(char* end, std::uint64_t n, int minDigits = 1);

// The general format of the platform's float-to-text: at most 15 significant
// digits, no trailing zeros, exponent notation for very large or small values.
std::string FloatToStrGeneral(double value);

// Fixed with thousands separators ("1.234,50").
std::string FloatToStrNumber(double value, int digits);

}  // namespace lohn
