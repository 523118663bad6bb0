#include "store/SvNummer.h"

namespace lohn {

std::optional<Geburtsdatum> GeburtsdatumAusSvNr(std::string_view svNr, int buildYear) {
  if (svNr.size() != 10) return std::nullopt;
  for (char c : svNr)
    if (c < '0' || c > '9') return std::nullopt;
  auto zahl = [&](std::size_t pos) { return (svNr[pos] - '0') * 10 + (svNr[pos + 1] - '0'); };
  Geburtsdatum d{zahl(4), zahl(6), 2000 + zahl(8)};
  if (d.jahr > buildYear) d.jahr -= 100;
  return d;
}

std::optional<bool> UeberSechzigImMonat(std::string_view svNr, int buildYear, int jahr, int monat) {
  auto geboren = GeburtsdatumAusSvNr(svNr, buildYear);
  if (!geboren) return std::nullopt;
  // Months counted from year 0, so December rolls over into January.
  const int ersterFreierMonat =
      (geboren->jahr + 60) * 12 + geboren->monat + (geboren->tag == 1 ? 0 : 1);
  return jahr * 12 + monat >= ersterFreierMonat;
}

}  // namespace lohn
