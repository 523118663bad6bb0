#pragma once
// The employee's entry and exit dates as the clerk types them into
// "Ein-/Austritt": "TT.MM.JJJJ-TT.MM.JJJJ", the entry before the dash, the
// exit after it. The field is free text; what the reports need of it is read
// here, and only here.

#include <optional>
#include <string>
#include <string_view>

namespace lohn {

struct Kalenderdatum {
  int tag = 0, monat = 0, jahr = 0;
  // As one number YYYYMMDD, for comparing.
  int Zahl() const { return (jahr * 100 + monat) * 100 + tag; }
};

struct EinAustritt {
  std::optional<Kalenderdatum> eintritt;  // the first date before the dash
  std::optional<Kalenderdatum> austritt;  // the first date after it
};

// Each part's first "T.M.JJJJ" (day and month of one or two digits); a part
// without one, or whose first one is no calendar date, has none.
EinAustritt LeseEinAustritt(std::string_view text);

// The first "T.M.JJJJ" of the text that is no calendar date ("31.02.2014");
// empty when every date of the text is one.
std::string UnmoeglichesDatum(std::string_view text);

// Whether the month (1-12) of the year lies wholly before the entry day or
// wholly after the exit day: the employee was not employed in it.
bool AusserhalbDerBeschaeftigung(const EinAustritt& e, int jahr, int monat);

// Days of the month, leap years by the Gregorian rule; 31 outside 1-12.
int MonatsLaenge(int jahr, int monat);

}  // namespace lohn
