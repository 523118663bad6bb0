#include "reports/LohnsteuerDbDzKommSt.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "payroll/FormatBetrag.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "reports/BetragGrenze.h"
#include "reports/DienstgeberAbgaben.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "store/SvNummer.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// What the report needs of one payroll record.
struct Zeile {
  int monat = 0;
  double brutto = 0, sz = 0, szSvFrei = 0, sonstSz = 0, lst = 0, sachbezug = 0;
  double entgelt = 0;  // liable to the levies
  bool ueberSechzig = false;
};

const BetragGrenze kGrenze{"den Bericht \"Lohnsteuer DB DZ Kommunalsteuer\""};

// The columns of an employee's and of the total line, in whole cents.
constexpr std::size_t kSpalten = 6;
constexpr const char* kSpaltenNamen[kSpalten] = {"Brutto",   "SonderZlg",  "SZ SV-frei",
                                                 "sonst SZ", "Lohnsteuer", "Sachbez/Trg"};
enum { kLst = 4 };

struct Summen {
  std::array<Cent, kSpalten> werte{};
  // Adds `s`, each column within the bound; `wessen` names the sum.
  void Add(const std::array<Cent, kSpalten>& s, const std::string& wessen) {
    for (std::size_t i = 0; i < kSpalten; ++i) kGrenze.Addiere(werte[i], s[i], wessen);
  }
  std::string Zeile() const {
    std::string z;
    for (Cent c : werte) z += BerichtText::A(AlsBetrag(c), 12);
    return z;
  }
};

const std::string kStriche(72, '-'), kUnterstrich(72, '_'), kDoppelt(72, '=');
constexpr const char* kKalkulatorisch = "NUR FÜR KALKULATORISCHE ZWECKE";
constexpr const char* kKostenstelle = "F Ü R   K O S T E N S T E L L E   N R. ";

// Right-aligned in `breite` characters; a longer text is cut (names) or kept
// whole (contribution groups).
std::string Rechts(const std::string& text, int breite, bool kuerzen) {
  if (!kuerzen && CharCount(text) > std::size_t(breite)) return text;
  return PadText(text, breite, false);
}

// The fields Erstellen reads (AbgabepflichtigesEntgelt's among them).
using R = AbrechnungRecord;
const AbrechnungFelder kFelder(&R::KostenstelleEdit, &R::BruttoEdit, &R::SonderzahlungEdit,
                               &R::SZSVfreiEdit, &R::SonstSZEdit, &R::LstGesamt,
                               &R::SachbezuegeAbreEdit, &R::DbDzKommStFreierBetragEdit,
                               &R::ueberSechzigCheckBox);

// The report; throws ZuGross for an amount or sum beyond the bound.
bool Erstellen(AppState& state, const BerichtOptionen& o) {
  const bool filter = o.kostenstelle != 0;
  const int monat = o.monatVon;

  // One pass over the payrolls of the month, the last record of a key
  // counting; the cost centre is that record's.
  ZeilenJePerson<Zeile> zeilen;
  if (!AbrechnungenLesen<Zeile>(
          state, o.stem, kFelder,
          [&](const AbrechnungKey& k) {
            return k.Jahr == o.jahr && k.Monat >= o.monatVon && k.Monat <= o.monatBis;
          },
          [&](const AbrechnungRecord& r) -> std::optional<Zeile> {
            if (filter && r.KostenstelleEdit != o.kostenstelle) return std::nullopt;
            return Zeile{r.MonatComboBox,       r.BruttoEdit,
                         r.SonderzahlungEdit,   r.SZSVfreiEdit,
                         r.SonstSZEdit,         r.LstGesamt,
                         r.SachbezuegeAbreEdit, AbgabepflichtigesEntgelt(r),
                         r.ueberSechzigCheckBox};
          },
          zeilen))
    return false;

  const DienstgeberGlobals& dg = state.Dienstgeber;
  const std::string filterText = std::to_string(o.kostenstelle);
  BerichtText t;
  t.Zeile("LOHNSTEUER, DB, DZ, KOMMUNALSTEUER");
  if (filter) {
    t.Zeile(std::string(80, '_'));
    t.Zeile(kKostenstelle + filterText);
    t.Zeile(kKalkulatorisch);
    t.Zeile(std::string(80, '_'));
  }
  t.Zeile("Dienstgeber: " + dg.DienstgeberAnrede + " " + dg.DienstgeberName);
  t.Zeile(dg.DienstgeberPlz + " " + dg.DienstgeberOrt + ", " + dg.DienstgeberStrasse);
  t.Zeile("Finanzamt / Steuernummer: " + dg.DienstgeberSteuerNr);
  t.Zeile(kUnterstrich);
  t.Zeile("für Monat/Jahr: " + std::to_string(monat) + "/" + std::to_string(o.jahr));
  t.Zeile(kUnterstrich);
  t.Zeile("      Zuname     Vorname  Beitragsgruppe Beitr.Zeit lfd.Nr    ");
  t.Zeile("      Brutto   SonderZlg  SZ SV-frei    sonst SZ  Lohnsteuer Sachbez/Trg");
  t.Zeile(kUnterstrich);

  // The employees in file order; payrolls without an employee do not count.
  // Every amount and sum in whole cents, within the bound.
  Summen gesamt;
  Cent kommStGrundlage = 0, dbDzGrundlage = 0;
  const std::string inBasis = " der Basis für DB, DZ, Kommunalsteuer";
  if (!PersonalLesen(state, o.stem, [&](const PersonalRecord& p) {
        auto it = zeilen.find(p.PersNrEdit);
        if (it == zeilen.end()) return;
        const std::string wessen = DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
        auto cents = [&](double v) { return kGrenze.Cents(v, wessen); };
        Summen s;
        int von = 12, bis = 0;
        for (const Zeile& z : it->second) {
          s.Add({cents(z.brutto), cents(z.sz), cents(z.szSvFrei), cents(z.sonstSz), cents(z.lst),
                 cents(z.sachbezug)},
                wessen);
          von = std::min(von, z.monat);
          bis = std::max(bis, z.monat);
          // His date of birth decides the month; the payroll's box only
          // where the SV number gives none.
          const Cent entgelt = cents(z.entgelt);
          kGrenze.Addiere(kommStGrundlage, entgelt, inBasis);
          if (!UeberSechzigImMonat(p.SVNrEdit, state.year.year, o.jahr, z.monat)
                   .value_or(z.ueberSechzig))
            kGrenze.Addiere(dbDzGrundlage, entgelt, inBasis);
        }
        // Sums that cancel out print nothing, but still count.
        Cent alle = 0;
        for (Cent c : s.werte) alle += c;
        if (alle != 0) {
          t.Zeile(Rechts(p.FamNameEdit, 12, true) + Rechts(p.VornameEdit, 12, true) + " " +
                  Rechts(p.BeitragsgruppeComboBox, 15, false) + BerichtText::I(von, 3) + "-" +
                  BerichtText::I(bis, 2) + "/" + BerichtText::I(o.jahr, 4) +
                  BerichtText::I(p.PersNrEdit, 7));
          t.Zeile(s.Zeile());
          t.Zeile(kStriche);
        }
        for (std::size_t i = 0; i < kSpalten; ++i)
          kGrenze.Addiere(gesamt.werte[i], s.werte[i], [&] {
            return std::string(" in der Spalte \"") + kSpaltenNamen[i] + "\" der Summen";
          });
      }))
    return false;
  t.Zeile("Summen:");
  t.Zeile(gesamt.Zeile());
  t.Zeile(kDoppelt);

  AbgabenMonat abgaben;
  abgaben.kommStGrundlage = AlsBetrag(kommStGrundlage);
  abgaben.dbDzGrundlage = AlsBetrag(dbDzGrundlage);
  const double basis = abgaben.kommStGrundlage;
  Cent aeltereCents = kommStGrundlage;
  kGrenze.Addiere(aeltereCents, -dbDzGrundlage, " der DB- und DZ-freien Bezüge");
  const double aeltere = AlsBetrag(aeltereCents);
  t.Zeile();
  t.Zeile("Basis für DB, DZ, Kommunalsteuer:");
  t.Zeile(kUnterstrich);
  t.Zeile("Basis für DB, DZ, Kommunalsteuer = Bruttozahlungen + SonderZahlungen");
  t.Zeile("          + SV-freie SonderZlg + Sachbezüge");
  t.Zeile("          - DB,DZ,KommSt-freie Bezüge =                 " + BerichtText::A(basis, 12));
  if (RoundBetragHalfEven(basis) > 0 && RoundBetragHalfEven(aeltere) > 0)
    t.Zeile("DB und DZ -freie Bezüge älterer Dienstnehmer:          -" +
            BerichtText::A(aeltere, 12));
  t.Zeile();
  // A report for one cost centre is for costing only: the free amount
  // belongs to the whole enterprise.
  if (!filter)
    t.Zeile("Bei Bruttolohnsumme von höchst. " + BerichtText::A(kAbgabenFreigrenze, 8) +
            " abzgl. Freibetrag -" + BerichtText::A(kAbgabenFreibetrag, 8));
  const Abgaben a = BerechneAbgaben(abgaben, {o.db, o.dz, o.kommunalsteuer}, !filter);
  // A rate beyond all reason makes a levy beyond the bound.
  for (const auto& [betrag, was] : {std::pair{a.db, " des DB"}, std::pair{a.dz, " des DZ"},
                                    std::pair{a.kommSt, " der Kommunalsteuer"}})
    kGrenze.Pruefe(betrag, was);
  const bool mitBasis = a.kommStBasis > 0;
  if (mitBasis)
    t.Zeile("Basis:                                             " +
            BerichtText::A(a.kommStBasis, 17));
  t.Zeile(kUnterstrich);
  t.Zeile();
  t.Zeile("Ü B E R W E I S U N G S L I S T E :");
  if (filter) {
    t.Zeile(kKalkulatorisch);
    t.Zeile(kKostenstelle + filterText);
  }
  t.Zeile(kUnterstrich);
  t.Zeile("An das Finanzamt zu entrichten:");
  // DB and DZ stand on their own base: the pay of employees over 60 is not
  // part of it, and the free amount is tested on what remains.
  if (mitBasis) {
    t.Zeile("DB              " + BerichtText::Genau(o.db, 4) + " % von " +
            BerichtText::A(a.dbDzBasis, 12) + " =" + BerichtText::A(a.db, 15));
    t.Zeile("DZ              " + BerichtText::Genau(o.dz, 4) + " % von " +
            BerichtText::A(a.dbDzBasis, 12) + " =" + BerichtText::A(a.dz, 15));
  }
  Cent finanzamt = gesamt.werte[kLst];
  if (mitBasis)
    for (double abgabe : {a.db, a.dz})
      kGrenze.Addiere(finanzamt, kGrenze.Cents(abgabe, ""), " in der Zeile \"Gesamt:\"");
  t.Zeile("Lohnsteuer:                              " +
          BerichtText::A(AlsBetrag(gesamt.werte[kLst]), 15));
  t.Zeile("                                         ---------------");
  t.Zeile("Gesamt:                                  " + BerichtText::A(AlsBetrag(finanzamt), 15) +
          " EUR");
  t.Zeile("Kontierungsvorschlag:  DB 6610 / 3680");
  t.Zeile("                       DZ 6615 / 3680");
  t.Zeile(kDoppelt);
  if (mitBasis) {
    t.Zeile("An das Gemeinde-/Stadtamt bzw. Magistrat zu entrichten:");
    t.Zeile("Kommunalsteuer  " + BerichtText::Genau(o.kommunalsteuer, 4) + " % von " +
            BerichtText::A(a.kommStBasis, 12) + " =" + BerichtText::A(a.kommSt, 15) + " EUR");
    t.Zeile("Kontierungsvorschlag:  6600 / 3645");
    t.Zeile(kDoppelt);
  }
  if (o.dga) {
    const double dga =
        kGrenze.Pruefe(DgaAbgabe(o.wochen, o.dgaAnzMitarb, o.dgaAbzug, o.dgaBeitrag), " der DGA");
    t.Zeile("DGA Dienstgeberabgabe (U-Bahn-Steuer) - nur für Wien!");
    t.Zeile("DGA: ((" + BerichtText::Genau(o.wochen, 4) + " Wochen * " +
            BerichtText::I(o.dgaAnzMitarb, 3) + " DN - " + BerichtText::Genau(o.dgaAbzug, 4) +
            " Wo) * " + BerichtText::Genau(o.dgaBeitrag, 0) + ") =     " + BerichtText::A(dga, 15) +
            " EUR");
    t.Zeile("Kontierungsvorschlag:  6620 / 3645");
    t.Zeile(kDoppelt);
  }
  if (o.kontierung) {
    t.Zeile();
    t.Zeile("Kontierungsvorschlag - Konten: ");
    t.Zeile(std::string(53, '-'));
    t.Zeile("  3680 Verbindlichkeiten Finanzamt DB und DZ");
    t.Zeile("  3645 Verbindlichkeiten Stadtkasse");
    t.Zeile("  6600 Kommunalsteuer");
    t.Zeile("  6610 DB");
    t.Zeile("  6615 DZ");
    if (o.dga) t.Zeile("  6620 DGA (Wien)");
    t.Zeile(std::string(53, '-'));
  }
  return t.Schreiben(state);
}

}  // namespace

bool PrintLohnsteuerDbDzKommSt(AppState& state, const BerichtOptionen& o) {
  auto& dlg = state.dialogs();
  if (o.db < 0 || o.dz < 0 || o.kommunalsteuer < 0) {
    dlg.ShowMessage(kSaetzeNegativ);
    return false;
  }
  return BerichtImRahmen(state, [&] { return Erstellen(state, o); });
}

}  // namespace lohn
