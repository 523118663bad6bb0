#pragma once
// The employer's levies on the month's pay: the contribution to the family
// fund (DB), its surcharge (DZ) and the municipal tax (Kommunalsteuer). One
// place for the base, the small-enterprise free amount and the rounding, so
// the wage accounts, the totals sheet, the monthly levy report and the
// municipal tax return always agree.

#include "store/AbrechnungRecord.h"

namespace lohn {

// A month whose base is not above the limit is reduced by the free amount
// (never below 0).
inline constexpr double kAbgabenFreigrenze = 1460.00;
inline constexpr double kAbgabenFreibetrag = 1095.00;

// The pay of one payroll record liable to the levies: gross + special
// payment + special payment free of SV + benefits in kind - levy-free pay
// (other special payments are not part of it).
double AbgabepflichtigesEntgelt(const AbrechnungRecord& r);

// The free amount that a month base gets: up to 1,095.00 when the base is
// above 0 and not above 1,460.00, else 0.
double AbgabenFreibetrag(double monatsGrundlage);

// base x rate %: the base taken to whole cents, the levy computed on
// integers and rounded to whole cents with half a cent and more rounded up
// (away from zero for a negative base), as levies are due. The rate counts
// to four decimals. A base beyond the cents bound is computed in floating
// point alone.
double Abgabe(double grundlage, double satzProzent);

// The Vienna employer levy of a month: (weeks x liable employments - weeks
// deducted) x levy per employment and week, each factor as entered (to four
// decimals), rounded once to whole cents with half a cent up (4 x 25 x 0.725
// = 72.50; 1 x 1 x 0.725 = 0.73).
double DgaAbgabe(double wochen, double dienstverhaeltnisse, double abzugWochen, double beitrag);

// The levy bases of one month (of the enterprise, a cost centre or a site).
struct AbgabenMonat {
  double dbDzGrundlage = 0;    // liable pay of the records not flagged over 60
  double kommStGrundlage = 0;  // liable pay of every record
  void Add(double entgelt, bool ueberSechzig);
};

struct AbgabenSaetze {
  double db = 0, dz = 0, kommSt = 0;  // in %
};

// A month's bases after the free amount and the levies on them. Without
// the free amount (a report for one cost centre only) the bases stay.
struct Abgaben {
  double dbDzBasis = 0, kommStBasis = 0;
  double db = 0, dz = 0, kommSt = 0;
};
Abgaben BerechneAbgaben(const AbgabenMonat& monat, const AbgabenSaetze& saetze,
                        bool mitFreibetrag = true);

// The municipal-tax base of one site in a month: the free amount depends on
// the whole enterprise's month base; when that qualifies, the site gets its
// share of it (1,095.00 x site base / enterprise base).
double StandortKommStBasis(double standortGrundlage, double betriebsGrundlage);

}  // namespace lohn
