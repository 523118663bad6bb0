#include "reports/DienstgeberAbgaben.h"

#include <algorithm>

#include "payroll/FormatBetrag.h"

namespace lohn {

double AbgabepflichtigesEntgelt(const AbrechnungRecord& r) {
  return r.BruttoEdit + r.SonderzahlungEdit + r.SZSVfreiEdit + r.SachbezuegeAbreEdit -
         r.DbDzKommStFreierBetragEdit;
}

double AbgabenFreibetrag(double monatsGrundlage) {
  const double g = RoundBetragHalfEven(monatsGrundlage);
  if (g <= 0 || g > kAbgabenFreigrenze) return 0;
  return std::min(g, kAbgabenFreibetrag);
}

double Abgabe(double grundlage, double satzProzent) {
  return RoundBetragHalfEven(grundlage * satzProzent / 100.0);
}

void AbgabenMonat::Add(double entgelt, bool ueberSechzig) {
  kommStGrundlage += entgelt;
  if (!ueberSechzig) dbDzGrundlage += entgelt;
}

Abgaben BerechneAbgaben(const AbgabenMonat& monat, const AbgabenSaetze& saetze,
                        bool mitFreibetrag) {
  Abgaben a;
  a.dbDzBasis = RoundBetragHalfEven(monat.dbDzGrundlage);
  a.kommStBasis = RoundBetragHalfEven(monat.kommStGrundlage);
  if (mitFreibetrag) {
    a.dbDzBasis -= AbgabenFreibetrag(a.dbDzBasis);
    a.kommStBasis -= AbgabenFreibetrag(a.kommStBasis);
  }
  a.dbDzBasis = std::max(0.0, RoundBetragHalfEven(a.dbDzBasis));
  a.kommStBasis = std::max(0.0, RoundBetragHalfEven(a.kommStBasis));
  a.db = Abgabe(a.dbDzBasis, saetze.db);
  a.dz = Abgabe(a.dbDzBasis, saetze.dz);
  a.kommSt = Abgabe(a.kommStBasis, saetze.kommSt);
  return a;
}

double StandortKommStBasis(double standortGrundlage, double betriebsGrundlage) {
  const double frei = AbgabenFreibetrag(betriebsGrundlage);
  if (frei <= 0 || betriebsGrundlage <= 0)
    return std::max(0.0, RoundBetragHalfEven(standortGrundlage));
  const double anteil = frei * standortGrundlage / RoundBetragHalfEven(betriebsGrundlage);
  return std::max(0.0, RoundBetragHalfEven(standortGrundlage - anteil));
}

}  // namespace lohn
