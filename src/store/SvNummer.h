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

}  // namespace lohn
