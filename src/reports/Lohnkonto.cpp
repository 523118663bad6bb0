#include "reports/Lohnkonto.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "payroll/FormatBetrag.h"
#include "reports/BerichtBloecke.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "reports/BetragGrenze.h"
#include "reports/DienstgeberAbgaben.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr std::size_t kBreite = 210;
constexpr std::size_t kSpalten1 = 23;  // amounts of the first table
constexpr std::size_t kSpalten2 = 9;   // amounts of the second table

// Indices into KontoZeile::t2.
enum T2 : std::size_t {
  MvGrundlage,
  MvBeitrag,
  Freiwillig,
  Pendler,
  Abgabe_,
  Ausland,
  Diaeten,
  Zukunft,
  PensK
};

// What the reports need of one payroll record: every amount in whole cents
// (halves to even), as each line prints it and each sum adds it up.
struct KontoZeile {
  int monat = 0;
  bool teil = false;
  bool ueberSechzig = false;
  int standort = 0;
  std::array<Cent, kSpalten1> t1{};
  std::array<Cent, kSpalten2> t2{};  // T2; Abgabe_: the liable pay
  Cent vorschuss = 0, exekution = 0;
  std::optional<double> zuGross;  // the first amount beyond kMaxCents
  std::string bemerkung;          // accounts only
};

KontoZeile ZeileAus(const AbrechnungRecord& r, bool mitBemerkung) {
  // The SZ excess belongs to the special payment's base, not to the month's.
  const double szUeber = r.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV;
  KontoZeile z;
  auto cents = [&z](double v) {
    const auto c = CentsHalfEven(v);
    if (!c && !z.zuGross) z.zuGross = v;
    return c.value_or(0);
  };
  z.monat = r.MonatComboBox;
  z.teil = r.AbrechngComboBox > 0;
  z.ueberSechzig = r.ueberSechzigCheckBox;
  z.standort = r.gehoertZuStandortEdit;
  const std::array<double, kSpalten1> t1 = {
      r.BruttoEdit,
      r.SonderzahlungEdit,
      r.SZSVfreiEdit,
      r.SonstSZEdit,
      r.BruttoGesamtEdit,
      r.SachbezuegeAbreEdit,
      r.SVFreibetragEdit,
      r.SVBeitragsgrundlageEdit + szUeber - r.SueberschreitungEdit,
      r.SV_DN_GesamtEdit,
      r.SVBeitragsGrundlageSonderzahlungEdit + r.SueberschreitungEdit - szUeber,
      r.SV_DN_SZ_GesamtEdit,
      r.SonstSZSVEdit,
      r.SV_AbzGesEdit,
      r.ServiceEntgelt_eCardEdit,
      r.FreibetrEdit,
      r.GrundlageLSTEdit,
      r.LohnsteuerBetragEdit,
      r.LstFreibetragSZ,
      r.GrundlLstSZ,
      r.LstSZ,
      r.SonstSZLSTEdit,
      r.LstGesamt,
      r.NettoBetragEdit};
  const std::array<double, kSpalten2> t2 = {r.SachbezuegeAbreEdit + r.BruttoGesamtEdit,
                                            r.BMVGbetragEdit,
                                            r.KrankenschEdit,
                                            r.NormArbeitszeitEdit,
                                            AbgabepflichtigesEntgelt(r),
                                            r.AuslandsTaetEdit,
                                            r.SpesenersatzEdit,
                                            r.ZukunftssicherungEdit,
                                            r.AuslPensDGEdit};
  for (std::size_t i = 0; i < kSpalten1; ++i) z.t1[i] = cents(t1[i]);
  for (std::size_t i = 0; i < kSpalten2; ++i) z.t2[i] = cents(t2[i]);
  z.vorschuss = cents(r.VorschussEdit);
  z.exekution = cents(r.ExekutionEdit);
  if (mitBemerkung) z.bemerkung = r.BemerkungenEdit;
  return z;
}

// The fields ZeileAus reads (AbgabepflichtigesEntgelt's among them).
using R = AbrechnungRecord;
const AbrechnungFelder kSummenFelder(
    &R::ueberMaxSVBeitrGrdlSZUeberJSechstel_SV, &R::ueberSechzigCheckBox, &R::gehoertZuStandortEdit,
    &R::BruttoEdit, &R::SonderzahlungEdit, &R::SZSVfreiEdit, &R::SonstSZEdit, &R::BruttoGesamtEdit,
    &R::SachbezuegeAbreEdit, &R::SVFreibetragEdit, &R::SVBeitragsgrundlageEdit,
    &R::SueberschreitungEdit, &R::SV_DN_GesamtEdit, &R::SVBeitragsGrundlageSonderzahlungEdit,
    &R::SV_DN_SZ_GesamtEdit, &R::SonstSZSVEdit, &R::SV_AbzGesEdit, &R::ServiceEntgelt_eCardEdit,
    &R::FreibetrEdit, &R::GrundlageLSTEdit, &R::LohnsteuerBetragEdit, &R::LstFreibetragSZ,
    &R::GrundlLstSZ, &R::LstSZ, &R::SonstSZLSTEdit, &R::LstGesamt, &R::NettoBetragEdit,
    &R::BMVGbetragEdit, &R::KrankenschEdit, &R::NormArbeitszeitEdit, &R::DbDzKommStFreierBetragEdit,
    &R::AuslandsTaetEdit, &R::SpesenersatzEdit, &R::ZukunftssicherungEdit, &R::AuslPensDGEdit,
    &R::VorschussEdit, &R::ExekutionEdit);
const AbrechnungFelder kKontoFelder = AbrechnungFelder(&R::BemerkungenEdit) |= kSummenFelder;

std::string ZeitraumZeile(const BerichtOptionen& o) {
  if (o.monatBis == 12)
    return "Für den Zeitraum von: 1." + BerichtText::I(o.monatVon, 2) + ". bis 31." +
           BerichtText::I(o.monatBis, 2) + "." + BerichtText::I(o.jahr, 4);
  return "Für den Zeitraum von: " + BerichtText::I(o.monatVon, 2) + " bis " +
         BerichtText::I(o.monatBis, 2) + "/" + BerichtText::I(o.jahr, 4);
}

// The employer lines and the period line.
void Kopf(BerichtText& text, const AppState& state, bool excel) {
  auto frei = [&](const std::string& s) { return excel ? BerichtText::Zelle(s) : s; };
  const DienstgeberGlobals& d = state.Dienstgeber;
  text.Zeile(frei("Dienstgeber: " + d.DienstgeberAnrede + " " + d.DienstgeberName));
  text.Zeile(frei(d.DienstgeberPlz + " " + d.DienstgeberOrt + ", " + d.DienstgeberStrasse));
}

std::string MonatMarke(const KontoZeile& z) {
  return BerichtText::I(z.monat, 2) + (z.teil ? "*" : " ");
}

void Konto(BerichtText& text, const AppState& state, const BerichtOptionen& o,
           const PersonalRecord& p, std::span<const KontoZeile> zeilen, bool erstes) {
  const bool excel = o.excel;
  const std::string sep = excel ? ";" : "";
  auto frei = [&](const std::string& s) { return excel ? BerichtText::Zelle(s) : s; };
  if (!erstes) {
    if (excel)
      text.Zeile();
    else
      text.Seitenwechsel();
  }
  text.Zeile("LOHN / GEHALTS-KONTO");
  Kopf(text, state, excel);
  text.Zeile();
  text.Zeile(ZeitraumZeile(o));
  text.Zeile("Personal Nr: " + std::to_string(p.PersNrEdit));
  text.Zeile(frei("Name: " + p.FamNameEdit + " " + p.VornameEdit + ", " + p.OrtEdit));
  text.Zeile(frei("Sozialversicherungsträger: " + VersTraegerName(p.SVtraegerEdit)));
  text.Zeile(
      frei("Versicherungs-Nr: " + p.SVNrEdit + " BeitragsGruppe: " + p.BeitragsgruppeComboBox));
  text.Zeile(frei("Ein-/Austrittsdatum: " + p.EintrittsDatumEdit));

  // Table 1: pay, social insurance, wage tax.
  if (excel)
    text.KopfBlock({"Monat;Btto;SZ;SZSVfrei;Sonst SZ;Btto Ges;Sachbez;SVfrei;SVgrd lfd;SV "
                    "lfd;SVGrdl SZ;SV-SZ;Sonst SZ;SV-Ges;e-Card;Freib;LSTGrdl;LST;LSTfr "
                    "SZ;LSTgrd SZ;LstSZ;LSTsSZ;LSTges;Netto"},
                   kBreite);
  else
    text.KopfBlock(
        {"Monat   Btto       SZ   SZSVfr    Sonst     Btto    Sachb     SVfr    SVgrd       SV  "
         " SVGrdl    SV-SZ    Sonst   SV-Ges   e-Card    Freib  LSTGrdl      LST    LSTfr   "
         "LSTgrd    LstSZ   LST      LSTges    Netto",
         "                                     SZ      Ges                        Lfd      Lfd  "
         "     SZ                SZ                                                    SZ       "
         "SZ            Absetzbetr."},
        kBreite);
  const std::string wessen = DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
  const BetragGrenze grenze{"das Lohnkonto"};
  auto addiere = [&](Cent& summe, Cent c) { grenze.Addiere(summe, c, wessen); };
  for (const KontoZeile& z : zeilen)
    if (z.zuGross) throw ZuGross{grenze.Meldung("Der Betrag", *z.zuGross, wessen)};
  std::array<Cent, kSpalten1> summe1{};
  std::string zeile;
  for (const KontoZeile& z : zeilen) {
    zeile = MonatMarke(z);
    for (std::size_t i = 0; i < kSpalten1; ++i) {
      zeile += sep;
      BerichtText::A(zeile, AlsBetrag(z.t1[i]), 9);
      addiere(summe1[i], z.t1[i]);
    }
    text.Zeile(zeile);
  }
  text.Zeile(std::string(kBreite, '_'));
  std::string summe = sep + BerichtText::A(AlsBetrag(summe1[0]), 12);
  for (std::size_t i = 1; i < kSpalten1; ++i)
    summe += sep + BerichtText::A(AlsBetrag(summe1[i]), 9);
  text.Zeile(summe);
  text.Zeile(std::string(kBreite, '='));

  // Table 2: severance fund, allowances, levy base, remarks.
  if (excel)
    text.KopfBlock({"Monat;MV Grundlage;MV Beitrag;freiw Beiträge §16;Pendlerpauschale "
                    "§16;Betriebsstätte;Grundlage DB DZ;Auslandstätigkeit §3;Diäten Km-Geld "
                    "§26;Zukunftssich. §3;ausl.Pensionskassen §26 Z7;Bemerkungen"},
                   kBreite);
  else
    text.KopfBlock({"Monat     MV       MV fw Beitr   Pausch Betriebs   Grundl Auslands   Diäten "
                    "Zukunfts  a.PensK  Bemerkungen",
                    "      Grundl    Beitr      §16      §16   stätte    DB DZ Tätig §3   km §26 "
                    "sich. §3   §26 Z7"},
                   kBreite);
  std::array<Cent, kSpalten2> summe2{};
  for (const KontoZeile& z : zeilen) {
    zeile = MonatMarke(z);
    for (std::size_t i = 0; i < kSpalten2; ++i) {
      if (i == Abgabe_) zeile += sep + BerichtText::I(z.standort, 9);
      // Over 60 the month is free of DB and DZ.
      if (i == Abgabe_ && z.ueberSechzig) {
        zeile += sep + BerichtText::I(0, 9);
        continue;
      }
      zeile += sep;
      BerichtText::A(zeile, AlsBetrag(z.t2[i]), 9);
      addiere(summe2[i], z.t2[i]);
    }
    if (excel)
      zeile += ";" + BerichtText::Zelle(z.bemerkung);
    else
      (zeile += ' ') += z.bemerkung;
    text.Zeile(zeile);
  }
  text.Zeile(std::string(kBreite, '_'));
  summe = sep + BerichtText::A(AlsBetrag(summe2[0]), 12);
  for (std::size_t i = 1; i < kSpalten2; ++i) {
    if (i == Abgabe_) summe += sep + std::string(9, ' ');
    summe += sep + BerichtText::A(AlsBetrag(summe2[i]), 9);
  }
  text.Zeile(summe);
  text.Zeile(std::string(kBreite, '='));
  text.Zeile("*) Teilabrechnung");
  text.Zeile(
      "Zahltag soweit nicht anders vermerkt: laut gesetzlicher Fälligkeit (Angestellte: der "
      "Letzte des lfd Monats, Arbeiter: kollektivvertragliche Fälligkeit)");
  text.Zeile("Betriebsstätten lt Bericht \"STANDORT-DATEN\"");
}

constexpr std::size_t kSummenZeilen = 36;
constexpr std::size_t kGrundlageDbDz = 27, kDienstgeberbeitrag = 28, kDienstgeberzuschlag = 29;

constexpr const char* kBezeichnungen[kSummenZeilen] = {
    "Laufende Bezüge brutto",
    "Sonderzahlung",
    "Sonderzahlung SV-frei",
    "Sonstige Sonderzahlungen",
    "Bruttobezüge gesamt",
    "Sachbezüge",
    "Sozialversicherungsfrei",
    "Sozialversicherungsgrundlage",
    "SV-Beiträge lfd. Bezüge",
    "SV-Grundlage Sonderzahlung",
    "SV-Beiträge Sonderzahlung",
    "SV-Beiträge sonst. Sonderzlg",
    "Service-Entgelt eCard",
    "SV-Beiträge DN gesamt",
    "Lohnsteuerfreibeträge",
    "Lohnsteuergrundlage",
    "Lohnsteuer",
    "Lohnsteuer Freibetrag SZ",
    "Lohnsteuergrundlage SZ",
    "Lohnsteuer Sonderzahlung",
    "Lohnsteuer / Absetzbetrag",
    "Lohnsteuer gesamt",
    "Netto Auszahlungsbetrag",
    "Grundl. Mitarbeitervorsorge",
    "Mitarbeitervorsorgebeitrag",
    "Freiwillige Beiträge § 16",
    "Pendlerpauschale § 16",
    "Grundlage DB DZ",
    "Dienstgeberbeitrag",
    "Dienstgeberzuschlag",
    "Auslandstätigkeit § 3",
    "Diäten, KM-Geld § 26",
    "Zukunftssicherung § 3",
    "Beitr.ausl.PensK (§ 26 Z 7)",
    "Vorschuss",
    "Exekution",
};

// The sheet's values in cents: [row][0] the period, [row][1..12] the
// months; every cell the sum of the whole cents of its parts, the period
// the sum of its months.
const BetragGrenze kBlatt{"das Betriebssummenblatt"};

struct Summen {
  std::array<std::array<Cent, 13>, kSummenZeilen> werte{};
  // The months' levy bases, without the over-60 records.
  std::array<Cent, 13> dbDzGrundlage{};

  // A record of the employee whose image is `bild`; an amount or sum beyond
  // the bound throws ZuGross.
  void Add(const KontoZeile& z, const std::uint8_t* bild) {
    if (z.monat < 1 || z.monat > 12) return;
    if (z.zuGross)
      throw ZuGross{kBlatt.Meldung("Der Betrag", *z.zuGross,
                                   DesDienstnehmers(PersonalNrOf(bild), PersonalFamNameOf(bild)))};
    const auto& t = z.t1;
    const std::array<Cent, kSummenZeilen> v = {t[0],
                                               t[1],
                                               t[2],
                                               t[3],
                                               t[4],
                                               t[5],
                                               t[6],
                                               t[7],
                                               t[8],
                                               t[9],
                                               t[10],
                                               t[11],
                                               t[13],
                                               t[12],
                                               t[14],
                                               t[15],
                                               t[16],
                                               t[17],
                                               t[18],
                                               t[19],
                                               t[20],
                                               t[21],
                                               t[22],
                                               t[4] + t[5] - t[3],
                                               z.t2[MvBeitrag],
                                               z.t2[Freiwillig],
                                               z.t2[Pendler],
                                               0,
                                               0,
                                               0,
                                               z.t2[Ausland],
                                               z.t2[Diaeten],
                                               z.t2[Zukunft],
                                               z.t2[PensK],
                                               z.vorschuss,
                                               z.exekution};
    const auto m = std::size_t(z.monat);
    for (std::size_t i = 0; i < kSummenZeilen; ++i)
      for (Cent& summe : {std::ref(werte[i][m]), std::ref(werte[i][0])})
        if (!Addiere(summe, v[i])) return Zuviel(i, AlsBetrag(summe));
    if (!z.ueberSechzig && !Addiere(dbDzGrundlage[m], z.t2[Abgabe_]))
      return Zuviel(kGrundlageDbDz, AlsBetrag(dbDzGrundlage[m]));
  }

  [[noreturn]] static void Zuviel(std::size_t zeile, double summe) {
    throw ZuGross{kBlatt.Meldung("Die Summe", summe,
                                 " in der Zeile \"" + std::string(kBezeichnungen[zeile]) + "\"")};
  }

  // The levy rows: the month bases as they stand, DB and DZ after the free
  // amount of each month; each period total the sum of its months as they
  // print.
  void Abgabenzeilen(const BerichtOptionen& o) {
    const AbgabenSaetze saetze{o.db, o.dz, 0};
    for (std::size_t i : {kGrundlageDbDz, kDienstgeberbeitrag, kDienstgeberzuschlag})
      werte[i][0] = 0;
    for (std::size_t m = 1; m <= 12; ++m) {
      AbgabenMonat monat;
      monat.dbDzGrundlage = AlsBetrag(dbDzGrundlage[m]);
      const Abgaben a = BerechneAbgaben(monat, saetze);
      werte[kGrundlageDbDz][m] = dbDzGrundlage[m];
      const std::pair<std::size_t, double> abgaben[] = {{kDienstgeberbeitrag, a.db},
                                                        {kDienstgeberzuschlag, a.dz}};
      for (const auto& [zeile, betrag] : abgaben) {
        const auto c = CentsHalfEven(betrag);
        if (!c) return Zuviel(zeile, betrag);  // a rate beyond all reason
        werte[zeile][m] = *c;
      }
      for (std::size_t i : {kGrundlageDbDz, kDienstgeberbeitrag, kDienstgeberzuschlag})
        if (!Addiere(werte[i][0], werte[i][m])) return Zuviel(i, AlsBetrag(werte[i][0]));
    }
  }
};

// The sheet; a sum beyond kMaxCents throws ZuGross.
void Summenblatt(BerichtText& text, const AppState& state, const BerichtOptionen& o, Summen& s) {
  const bool excel = o.excel;
  const std::string sep = excel ? ";" : "";
  s.Abgabenzeilen(o);
  text.Zeile("BETRIEBSSUMMENBLATT");
  Kopf(text, state, excel);
  text.Zeile(ZeitraumZeile(o));
  std::string kopf = PadText("Bezeichnung", 28, true) +
                     (excel ? ";Gesamtsumme;Monat: 1;" : "   Gesamtsumme / Monat:    1");
  for (int m = 2; m <= 12; ++m) kopf += BerichtText::I(m, 14) + sep;
  text.KopfBlock({kopf}, kBreite);
  for (std::size_t i = 0; i < kSummenZeilen; ++i) {
    std::string zeile = PadText(kBezeichnungen[i], 28, true) + sep;
    for (std::size_t m = 0; m <= 12; ++m)
      zeile += BerichtText::A(AlsBetrag(s.werte[i][m]), 14) + sep;
    text.Zeile(zeile);
  }
  text.Zeile(std::string(kBreite, '_'));
  text.Zeile();
}

}  // namespace

bool PrintLohnkonto(AppState& state, const BerichtOptionen& o, bool summenblatt) {
  const int persNr = summenblatt ? 0 : o.personalNr;
  ZeilenJePerson<KontoZeile> zeilen;
  const bool gelesen = AbrechnungenLesen<KontoZeile>(
      state, o.stem, summenblatt ? kSummenFelder : kKontoFelder,
      [&](const AbrechnungKey& k) {
        return k.Jahr == o.jahr && k.Monat >= o.monatVon && k.Monat <= o.monatBis &&
               (persNr == 0 || k.PersNr == persNr);
      },
      [&](const AbrechnungRecord& r) { return ZeileAus(r, !summenblatt); }, zeilen);
  if (!gelesen) return false;

  BerichtText text;
  Summen summen;
  bool ok = true;
  if (summenblatt) {
    ok = BerichtImRahmen(state, [&] {
      if (!PersonalBilderLesen(state, o.stem, [&](const std::uint8_t* b) {
            for (const KontoZeile& z : zeilen[PersonalNrOf(b)]) summen.Add(z, b);
          }))
        return false;
      Summenblatt(text, state, o, summen);
      return true;
    });
  } else {
    // The accounts are made several at once.
    ok = BerichtImRahmen(state, [&] {
      return PersonenBloecke(
          state, o.stem, text, [&](std::int32_t nr) { return persNr == 0 || nr == persNr; },
          [&](BerichtText& t, const PersonalRecord& p, bool erste) {
            Konto(t, state, o, p, zeilen[p.PersNrEdit], erste);
          });
    });
  }
  if (!ok) return false;
  return text.Zeilen() > 0 && text.Schreiben(state);
}

}  // namespace lohn
