#include "elda/Beitragsklassen.h"

#include <algorithm>
#include <initializer_list>

namespace lohn {

namespace {

struct Klasse {
  Kopfklasse klasse;
  std::initializer_list<std::string_view> gruppen;
};

const std::array<Klasse, 6>& Klassen() {
  static const std::array<Klasse, 6> k{{
      {Kopfklasse::Arbeiter,
       {"A1",   "A1a", "A2u",  "J3u",  "A4u",  "H1",   "H1a",  "J1",   "J1a",  "A2",
        "A13",  "L2r", "L4ru", "A1l",  "A2lu", "A4lu", "H1l",  "J1l",  "A2l",  "A13l",
        "A2au", "A2a", "A4au", "A1p",  "J1p",  "A2pu", "A2p",  "A4pu", "A1t",  "J1t",
        "A2tu", "A2t", "A4tu", "A2o",  "A4z",  "A6p",  "A7pu", "Q15",  "Q15u", "A11",
        "A12u", "A12", "A13u", "A11l", "A22u", "A12l", "A23u", "L1r",  "J1r",  "L2ru"}},
      {Kopfklasse::ArbLehrling, {"A8y", "A7y", "A4y", "A3y", "A8v", "A7v", "A4v", "A3v"}},
      {Kopfklasse::GeringfArb, {"N14", "N14u", "L14", "L14u"}},
      {Kopfklasse::Angestellter,
       {"D2x",  "D4xu", "D1",   "D2u",  "D4u",  "X1",   "Y1",   "D1e",   "D2eu", "D4eu",
        "X1e",  "Y1e",  "D1p",  "D2pu", "D4pu", "X1p",  "Y1p",  "NKand", "D2",   "D2p",
        "M2r",  "M4ru", "N21r", "N22r", "N22u", "N23u", "R21r", "S21r",  "M1r",  "Y1r",
        "M2ru", "D1t",  "Y1t",  "D2tu", "D2t",  "D4tu", "D2k",  "D2o",   "D3c",  "D3u",
        "D4z",  "D6",   "D7u",  "D7",   "Q25",  "Q25u", "G12p", "G13u",  "N13x", "N22p",
        "N13u", "N23c", "P11p", "P12u", "P12p", "P13u", "T22",  "T23u",  "Z22",  "Z23u"}},
      {Kopfklasse::AngLehrling, {"D8b", "D7b", "D4b", "D3b", "D7w", "D8w", "D3w"}},
      {Kopfklasse::GeringfAng, {"N24", "N24u", "N74", "M24", "M24u"}},
  }};
  return k;
}

}  // namespace

std::optional<Kopfklasse> KopfklasseVon(std::string_view gruppe, bool arbeiter) {
  if (gruppe == "N72") return arbeiter ? Kopfklasse::GeringfArb : Kopfklasse::GeringfAng;
  for (const Klasse& k : Klassen())
    if (std::ranges::find(k.gruppen, gruppe) != k.gruppen.end()) return k.klasse;
  return std::nullopt;
}

bool IstLehrlingsBeitragsgruppe(std::string_view gruppe) {
  return std::ranges::find(kLehrlingsBeitragsgruppen, gruppe) != kLehrlingsBeitragsgruppen.end();
}

}  // namespace lohn
