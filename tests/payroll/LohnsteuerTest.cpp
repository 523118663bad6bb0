#include <gtest/gtest.h>

#include <cmath>

#include "payroll/FormatBetrag.h"
#include "payroll/Lohnsteuer.h"
#include "store/Numbers.h"

namespace {

using lohn::FormatBetrag;

TEST(FormatBetrag, RoundsHalvesAwayFromZeroAsTheTextReads) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {17.275, "17,28"},      {2240.095, "2240,10"},
      {-17.275, "-17,28"},    {0, "0,00"},
      {0.004, "0,00"},        {-0.004, "0,00"},
      {0.005, "0,01"},        {360.8266667, "360,83"},
      {1650.4614, "1650,46"}, {1234567.895, "1234567,90"},
      {4530, "4530,00"},      {-36, "-36,00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatBetrag(c.value), c.text) << c.value;
    EXPECT_DOUBLE_EQ(lohn::RoundBetrag(c.value), lohn::StrToFloat(c.text)) << c.value;
  }
  // What a plain round(x * 100) / 100 on the double gets wrong.
  EXPECT_DOUBLE_EQ(lohn::RoundBetrag(17.275), 17.28);
  EXPECT_DOUBLE_EQ(lohn::RoundBetrag(2240.095), 2240.10);
}

TEST(FormatBetrag, HalfEvenRoundsExactHalvesToTheEvenCent) {
  const std::pair<double, double> cases[] = {
      {0.125, 0.12},
      {0.135, 0.14},
      {-0.125, -0.12},
      {16.425, 16.42},
      {2240.095, 2240.10},
      {149.99985, 150.00},
      {-0.001, 0},
      {1234567.885, 1234567.88},
      {0.1251, 0.13},
      {5.84004, 5.84},
      {123456789.13, 123456789.13},
      {100038517.56, 100038517.56},
      {99999999999.995, 100000000000.00},
      {-99999999999.985, -99999999999.98},
  };
  for (auto [value, expected] : cases)
    EXPECT_DOUBLE_EQ(lohn::RoundBetragHalfEven(value), expected) << value;
  // Cents are whole numbers up to the bound, nothing beyond it.
  EXPECT_EQ(lohn::CentsHalfEven(123456789.13), 12345678913);
  EXPECT_EQ(lohn::CentsHalfEven(-99999999999.995), -lohn::kMaxCents);
  for (double zuGross : {1e15, 100000000000.02, -1e17, HUGE_VAL, double(NAN)})
    EXPECT_FALSE(lohn::CentsHalfEven(zuGross)) << zuGross;
}

TEST(MonthlyLohnsteuer, TariffBracketsCreditsAndChildren) {
  struct Case {
    double base;
    bool credit;
    int kinder;
    const char* tax;
  };
  const Case cases[] = {
      // No tax up to 11,000 a year, after the 192 of lump sums.
      {1000, false, 0, "0,00"},
      {932.67, false, 0, "0,00"},
      // Second bracket, 36.5 %.
      {1638.60, false, 0, "228,92"},
      {2000, false, 0, "360,83"},
      {2099 + 1.0 / 3, false, 0, "397,08"},  // x = 25,000: 5,110 less the credits
      // Third bracket, 15,125 / 35,000.
      {4181.43, false, 0, "1296,85"},
      {5000, false, 0, "1650,59"},
      {5016, false, 0, "1657,50"},  // x = 60,000: 20,235 less the credits
      // Top bracket, 50 %.
      {6000, false, 0, "2149,50"},
      // Sole-earner or single-parent credit only with a child: 494, 669, +220 each.
      {2000, true, 0, "360,83"},
      {2000, true, 1, "319,66"},
      {2000, true, 2, "305,08"},
      {2000, true, 4, "268,41"},
      {1638.60, true, 1, "187,75"},
      {5000, true, 5, "1539,84"},
      // Children without the credit flag change nothing.
      {2000, false, 2, "360,83"},
      {1000, true, 4, "0,00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatBetrag(lohn::MonthlyLohnsteuer(c.base, c.credit, c.kinder)), c.tax)
        << c.base << " credit " << c.credit << " children " << c.kinder;
}

TEST(MonthlyLohnsteuer, AlleinverdienerAbsetzbetragPerYear) {
  const std::pair<int, double> cases[] = {{-1, 0}, {0, 0}, {1, 494}, {2, 669}, {3, 889}, {5, 1329}};
  for (auto [kinder, betrag] : cases)
    EXPECT_DOUBLE_EQ(lohn::AlleinverdienerAbsetzbetrag(kinder), betrag) << kinder;
}

TEST(MonthlyLohnsteuer, ChildrenFieldIsReadOnlyWithTheCredit) {
  EXPECT_EQ(lohn::AnzahlKinderFuerLohnsteuer(true, "2"), 2);
  EXPECT_EQ(lohn::AnzahlKinderFuerLohnsteuer(false, "2"), 0);
  EXPECT_EQ(lohn::AnzahlKinderFuerLohnsteuer(false, "zwei"), 0);
  try {
    lohn::AnzahlKinderFuerLohnsteuer(true, "zwei");
    FAIL() << "no conversion error";
  } catch (const lohn::ConversionError& e) {
    EXPECT_STREQ(e.what(), "'zwei' ist kein gültiger Integerwert");
  }
}

TEST(LohnsteuerSonderzahlung, FixedRatesByTheYearsTaxablePart) {
  struct Case {
    const char* what;
    lohn::SonderzahlungTarifInput in;
    const char* tax;
  };
  const Case cases[] = {
      {"sixth at the exemption limit", {1000, 0, 2100, 3000, false, 0}, "0,00"},
      {"just above it", {1000, 0, 2100.01, 3000, false, 0}, "60,00"},
      {"nothing taxable", {0, 0, 6000, 3000, false, 0}, "0,00"},
      {"6 % ends at 24,380", {1000, 24000, 60000, 3000, false, 0}, "190,20"},  // 22.80 + 167.40
      {"6 % then 27 %", {30000, 0, 60000, 3000, false, 0}, "2980,20"},         // 1462.80 + 1517.40
      {"27 % then 35.75 %", {1000, 49000, 100000, 3000, false, 0}, "324,25"},  // 102.60 + 221.65
      // Above 82,713 of taxable part the rest is current pay of the month:
      // 100 at 35.75 % and 1,000 through the tariff on top of 3,000.
      {"tariff above the brackets", {1100, 82613, 200000, 3000, false, 0}, "467,89"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatBetrag(lohn::LohnsteuerSonderzahlung(c.in)), c.tax) << c.what;
}

}  // namespace
