#include "store/Numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
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

template <class T, int N>
constexpr std::array<T, N> Potenzen(T basis) {
  std::array<T, N> t{};
  t[0] = 1;
  for (int i = 1; i < N; ++i) t[i] = t[i - 1] * basis;
  return t;
}
constexpr auto kPow10 = Potenzen<U128, 20>(10);
constexpr auto kPow5 = Potenzen<U128, 41>(5);

// The fixed text covers every amount a record can hold (a Real48 stays
// below 2^127); beyond that the general format's exponent text is shown.
constexpr double kFestGrenze = 0x1p127;

// value = n * 10^(e - stellen) with `stellen` significant digits,
// 10^(stellen-1) <= n <= 10^stellen, exact halves to even.
struct Signifikant {
  std::uint64_t n;
  int e;
};

// For 10^-7 <= v < 2^127 and 1 <= stellen <= 17, on the double's exact
// binary value v = m * 2^t: v * 10^k = m * 5^k * 2^(t + k) as the fraction
// zaehler / nenner, whose integer part has `stellen` digits when e (the
// whole digits of v) is right. e comes from the binary exponent, at most
// one too small.
Signifikant Runde(double v, int stellen) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const int exp2 = int(bits >> 52) - 1022;  // 2^(exp2-1) <= v < 2^exp2
  const U128 m = (bits & ((std::uint64_t(1) << 52) - 1)) | std::uint64_t(1) << 52;
  int e = (((exp2 - 1) * 1233) >> 12) + 1;
  for (;;) {
    const int k = stellen - e, zwei = exp2 - 53 + k;
    U128 zaehler = k >= 0 ? m * kPow5[std::size_t(k)] : m;
    U128 nenner = k >= 0 ? 1 : kPow5[std::size_t(-k)];
    if (zwei >= 0)
      zaehler <<= zwei;
    else
      nenner <<= -zwei;
    const U128 ganz = zaehler / nenner, rest = zaehler % nenner;
    if (ganz < kPow10[std::size_t(stellen - 1)]) {
      --e;
    } else if (ganz >= kPow10[std::size_t(stellen)]) {
      ++e;
    } else {
      const bool auf = rest * 2 > nenner || (rest * 2 == nenner && (ganz & 1));
      return {static_cast<std::uint64_t>(ganz) + (auf ? 1 : 0), e};
    }
  }
}

// |value| * 10^digits as the fixed text reads it: `ziffern` followed by
// `nullen` zeros.
struct Festkomma {
  std::uint64_t ziffern = 0;
  int nullen = 0;
};

// v finite, below kFestGrenze. First to `precision` significant digits
// (exact halves to even), all 17 of them when v has more whole digits than
// that, then to `digits` decimals with halves away from zero.
Festkomma Fest(double v, int precision, int digits) {
  // 10^-(digits+1) and less rounds to zero whatever its digits.
  static constexpr double kNull[] = {1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7};
  if (v < kNull[digits]) return {};
  Signifikant s = Runde(v, precision);
  if (s.e > precision || (s.e == precision && s.n == kPow10[std::size_t(precision)]))
    s = Runde(v, precision = 17);
  const int weg = precision - s.e - digits;  // digits of n behind the last decimal
  if (weg <= 0) return {s.n, -weg};
  if (weg > precision) return {};
  const auto teiler = static_cast<std::uint64_t>(kPow10[std::size_t(weg)]);
  return {s.n / teiler + (s.n % teiler * 2 >= teiler ? 1 : 0), 0};
}

bool Stellen(int precision, int digits) {
  return precision >= 1 && precision <= 17 && digits >= 0 && digits <= 6;
}

}  // namespace

std::optional<std::uint64_t> FixedScaled(double value, int precision, int digits) {
  if (!Stellen(precision, digits) || !(std::fabs(value) < kFestGrenze)) return std::nullopt;
  const Festkomma f = Fest(std::fabs(value), precision, digits);
  std::uint64_t n = f.ziffern;
  for (int i = 0; i < f.nullen; ++i)
    if (__builtin_mul_overflow(n, 10, &n)) return std::nullopt;
  return n;
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
  if (!Stellen(precision, digits))
    throw std::invalid_argument("FloatToStrFixed: precision 1-17, digits 0-6");
  char puffer[80];
  char* const end = puffer + sizeof puffer;
  char* p = end;
  if (std::fabs(value) < kFestGrenze) {
    const Festkomma f = Fest(std::fabs(value), precision, digits);
    // The trailing zeros, the decimals from the digits, the point moved in
    // before the last `digits`, the whole digits.
    const int nullenNach = std::min(f.nullen, digits), ausZiffern = digits - nullenNach;
    const auto einheit = static_cast<std::uint64_t>(kPow10[std::size_t(ausZiffern)]);
    p = std::fill_n(p - f.nullen, f.nullen, '0') - f.nullen;
    if (ausZiffern > 0) p = PutDigitsBack(p, f.ziffern % einheit, ausZiffern);
    if (digits > 0) {
      std::move(p, end - digits, p - 1);
      end[-digits - 1] = point;
      --p;
    }
    p = PutDigitsBack(p, f.ziffern / einheit);
    // What rounds to zero has no sign.
    if (value < 0 && f.ziffern != 0) *--p = '-';
  } else {  // not finite, or beyond any amount
    const std::string text = FloatToStrGeneral(value);
    p = std::replace_copy(text.begin(), text.end(), p - text.size(), ',', point) - text.size();
  }
  const auto laenge = std::size_t(end - p);
  if (width > 0 && laenge < std::size_t(width)) out.append(std::size_t(width) - laenge, ' ');
  out.append(p, laenge);
}

std::string FloatToStrFixed(double value, int precision, int digits, char point, int width) {
  std::string out;
  AppendFloatFixed(out, value, precision, digits, point, width);
  return out;
}

std::string FloatToStrFixed(double value, int precision, int digits) {
  return FloatToStrFixed(value, precision, digits, ',', 0);
}

std::string FloatToStrNumber(double value, int digits) {
  std::string text = FloatToStrFixed(value, 15, digits);
  if (text.find('E') != std::string::npos || !std::isfinite(value)) return text;
  const std::size_t anfang = text.front() == '-' ? 1 : 0;
  for (std::size_t i = std::min(text.find(','), text.size()); i > anfang + 3; i -= 3)
    text.insert(i - 3, 1, '.');
  return text;
}

std::string FloatToStrGeneral(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0.0) return "0";
  // 15 significant digits, trailing zeros dropped: |value| = 0.<ziffern> * 10^e.
  char s[32];  // d.dddddddddddddde+XX
  *std::to_chars(s, s + sizeof s - 1, std::fabs(value), std::chars_format::scientific, 14).ptr = 0;
  std::string ziffern = s[0] + std::string(s + 2, 14);
  ziffern.erase(ziffern.find_last_not_of('0') + 1);
  const int e = std::atoi(s + 17) + 1;
  const std::string out = std::signbit(value) ? "-" : "";
  if (e > 15 || e < -3)
    return out + ziffern[0] + (ziffern.size() > 1 ? "," + ziffern.substr(1) : "") + "E" +
           std::to_string(e - 1);
  if (e <= 0) return out + "0," + std::string(std::size_t(-e), '0') + ziffern;
  ziffern.resize(std::max(ziffern.size(), std::size_t(e)), '0');
  const std::string nach = ziffern.substr(std::size_t(e));
  return out + ziffern.substr(0, std::size_t(e)) + (nach.empty() ? "" : "," + nach);
}

}  // namespace lohn
