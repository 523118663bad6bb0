#pragma once
// The values that differ between the yearly builds. ZR2014 and ZR2013 are
// built from the same sources; each main() picks its instance.

#include <string>

namespace lohn {

struct YearValues {
  int year;                     // titles, captions, lock name, year lists and clamps
  const char* programVersion;   // ProgramVersion
  double dailyCeiling;          // daily contribution ceiling
  double monthlyCeiling;        // the same for 30 days
  double annualSpecialCeiling;  // ceiling for special payments per year
  double freeServiceCeiling;    // ceiling for free service contracts
  double ampfgN25a;             // unemployment-insurance reduction brackets
  double ampfgN25b;
  double ampfgN25c;
  const char* aufloesungsabgabeEnd;  // end of the notice on the levy at dismissal
  bool hasZerAruDokumentation;       // menu item only in the newest build
  bool hasBildungskarenzReason;      // deregistration reason 32
  const char* previousYearProgram;   // started by the previous-year item
  // The period's year is the build's own and no other; without the flag it
  // runs from the build's year up to 2100.
  bool yearFixed = false;
  // Accident insurance (UV) in % of the base, part of the employer's rate:
  // the rate the year starts with and the rate from `uvSatzNeuAbMonat` on.
  double uvSatz = 1.4;
  double uvSatzNeu = 1.4;
  int uvSatzNeuAbMonat = 13;  // 13: no change within the year

  // The last period year the build takes: its own when the year is fixed,
  // else 2100. The year lists offer at most up to 2030.
  int LetztesJahr() const { return yearFixed ? year : 2100; }
  int LetztesListenjahr() const { return yearFixed ? year : 2030; }

  // The UV rate of a payroll month; years before the build's own keep the
  // starting rate, later years the new one.
  double UvSatz(int jahr, int monat) const {
    if (jahr < year) return uvSatz;
    if (jahr > year) return uvSatzNeu;
    return monat >= uvSatzNeuAbMonat ? uvSatzNeu : uvSatz;
  }

  // The month proposed for a date within the build's year: the date's own
  // month in that year, December when the date lies after it, January when
  // before it (the report period and the employee window's current month).
  int MonatImJahr(int jahr, int monat) const { return jahr > year ? 12 : jahr < year ? 1 : monat; }

  // "Lohnverrechnung 2014": application title and name of the single-instance lock.
  std::string AppTitle() const { return "Lohnverrechnung " + std::to_string(year); }
};

extern const YearValues kYear2014;
extern const YearValues kYear2013;

}  // namespace lohn
