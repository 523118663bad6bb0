#include <gtest/gtest.h>

#include <clocale>

#include "store/Numbers.h"

namespace {

TEST(Numbers, StrToFloatReadsDecimalComma) {
  struct {
    const char* text;
    double value;
  } cases[] = {{"0", 0},    {"1234,56", 1234.56}, {"-17,5", -17.5}, {" 3 ", 3},     {"+2,", 2},
               {",5", 0.5}, {"1E3", 1000},        {"2,5e-1", 0.25}, {"0000012", 12}};
  for (auto& c : cases) EXPECT_DOUBLE_EQ(lohn::StrToFloat(c.text), c.value) << c.text;
}

TEST(Numbers, StrToFloatRefusesWithThePlatformMessage) {
  for (const char* text :
       {"", " ", "-", ",", "1.5", "1.200,50", "1-2,,3", "abc", "1E", "1,2,3", "1e999"}) {
    try {
      lohn::StrToFloat(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const lohn::ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' ist kein gültiger Fließkommawert");
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
