#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <random>

#include "store/Numbers.h"

namespace {

TEST(Numbers, StrToFloatReadsDecimalComma) {
  struct {
    const char* text;
    double value;
    bool tausender = false;  // read by StrToBetrag only
  } cases[] = {{"0", 0},
               {"1234,56", 1234.56},
               {"-17,5", -17.5},
               {" 3 ", 3},
               {"+2,", 2},
               {",5", 0.5},
               {"1E3", 1000},
               {"2,5e-1", 0.25},
               {"0000012", 12},
               {"1.234,50", 1234.5, true},
               {" -12.345.678,9 ", -12345678.9, true},
               {"999.000,", 999000, true}};
  for (auto& c : cases) {
    if (!c.tausender) {
      EXPECT_DOUBLE_EQ(lohn::StrToFloat(c.text), c.value) << c.text;
    }
    EXPECT_DOUBLE_EQ(lohn::StrToBetrag(c.text), c.value) << c.text;
  }
  EXPECT_EQ(lohn::OhneTausenderpunkte("-1.234,5"), "-1234,5");
  EXPECT_EQ(lohn::OhneTausenderpunkte("1.2,5"), "1.2,5");
}

TEST(Numbers, StrToFloatRefusesWithThePlatformMessage) {
  for (const char* text :
       {"", " ", "-", ",", "1.5", "1.200,50", "1-2,,3", "abc", "1E", "1,2,3", "1e999", "1.234",
        "1.23,5", "1234.567,8", ".123,5", "1..234,5", "1.234.5,6", "1,234.5"}) {
    for (bool betrag : {false, true}) {
      // A thousands point before the decimal comma is StrToBetrag's to read.
      if (betrag && std::string_view(text) == "1.200,50") continue;
      try {
        (void)(betrag ? lohn::StrToBetrag(text) : lohn::StrToFloat(text));
        ADD_FAILURE() << "accepted " << text << " " << betrag;
      } catch (const lohn::ConversionError& e) {
        EXPECT_EQ(e.what(), "'" + std::string(text) + "' ist kein gültiger Fließkommawert");
      }
    }
  }
}

TEST(Numbers, StrToIntRefusesOverflowAndText) {
  EXPECT_EQ(lohn::StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(lohn::StrToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(lohn::StrToInt(" 42"), 42);
  for (const char* text : {"2147483648", "99999999999999999999", "", "4,5", "12 ", "x"}) {
    try {
      lohn::StrToInt(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const lohn::ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' ist kein gültiger Integerwert");
    }
  }
}

TEST(Numbers, FixedFormatRoundsHalvesAwayFromZeroAtTenDigits) {
  struct {
    double value;
    const char* text;
  } cases[] = {{17.275, "17,28"},
               {2240.095, "2240,10"},
               {-17.275, "-17,28"},
               {0.005, "0,01"},
               {0.004999, "0,00"},
               {-0.001, "0,00"},
               {0, "0,00"},
               {1234567.891, "1234567,89"},
               {99.995, "100,00"},
               {4530, "4530,00"},
               {1e15, "1000000000000000,00"},
               {123456789012.34, "123456789012,34"},
               {-1e17, "-100000000000000000,00"}};
  for (auto& c : cases) EXPECT_EQ(lohn::FloatToStrFixed(c.value, 10, 2), c.text) << c.value;
}

// The oracle of the amount text, by way of the decimal text: |value|
// rounded to `precision` significant digits (all 17 when it has more whole
// digits than that), then rounded on the digit string to `digits` decimals,
// halves away from zero.
std::string FestDurchText(double value, int precision, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  auto zerlegen = [&](int stellen, std::string& ziffern, int& exponent) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*e", stellen - 1, std::fabs(value));
    const std::string s = puffer;
    ziffern.clear();
    for (char c : s.substr(0, s.find('e')))
      if (c != '.') ziffern += c;
    exponent = std::stoi(s.substr(s.find('e') + 1)) + 1;
  };
  std::string ziffern;
  int exponent = 0;
  zerlegen(precision, ziffern, exponent);
  if (exponent > precision) zerlegen(17, ziffern, exponent);
  const int behalten = exponent + digits;
  if (behalten < 0) {
    ziffern = "0", exponent = 0;
  } else if (int(ziffern.size()) > behalten) {
    const bool auf = ziffern[std::size_t(behalten)] >= '5';
    ziffern.resize(std::size_t(behalten));
    int i = behalten - 1;
    for (; auf && i >= 0 && ziffern[std::size_t(i)] == '9'; --i) ziffern[std::size_t(i)] = '0';
    if (auf && i < 0) ziffern.insert(ziffern.begin(), '1'), ++exponent;
    if (auf && i >= 0) ++ziffern[std::size_t(i)];
    if (ziffern.empty()) ziffern = "0", exponent = 0;
  }
  std::string ganz, nach;
  for (int i = 0; i < exponent; ++i)
    ganz += i < int(ziffern.size()) ? ziffern[std::size_t(i)] : '0';
  for (int i = exponent; i < exponent + digits; ++i)
    nach += i >= 0 && i < int(ziffern.size()) ? ziffern[std::size_t(i)] : '0';
  const bool null = ziffern.find_first_not_of('0') == std::string::npos;
  return (value < 0 && !null ? "-" : "") + (ganz.empty() ? "0" : ganz) +
         (digits > 0 ? "," + nach : "");
}

// The amount text on integers against the decimal text it replaces: every
// width of a report column, the halves either side of each cent, the
// largest amounts, zero of either sign.
TEST(Numbers, FixedOnIntegersEqualsTheDecimalText) {
  // 0.004999999999999999 rounds up at 15 digits first; 1234567890123.125
  // is an exact half at the 16th digit.
  const double werte[] = {0,
                          -0.0,
                          0.005,
                          -0.005,
                          0.015,
                          -0.015,
                          0.004999999999999999,
                          0.125,
                          -0.125,
                          2.675,
                          17.275,
                          -17.275,
                          16.425,
                          2240.095,
                          1.005,
                          99.995,
                          0.001,
                          -0.001,
                          1e12 - 0.01,
                          -(1e12 - 0.01),
                          999999999999.995,
                          1234567890123.125,
                          9999999999999.999,
                          1e13,
                          1e15,
                          -1e17,
                          1e-300,
                          3.5e-7,
                          123456789.5,
                          99999999.995,       // a carry into one more whole digit at 8 and 10
                          999999999999999.6,  // ... at 15: then all 17 digits
                          0x1p53 + 2,         // whole numbers beyond 2^53
                          1.2345678901234567e30,
                          0x1p127 - 0x1p74,  // the largest amount shown in fixed point
                          std::numeric_limits<double>::infinity(),
                          std::nan("")};
  for (double v : werte) {
    const std::string text = FestDurchText(v, 15, 2);
    for (int w = 8; w <= 15; ++w) {
      std::string alt = text;
      for (char& c : alt)
        if (c == ',') c = '.';
      if (alt.size() < std::size_t(w)) alt.insert(0, w - alt.size(), ' ');
      EXPECT_EQ(lohn::FloatToStrFixed(v, 15, 2, '.', w), alt) << v << " width " << w;
    }
    for (int p : {1, 8, 10, 12, 15, 17})
      for (int d = 0; d <= 6; ++d)
        EXPECT_EQ(lohn::FloatToStrFixed(v, p, d), FestDurchText(v, p, d))
            << v << " " << p << " " << d;
  }
  EXPECT_EQ(lohn::FloatToStrFixed(0.004999999999999999, 15, 2), "0,01");
  EXPECT_EQ(lohn::FloatToStrFixed(1234567890123.125, 15, 2), "1234567890123,12");
  EXPECT_EQ(lohn::FixedScaled(1e13, 15, 2), 1'000'000'000'000'000u);
  EXPECT_EQ(lohn::FixedScaled(1e20, 15, 2), std::nullopt);  // beyond 64 bits
  // Beyond any amount a record holds: the general format, never wrong digits.
  EXPECT_EQ(lohn::FloatToStrFixed(0x1p127, 15, 2), "1,70141183460469E38");
  EXPECT_EQ(lohn::FloatToStrFixed(-1e300, 15, 2, '.', 8), "  -1E300");
}

// A million amounts of every size a payroll holds, with 0 to 6 decimals.
TEST(Numbers, FixedOnIntegersEqualsTheDecimalTextForAMillionAmounts) {
  std::mt19937_64 zufall(34);
  std::uniform_int_distribution<int> stellen(0, 6), groesse(0, 12);
  int abweichend = 0;
  for (int i = 0; i < 1'000'000 && abweichend < 10; ++i) {
    const int d = stellen(zufall);
    const double grenze = std::pow(10.0, groesse(zufall) + d);
    const auto ganz = std::uniform_int_distribution<long long>(0, (long long)grenze)(zufall);
    double v = double(ganz) / std::pow(10.0, d) * (i % 2 ? -1 : 1);
    if (i % 3 == 0) v = std::nextafter(v, i % 6 ? 1e300 : -1e300);  // a bit beside the decimal
    const int p = i % 4 == 0 ? 12 : 15;
    for (int digits : {2, 0}) {
      const std::string neu = lohn::FloatToStrFixed(v, p, digits);
      if (neu == FestDurchText(v, p, digits)) continue;
      ++abweichend;
      ADD_FAILURE() << std::setprecision(17) << v << " " << p << " " << digits << ": " << neu;
    }
  }
}

TEST(Numbers, GeneralAndThousandsFormats) {
  EXPECT_EQ(lohn::FloatToStrGeneral(1234.5), "1234,5");
  EXPECT_EQ(lohn::FloatToStrGeneral(0.1 + 0.2), "0,3");
  EXPECT_EQ(lohn::FloatToStrGeneral(-3), "-3");
  EXPECT_EQ(lohn::FloatToStrGeneral(0.0001), "0,0001");
  EXPECT_EQ(lohn::FloatToStrGeneral(0.00001), "1E-5");
  EXPECT_EQ(lohn::FloatToStrGeneral(1e20), "1E20");
  EXPECT_EQ(lohn::FloatToStrNumber(1200.5, 2), "1.200,50");
  EXPECT_EQ(lohn::FloatToStrNumber(-1234567.891, 2), "-1.234.567,89");
  EXPECT_EQ(lohn::FloatToStrNumber(999.999, 2), "1.000,00");
}

TEST(Numbers, IndependentOfTheMachineLocale) {
  for (const char* loc : {"C", "de_AT.UTF-8", "de_DE.UTF-8", "en_US.UTF-8"}) {
    std::setlocale(LC_ALL, loc);  // may fail where the locale is missing; C stays then
    EXPECT_DOUBLE_EQ(lohn::StrToFloat("1234,56"), 1234.56) << loc;
    EXPECT_EQ(lohn::FloatToStrFixed(1234.5, 10, 2), "1234,50") << loc;
    EXPECT_EQ(lohn::FloatToStrNumber(1234.5, 2), "1.234,50") << loc;
  }
  std::setlocale(LC_ALL, "C");
}

}  // namespace
