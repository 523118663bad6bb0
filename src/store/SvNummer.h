#pragma once
// The date of birth in an Austrian SV number (SVNRTTMMJJ) or a replacement
// number ("0000" + TTMMJJ).

#include <optional>
#include <string_view>

namespace lohn {

struct Geburtsdatum {
  int tag = 0;
  int monat = 0;
  int jahr = 0;
};

// Day, month and four-digit year of a text of exactly ten digits; none
// otherwise. The number gives only two year digits: 20YY when that year is
// not after `buildYear`, else 19YY. Day and month are taken as written (the
// insurance gives unknown dates numbers outside the calendar).
std::optional<Geburtsdatum> GeburtsdatumAusSvNr(std::string_view svNr, int buildYear);

// Whether the payroll month `monat`/`jahr` is free of DB and DZ for the
// employee of this SV number: a year of life is completed at the end of the
// day before the birthday, and DB and DZ are not due from the month after
// the one in which the 60th year is completed (born on the 1st: from the
// month of the 60th birthday, else from the month after it). None when the
// SV number gives no date of birth. The one rule of the payroll's box, the
// employee window's box and the levy report.
std::optional<bool> UeberSechzigImMonat(std::string_view svNr, int buildYear, int jahr, int monat);

}  // namespace lohn
