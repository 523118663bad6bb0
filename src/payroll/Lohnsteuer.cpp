#include "payroll/Lohnsteuer.h"

#include <algorithm>
#include <array>

#include "store/Numbers.h"

namespace lohn {

namespace {

// Yearly lump sums deducted from the annualised base: work-related expenses
// and special expenses.
constexpr double kWerbungskostenPauschale = 132;
constexpr double kSonderausgabenPauschale = 60;
// Credits every employee gets: transport and employee credit.
constexpr double kVerkehrsabsetzbetrag = 291;
constexpr double kArbeitnehmerabsetzbetrag = 54;

// Fixed-rate brackets of the special payments within the sixth, on the
// year's taxable amount (the 620 free are already out of it).
struct SzStufe {
  double breite;
  double satz;
};
constexpr std::array<SzStufe, 3> kSzStufen{{{24380, 0.06}, {25000, 0.27}, {33333, 0.3575}}};
constexpr double kSechstelFreigrenze = 2100;

}  // namespace

double JahresTarifsteuer(double x) {
  if (x <= 11000) return 0;
  if (x <= 25000) return (x - 11000) * 0.365;
  if (x <= 60000) return (x - 25000) * 15125 / 35000 + 5110;
  return (x - 60000) * 0.5 + 20235;
}

int AnzahlKinderFuerLohnsteuer(bool creditFlag, std::string_view anzahlKinderEdit) {
  return creditFlag ? StrToInt(anzahlKinderEdit) : 0;
}

double AlleinverdienerAbsetzbetrag(int anzahlKinder) {
  if (anzahlKinder <= 0) return 0;
  if (anzahlKinder == 1) return 494;
  return 669 + 220.0 * (anzahlKinder - 2);
}

double MonthlyLohnsteuer(double base, bool creditFlag, int anzahlKinder) {
  double x = base * 12 - kSonderausgabenPauschale - kWerbungskostenPauschale;
  double tax = JahresTarifsteuer(x) - kVerkehrsabsetzbetrag - kArbeitnehmerabsetzbetrag;
  if (creditFlag) tax -= AlleinverdienerAbsetzbetrag(anzahlKinder);
  return std::max(0.0, tax / 12);
}

double LohnsteuerSonderzahlung(const SonderzahlungTarifInput& in) {
  if (in.jahressechstel <= kSechstelFreigrenze || in.grundlLstSZ <= 0) return 0;
  double von = std::max(0.0, in.bisherGrundlLstSZ);
  double rest = in.grundlLstSZ;
  double tax = 0;
  double stufeVon = 0;
  for (const SzStufe& s : kSzStufen) {
    double stufeBis = stufeVon + s.breite;
    if (von < stufeBis) {
      double teil = std::min(rest, stufeBis - von);
      tax += teil * s.satz;
      rest -= teil;
      von += teil;
    }
    stufeVon = stufeBis;
    if (rest <= 0) return tax;
  }
  // Above the last bracket the payment counts as current pay of the month.
  tax += MonthlyLohnsteuer(in.grundlageLST + rest, in.creditFlag, in.anzahlKinder) -
         MonthlyLohnsteuer(in.grundlageLST, in.creditFlag, in.anzahlKinder);
  return tax;
}

}  // namespace lohn
