#include "store/Numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace lohn {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

[[noreturn]] void FloatError(std::string_view text) {
  throw ConversionError("'" + std::string(text) + "' ist kein gültiger Fließkommawert");
}

// Decimal digits of |value| rounded to `precision` significant digits:
// value = 0.<digits> * 10^exponent.
struct Decimal {
  std::string digits;
  int exponent = 0;
  bool negative = false;
};

Decimal ToDecimal(double value, int precision) {
  Decimal d;
  d.negative = std::signbit(value);
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                           precision - 1);
  std::string_view s(buf, res.ptr - buf);
  std::size_t e = s.find('e');
  for (char c : s.substr(0, e))
    if (c != '.') d.digits += c;
  int exp10 = 0;
  std::string_view es = s.substr(e + 1);
  if (!es.empty() && es.front() == '+') es.remove_prefix(1);
  std::from_chars(es.data(), es.data() + es.size(), exp10);
  d.exponent = exp10 + 1;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits == "0") d.exponent = 0;
  return d;
}

// Keeps `keep` digits, rounding the rest half away from zero.
void RoundDigits(Decimal& d, int keep) {
  if (keep < 0) {
    d.digits = "0";
    d.exponent = 0;
    return;
  }
  if (int(d.digits.size()) <= keep) return;
  bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    } else {
      ++d.digits[i];
    }
  }
  if (d.digits.empty()) {
    d.digits = "0";
    d.exponent = 0;
  }
}

bool IsZero(const Decimal& d) { return d.digits.find_first_not_of('0') == std::string::npos; }

std::string FixedText(const Decimal& d, int decimals, bool thousands) {
  std::string intPart, fracPart;
  for (int i = 0; i < d.exponent; ++i) intPart += i < int(d.digits.size()) ? d.digits[i] : '0';
  if (intPart.empty()) intPart = "0";
  for (int i = 0; i < decimals; ++i) {
    int idx = d.exponent + i;
    fracPart += (idx >= 0 && idx < int(d.digits.size())) ? d.digits[idx] : '0';
  }
  if (thousands) {
    std::string grouped;
    int n = int(intPart.size());
    for (int i = 0; i < n; ++i) {
      grouped += intPart[i];
      if ((n - 1 - i) % 3 == 0 && i != n - 1) grouped += '.';
    }
    intPart = grouped;
  }
  std::string out = (d.negative && !IsZero(d)) ? "-" : "";
  out += intPart;
  if (decimals > 0) out += "," + fracPart;
  return out;
}

std::string FixedOrGeneral(double value, int precision, int digits, bool thousands) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0.0) return FixedText(Decimal{"0", 0, false}, digits, false);
  Decimal d = ToDecimal(value, precision);
  // More whole digits than the precision: still fixed point, with every
  // digit the double holds (an amount is never written in exponent form).
  if (d.exponent > precision) d = ToDecimal(value, 17);
  RoundDigits(d, d.exponent + digits);
  return FixedText(d, digits, thousands);
}

}  // namespace

double StrToFloat(std::string_view text) {
  std::string_view s = Trim(text);
  std::string plain;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
  bool digits = false;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') plain += s[i++], digits = true;
  if (i < s.size() && s[i] == ',') {
    plain += '.';
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') plain += s[i++], digits = true;
  }
  if (!digits) FloatError(text);
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    plain += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    bool expDigits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') plain += s[i++], expDigits = true;
    if (!expDigits) FloatError(text);
  }
  if (i != s.size()) FloatError(text);
  const char* begin = plain.data();
  if (*begin == '+') ++begin;
  double value = 0;
  auto res = std::from_chars(begin, plain.data() + plain.size(), value);
  if (res.ec != std::errc() || res.ptr != plain.data() + plain.size() || !std::isfinite(value))
    FloatError(text);
  return value;
}

std::string OhneTausenderpunkte(std::string_view text) {
  const std::string_view s = Trim(text);
  const std::size_t komma = s.find(',');
  if (komma == std::string_view::npos || s.find('.') == std::string_view::npos)
    return std::string(text);
  // The whole part: a sign, one to three digits, then groups of a point and
  // three digits.
  std::size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
  const std::size_t beginn = i;
  while (i < komma && s[i] >= '0' && s[i] <= '9') ++i;
  if (i == beginn || i - beginn > 3) return std::string(text);
  std::string ohne(s.substr(0, i));
  while (i < komma) {
    if (s[i] != '.' || komma - i < 4) return std::string(text);
    for (std::size_t k = i + 1; k <= i + 3; ++k)
      if (s[k] < '0' || s[k] > '9') return std::string(text);
    ohne.append(s.substr(i + 1, 3));
    i += 4;
  }
  return ohne.append(s.substr(komma));
}

double StrToBetrag(std::string_view text) {
  try {
    return StrToFloat(OhneTausenderpunkte(text));
  } catch (const ConversionError&) {
    FloatError(text);
  }
}

std::string FeldFehlerMeldung(std::string_view fehler, std::string_view feld,
                              std::string_view fenster) {
  return std::string(fehler) + "\nFeld \"" + std::string(feld) + "\" im Fenster \"" +
         std::string(fenster) + "\".";
}

std::int32_t StrToInt(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::int64_t value = 0;
  bool ok = !s.empty();
  for (char c : s) {
    if (c < '0' || c > '9') {
      ok = false;
      break;
    }
    value = value * 10 + (c - '0');
    if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) {
      ok = false;
      break;
    }
  }
  if (negative) value = -value;
  if (!ok || value > std::numeric_limits<std::int32_t>::max() ||
      value < std::numeric_limits<std::int32_t>::min())
    throw ConversionError("'" + std::string(text) + "' ist kein gültiger Integerwert");
  return std::int32_t(value);
}

namespace {

using U128 = unsigned __int128;

constexpr int kMaxPow10 = 23;  // 10^22 times a 53-bit significand fits 128 bits

constexpr std::array<U128, kMaxPow10> Pow10Table() {
  std::array<U128, kMaxPow10> t{};
  t[0] = 1;
  for (int i = 1; i < kMaxPow10; ++i) t[i] = t[i - 1] * 10;
  return t;
}
constexpr std::array<U128, kMaxPow10> kPow10 = Pow10Table();

// Below this |value| the text rounds to zero at `digits` decimals whatever
// its 17th digit says (10^-(digits+1)).
constexpr double kNull[] = {1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7};

// FixedScaled of |value| v >= kNull[digits] in the common case: fewer whole
// digits than `precision` - `digits` and v * 10^digits well within 0.4 of an
// integer. Rounding to `precision` digits first moves it by at most 0.05 of
// the last decimal, the product's own rounding by less than 0.07: both
// steps end on that integer. False when it cannot tell.
inline bool SkaliertGewoehnlich(double v, int precision, int digits, std::uint64_t& n) {
  if (precision > 15 || precision < digits || digits < 0 || digits > 6 ||
      !(v < double(kPow10[precision - digits])))
    return false;
  const double skaliert = v * double(kPow10[digits]);
  const double ganz = GanzGerade(skaliert);
  if (!(std::fabs(skaliert - ganz) < 0.4)) return false;
  n = static_cast<std::uint64_t>(ganz);
  return true;
}

}  // namespace

std::optional<std::uint64_t> FixedScaled(double value, int precision, int digits) {
  if (!std::isfinite(value) || precision < 1 || precision > 17 || digits < 0 || digits > 6)
    return std::nullopt;
  const double v = std::fabs(value);
  if (v < kNull[digits]) return 0;
  if (std::uint64_t n; SkaliertGewoehnlich(v, precision, digits, n)) return n;
  // v = m * 2^-shift exactly, m an integer of 53 bits: v is a normal
  // number here (kNull keeps the smaller ones out), 2^(exp2-1) <= v < 2^exp2.
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const int exp2 = int(bits >> 52) - 1022;
  const U128 m = (bits & ((std::uint64_t(1) << 52) - 1)) | std::uint64_t(1) << 52;
  const int shift = 53 - exp2;
  // The whole digits e of v (10^(e-1) <= v < 10^e): a guess from the binary
  // exponent, then settled on the exact product v * 10^(precision - e).
  int e = (((exp2 - 1) * 1233) >> 12) + 1;
  U128 x = 0, ganz = 0;
  for (int versuch = 0;; ++versuch) {
    const int k = precision - e;
    // The text keeps all digits past `precision` beyond this (and rounds a
    // carry into one more whole digit differently): not for the integers.
    if (versuch == 3 || k < std::max(digits, 1) || k >= kMaxPow10 || shift <= 0 || shift > 120)
      return std::nullopt;
    x = m * kPow10[k];
    ganz = x >> shift;
    if (ganz < kPow10[precision - 1])
      --e;
    else if (ganz >= kPow10[precision])
      ++e;
    else
      break;
  }
  if (e + digits < 0) return 0;
  // To `precision` significant digits, exact halves to even as the
  // shortest-digits conversion of the text path does ...
  const U128 rest = x & ((U128(1) << shift) - 1);
  const U128 halb = U128(1) << (shift - 1);
  const std::uint64_t n =
      static_cast<std::uint64_t>(ganz) + (rest > halb || (rest == halb && (ganz & 1)) ? 1 : 0);
  // ... then to `digits` decimals with halves away from zero, as the digits
  // of that text read.
  const auto teiler = static_cast<std::uint64_t>(kPow10[precision - e - digits]);
  return n / teiler + (n % teiler * 2 >= teiler ? 1 : 0);
}

char* PutDigitsBack(char* end, std::uint64_t n, int minDigits) {
  char* p = end;
  do {
    *--p = char('0' + n % 10);
    n /= 10;
  } while (n != 0);
  while (end - p < minDigits) *--p = '0';
  return p;
}

void AppendFloatFixed(std::string& out, double value, int precision, int digits, char point,
                      int width) {
  char puffer[48];
  char* const end = puffer + sizeof puffer;
  char* p = end;
  std::string text;
  if (const auto scaled = FixedScaled(value, precision, digits)) {
    if (digits == 2) {  // amounts: a divisor the compiler knows
      p = PutDigitsBack(p, *scaled % 100, 2);
      *--p = point;
      p = PutDigitsBack(p, *scaled / 100);
    } else if (digits > 0) {
      const auto einheit = static_cast<std::uint64_t>(kPow10[digits]);
      p = PutDigitsBack(p, *scaled % einheit, digits);
      *--p = point;
      p = PutDigitsBack(p, *scaled / einheit);
    } else {
      p = PutDigitsBack(p, *scaled);
    }
    // What rounds to zero has no sign.
    if (value < 0 && *scaled != 0) *--p = '-';
  } else {
    text = FloatToStrFixedByText(value, precision, digits);
    for (char& c : text)
      if (c == ',') c = point;
  }
  const std::size_t laenge = p != end ? std::size_t(end - p) : text.size();
  if (width > 0 && laenge < std::size_t(width)) out.append(std::size_t(width) - laenge, ' ');
  if (p != end)
    out.append(p, laenge);
  else
    out += text;
}

std::string FloatToStrFixed(double value, int precision, int digits, char point, int width) {
  std::string out;
  AppendFloatFixed(out, value, precision, digits, point, width);
  return out;
}

std::string FloatToStrFixed(double value, int precision, int digits) {
  return FloatToStrFixed(value, precision, digits, ',', 0);
}

std::string FloatToStrFixedByText(double value, int precision, int digits) {
  return FixedOrGeneral(value, precision, digits, false);
}

std::string FloatToStrNumber(double value, int digits) {
  return FixedOrGeneral(value, 15, digits, true);
}

std::string FloatToStrGeneral(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0.0) return "0";
  Decimal d = ToDecimal(value, 15);
  std::string sign = d.negative ? "-" : "";
  if (d.exponent > 15 || d.exponent < -3) {
    std::string out = sign + d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += "," + d.digits.substr(1);
    return out + "E" + std::to_string(d.exponent - 1);
  }
  int decimals = std::max(0, int(d.digits.size()) - d.exponent);
  return FixedText(d, decimals, false);
}

}  // namespace lohn
