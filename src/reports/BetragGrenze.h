#pragma once
// The bound of every amount a report prints or adds up (kMaxCents): up to
// it amounts and sums print to the cent, beyond it the report is refused
// with a message naming the employee or the sum, and writes nothing.

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

#include "payroll/FormatBetrag.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kKeinBericht = "Es wurde kein Bericht erstellt.";

// The refusal, thrown where the amount or sum is met and caught where the
// report would be written (also across BerichtBloecke).
struct ZuGross {
  std::string meldung;
};

// " des Dienstnehmers 12 Huber"
std::string DesDienstnehmers(std::int32_t nr, const std::string& name);

// Adds c to a sum, which must stay within kMaxCents; false when it does
// not (the sum then holds the first value beyond it).
inline bool Addiere(Cent& summe, Cent c) {
  summe += c;
  return ImRahmen(summe);
}

// The bound as one report applies it; `wofuer` names the report in the
// message ("das Lohnkonto"). Every refusal is ZuGrossMeldung's.
struct BetragGrenze {
  std::string wofuer;
  std::string folge = kKeinBericht;

  // Whole cents of an amount, halves to even; beyond the bound throws
  // ZuGross "Der Betrag ..." + wessen.
  Cent Cents(double betrag, const std::string& wessen) const;
  // The same with `wessen` made only for the refusal: for every record.
  template <class Wessen>
  requires std::is_invocable_r_v<std::string, const Wessen&> Cent Cents(double betrag,
                                                                        const Wessen& wessen)
  const {
    const auto c = CentsHalfEven(betrag);
    if (!c) throw ZuGross{Meldung("Der Betrag", betrag, wessen())};
    return *c;
  }
  // The amount as it stands, for one that is printed but not added up;
  // checked as Cents.
  double Pruefe(double betrag, const std::string& wessen) const;
  // BerichtText::A of an amount checked so.
  std::string A(double betrag, int w, const std::string& wessen) const;
  // summe += c; beyond the bound throws ZuGross "Die Summe ..." + wessen.
  void Addiere(Cent& summe, Cent c, const std::string& wessen) const;
  // The same with the name of the sum made only for the refusal: for sums
  // added for every amount of every record.
  template <class Wessen>
  requires std::is_invocable_r_v<std::string, const Wessen&>
  void Addiere(Cent& summe, Cent c, const Wessen& wessen) const {
    if (!lohn::Addiere(summe, c)) throw ZuGross{Meldung("Die Summe", AlsBetrag(summe), wessen())};
  }
  // The message of either refusal.
  std::string Meldung(const std::string& was, double betrag, const std::string& wessen) const;
};

// Runs a report; a ZuGross from it shows its message and gives false.
bool BerichtImRahmen(AppState& state, const std::function<bool()>& bericht);

}  // namespace lohn
