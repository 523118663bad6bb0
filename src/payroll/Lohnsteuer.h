#pragma once
// Wage tax (Lohnsteuer) by the annual tariff of 2014: the monthly tax on
// current pay, and the fixed-rate tax on special payments within the annual
// sixth. Nothing is rounded to cents here; the caller writes the result with
// FormatBetrag.

#include <string_view>

namespace lohn {

// Yearly tax of the tariff on the annual income x (before any credit).
double JahresTarifsteuer(double x);

// Monthly wage tax on the monthly base: the base is annualised (less the
// yearly lump sums for work-related expenses and special expenses), taxed by
// the tariff, reduced by the transport and employee credits and, when
// `creditFlag` is set (sole earner or single parent) and there is at least one
// child, by the sole-earner/single-parent credit with its child steps; a
// twelfth of that, never negative.
double MonthlyLohnsteuer(double base, bool creditFlag, int anzahlKinder);

// The number of children as the wage tax reads it from AnzahlKinderEdit: the
// field is read only with the credit flag (0 without it), and a text that is
// not a whole number throws ConversionError with the platform's message.
int AnzahlKinderFuerLohnsteuer(bool creditFlag, std::string_view anzahlKinderEdit);

// Yearly sole-earner or single-parent credit for the number of children:
// 0 without a child, 494 for one, 669 for two, 220 more for each further one.
double AlleinverdienerAbsetzbetrag(int anzahlKinder);

// Tax on the special payments of the month that lie within the annual sixth.
// `grundlLstSZ` is this month's taxable part (after the 620 free), and
// `bisherGrundlLstSZ` the taxable parts of the earlier months of the year:
// the year's taxable special payments are taxed at 6 % up to 24,380, 27 % on
// the next 25,000, 35.75 % on the next 33,333, and what lies above that is
// added to the month's current pay and taxed by the tariff (the difference of
// the monthly tax with and without it). Nothing when the sixth is 2,100 or
// less.
struct SonderzahlungTarifInput {
  double grundlLstSZ = 0;        // GrundlLstSZ of the month
  double bisherGrundlLstSZ = 0;  // sum of GrundlLstSZ of the earlier months
  double jahressechstel = 0;     // JahressechstelEdit
  double grundlageLST = 0;       // GrundlageLSTEdit: the month's current tax base
  bool creditFlag = false;       // as for MonthlyLohnsteuer
  int anzahlKinder = 0;
};
double LohnsteuerSonderzahlung(const SonderzahlungTarifInput& in);

}  // namespace lohn
