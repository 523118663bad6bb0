#include "reports/DienstgeberAbgaben.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "payroll/FormatBetrag.h"

namespace lohn {

namespace {

// produkt / teiler in whole cents, half a cent away from zero.
double HalbAufCents(__int128 produkt, __int128 teiler) {
  const __int128 halb = teiler / 2;
  const __int128 cents = produkt >= 0 ? (produkt + halb) / teiler : -((-produkt + halb) / teiler);
  return double(static_cast<std::int64_t>(cents)) / 100;
}

}  // namespace

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
  const auto basis = CentsHalfEven(grundlage);
  if (!basis || !std::isfinite(satzProzent) || std::fabs(satzProzent) > 1e9)
    return RoundBetragHalfEven(grundlage * satzProzent / 100.0);
  // The rate in ten-thousandths of a percent: 4.5 % -> 45000.
  const auto satz = static_cast<std::int64_t>(std::llround(satzProzent * 10000));
  // cents x 1/10000 % / 100 % -> cents
  return HalbAufCents(static_cast<__int128>(*basis) * satz, 1000000);
}

double DgaAbgabe(double wochen, double dienstverhaeltnisse, double abzugWochen, double beitrag) {
  // Both factors as entered, to four decimals ("4,33" weeks, "0,725" a
  // week), multiplied on integers and rounded once, half a cent up.
  const double wochenGesamt = wochen * dienstverhaeltnisse - abzugWochen;
  if (!std::isfinite(wochenGesamt) || !std::isfinite(beitrag) || std::fabs(wochenGesamt) > 1e9 ||
      std::fabs(beitrag) > 1e9 || std::fabs(wochenGesamt * beitrag) > 1e15)
    return RoundBetrag(wochenGesamt * beitrag);
  // 1/10000 x 1/10000 -> cents
  return HalbAufCents(
      static_cast<__int128>(std::llround(wochenGesamt * 10000)) * std::llround(beitrag * 10000),
      1000000);
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
