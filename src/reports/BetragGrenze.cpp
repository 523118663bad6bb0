#include "reports/BetragGrenze.h"

#include "reports/BerichtText.h"

namespace lohn {

std::string DesDienstnehmers(std::int32_t nr, const std::string& name) {
  return " des Dienstnehmers " + std::to_string(nr) + " " + name;
}

Cent BetragGrenze::Cents(double betrag, const std::string& wessen) const {
  const auto c = CentsHalfEven(betrag);
  if (!c) throw ZuGross{Meldung("Der Betrag", betrag, wessen)};
  return *c;
}

double BetragGrenze::Pruefe(double betrag, const std::string& wessen) const {
  Cents(betrag, wessen);
  return betrag;
}

std::string BetragGrenze::A(double betrag, int w, const std::string& wessen) const {
  return BerichtText::A(Pruefe(betrag, wessen), w);
}

void BetragGrenze::Addiere(Cent& summe, Cent c, const std::string& wessen) const {
  if (!lohn::Addiere(summe, c)) throw ZuGross{Meldung("Die Summe", AlsBetrag(summe), wessen)};
}

std::string BetragGrenze::Meldung(const std::string& was, double betrag,
                                  const std::string& wessen) const {
  return ZuGrossMeldung(was, betrag, wessen, wofuer, folge);
}

bool BerichtImRahmen(AppState& state, const std::function<bool()>& bericht) {
  try {
    return bericht();
  } catch (const ZuGross& z) {
    state.dialogs().ShowMessage(z.meldung);
    return false;
  }
}

}  // namespace lohn
