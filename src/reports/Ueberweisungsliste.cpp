#include "reports/Ueberweisungsliste.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "payroll/Lohnarten.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "reports/BetragGrenze.h"
#include "store/AbrechnungStore.h"
#include "store/FileUtil.h"
#include "store/LohnartLine.h"
#include "store/Numbers.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr int kGruppen = 4;  // apprentices, workers, salaried, not assigned
constexpr int kCodes = 1000;

// The ten amounts of every sum, in the order the sections print them.
enum Haupt {
  kBrutto,
  kSachbezuege,
  kSv,
  kLst,
  kNetto,
  kSpesen,
  kVorschuss,
  kExekution,
  kFreiwBeitraege,
  kAuszahlung,
  kHauptAnzahl
};

// The amounts of the detail lines.
enum Detail {
  kGehalt,
  kNormalstunden,
  kZulage,
  kMehrstunden,
  kUe50,
  kUe75,
  kUe100,
  kUe200,
  kUrlaubstunden,
  kFehlstunden,
  kLfdBezuege,
  kSonderzahlungen,
  kSzSvFrei,
  kSonstSz,
  kDetailAnzahl
};

// What the report needs of one payroll record.
struct Zeile {
  std::int32_t teilabrechnung = 0;
  int gruppe = 3;
  std::string iban, bic, famName, vorname, ort;
  std::array<double, kHauptAnzahl> haupt{};
  std::array<double, kDetailAnzahl> detail{};
  std::array<std::pair<int, double>, kAbrechnungLohnartSlots> lohnarten{};
};

// The rows of the sums, as a refusal names them.
constexpr std::array<const char*, kHauptAnzahl> kHauptZeilen{
    "Bruttobezüge", "Sachbezüge",  "Sozialversicherung",
    "Lohnsteuer",   "Nettobezüge", "Spesenersatz",
    "Vorschuss",    "Exekution",   "Einbehaltene.freiw.Beiträge",
    "Auszahlung"};
constexpr std::array<const char*, kDetailAnzahl> kDetailZeilen{"Gehalt",
                                                               "Normalstunden",
                                                               "Zulage",
                                                               "Mehrstunden",
                                                               "Überstunden 50 %",
                                                               "Überstunden 75 %",
                                                               "Überstunden 100 %",
                                                               "Überstunden 200 %",
                                                               "Urlaubstunden",
                                                               "Fehlstunden",
                                                               "Summe lfd. Bezüge",
                                                               "Sonderzahlungen",
                                                               "SZ SV frei",
                                                               "sonstige SZ"};

// The sums in whole cents.
struct Summen {
  std::array<Cent, kHauptAnzahl> haupt{};
  std::array<Cent, kDetailAnzahl> detail{};
  std::array<Cent, kCodes> codes{};
};

std::pair<int, double> LohnartSlot(const std::string& slot) {
  if (slot.empty()) return {0, 0.0};
  const LohnartLine line = UnpackLohnartLine(slot);
  int code = 0;
  double betrag = 0;
  try {
    code = StrToInt(line.code);
    betrag = LohnartBetrag(line);
  } catch (const ConversionError&) {
    // A hand-edited line that does not convert counts nothing; the run goes on.
    betrag = 0;
  }
  if (code < 0 || code >= kCodes) return {0, 0.0};
  return {code, betrag};
}

Zeile ZeileAus(const AbrechnungRecord& r) {
  Zeile z;
  z.teilabrechnung = r.AbrechngComboBox;
  z.gruppe =
      r.SozialeStellungEdit >= 1 && r.SozialeStellungEdit <= 3 ? r.SozialeStellungEdit - 1 : 3;
  z.iban = r.BankKtoNrEdit;
  z.bic = r.BankEdit;
  z.famName = r.FamNameEdit;
  z.vorname = r.VornameEdit;
  z.ort = r.OrtEdit;
  // The tax withheld in every group, so that each group's net follows from
  // its gross and the groups add up to the booked total.
  z.haupt = {r.BruttoGesamtEdit, r.SachbezuegeAbreEdit,  r.SV_AbzGesEdit, r.LstGesamt,
             r.NettoBetragEdit,  r.SpesenersatzEdit,     r.VorschussEdit, r.ExekutionEdit,
             r.KrankenschEdit,   r.AuszahlungsbetragEdit};
  z.detail = {r.LohnNormalstundenEdit == 0 ? r.GehaltEdit : 0.0,
              r.LohnNormalstundenEdit,
              r.ZulageEdit,
              r.LohnGehaltMehrstundenEdit,
              r.LohnGehaltUeberstunden50Edit,
              r.LohnGehaltUeberstunden75Edit,
              r.LohnGehaltUeberstunden100Edit,
              r.LohnGehaltUeberstunden200Edit,
              r.LohnUrlaubstundenEdit,
              r.LohnFehlstundenEdit,
              r.BruttoEdit,
              r.SonderzahlungEdit,
              r.SZSVfreiEdit,
              r.SonstSZEdit};
  for (std::size_t i = 0; i < kAbrechnungLohnartSlots; ++i)
    z.lohnarten[i] = LohnartSlot(r.Lohnarten[i]);
  return z;
}

// The fields ZeileAus reads.
using R = AbrechnungRecord;
const AbrechnungFelder kFelder(
    &R::KostenstelleEdit, &R::SozialeStellungEdit, &R::BankKtoNrEdit, &R::BankEdit, &R::FamNameEdit,
    &R::VornameEdit, &R::OrtEdit, &R::BruttoGesamtEdit, &R::SachbezuegeAbreEdit, &R::SV_AbzGesEdit,
    &R::LstGesamt, &R::NettoBetragEdit, &R::SpesenersatzEdit, &R::VorschussEdit, &R::ExekutionEdit,
    &R::KrankenschEdit, &R::AuszahlungsbetragEdit, &R::GehaltEdit, &R::LohnNormalstundenEdit,
    &R::ZulageEdit, &R::LohnGehaltMehrstundenEdit, &R::LohnGehaltUeberstunden50Edit,
    &R::LohnGehaltUeberstunden75Edit, &R::LohnGehaltUeberstunden100Edit,
    &R::LohnGehaltUeberstunden200Edit, &R::LohnUrlaubstundenEdit, &R::LohnFehlstundenEdit,
    &R::BruttoEdit, &R::SonderzahlungEdit, &R::SZSVfreiEdit, &R::SonstSZEdit, &R::Lohnarten);

// Adds the record of the employee `wessen` names to the report's and his
// group's sums: every amount and sum within the report's bound.
void Addiere(Summen& gesamt, Summen& gruppe, const Zeile& z, const BetragGrenze& grenze,
             const std::string& wessen) {
  auto addiere = [&](Cent& a, Cent& b, double betrag, const auto& zeile) {
    const Cent c = grenze.Cents(betrag, wessen);
    auto name = [&] { return " in der Zeile \"" + std::string(zeile()) + "\""; };
    grenze.Addiere(a, c, name);
    grenze.Addiere(b, c, name);
  };
  for (int i = 0; i < kHauptAnzahl; ++i)
    addiere(gesamt.haupt[i], gruppe.haupt[i], z.haupt[i], [&] { return kHauptZeilen[i]; });
  for (int i = 0; i < kDetailAnzahl; ++i)
    addiere(gesamt.detail[i], gruppe.detail[i], z.detail[i], [&] { return kDetailZeilen[i]; });
  for (const auto& [code, betrag] : z.lohnarten)
    addiere(gesamt.codes[code], gruppe.codes[code], betrag,
            [&] { return "Lohnart Code " + BerichtText::I(code, 3); });
}

const std::string kStrich(97, '_');
const std::string kDoppel(97, '=');
const std::string kMinus(97, '-');

std::string Feld(std::string_view label, int breite) { return PadText(label, breite, true); }

std::string Betrag(std::string_view label, Cent betrag, std::string_view rest = {}) {
  return Feld(label, 31) + BerichtText::A(AlsBetrag(betrag), 14) + std::string(rest);
}

std::string KostenstellenZeile(int kostenstelle) {
  return "F Ü R   K O S T E N S T E L L E   N R. " + BerichtText::I(kostenstelle);
}

std::string MonatZeile(std::string_view label, int monat, int jahr) {
  return std::string(label) + BerichtText::I(monat) + " / " + BerichtText::I(jahr);
}

void Kopf(BerichtText& t, const AppState& state, int modus, int monat, int jahr, int kostenstelle) {
  const DienstgeberGlobals& dg = state.Dienstgeber;
  t.Zeile(modus == kModusUeberweisungsliste ? "ÜBERWEISUNGSLISTE LOHN- / GEHALTSABRECHNUNG"
                                            : "ARBEITS- UND LOHNBESTÄTIGUNG");
  if (kostenstelle != 0) {
    t.Zeile(kStrich);
    t.Zeile(KostenstellenZeile(kostenstelle));
  }
  t.Zeile(kStrich);
  if (modus == kModusArbeitsbestaetigung) t.Zeile();
  t.Zeile(Feld("Dienstgeber:", 22) + dg.DienstgeberName);
  t.Zeile(std::string(22, ' ') + dg.DienstgeberPlz + " " + dg.DienstgeberOrt + ", " +
          dg.DienstgeberStrasse);
  if (modus == kModusUeberweisungsliste)
    t.Zeile(MonatZeile(Feld("Abrechnungsmonat:", 22), monat, jahr));
  t.Zeile(kStrich);
}

void Ueberweisung(BerichtText& t, std::int32_t persNr, const Zeile& z) {
  std::string nr = Feld("Personal-Nr:", 22) + BerichtText::I(persNr);
  if (z.teilabrechnung >= 1) nr += "  TEILABRECHNUNG: " + BerichtText::I(z.teilabrechnung + 1LL);
  t.Zeile(nr);
  t.Zeile(Feld("IBAN (Konto):", 22) + z.iban);
  t.Zeile(Feld("BIC (BLZ, Bank)", 22) + z.bic);
  t.Zeile(Feld("Empfänger:", 22) + z.famName + " " + z.vorname);
  t.Zeile(std::string(22, ' ') + z.ort);
  t.Zeile(Feld("Auszahlungsbetrag:", 33) + BerichtText::A(z.haupt[kAuszahlung], 12));
  t.Zeile(kDoppel);
  t.Zeile();
}

void Dienstnehmer(BerichtText& t, const PersonalRecord& p) {
  t.Zeile();
  t.Zeile(Feld("Dienstnehmer:", 22) + p.FamNameEdit + " " + p.VornameEdit);
  t.Zeile(std::string(22, ' ') + p.StrasseEdit);
  t.Zeile(std::string(22, ' ') + BerichtText::I(p.PLZEdit, 4) + " " + p.OrtEdit);
  t.Zeile();
  t.Zeile(Feld("Personal-Nr:", 22) + BerichtText::I(p.PersNrEdit));
  t.Zeile(Feld("SV-Nummer:", 22) + p.SVNrEdit);
  t.Zeile(Feld("SV-Beitragsgruppe:", 22) + p.BeitragsgruppeComboBox);
  t.Zeile(Feld("Tätigkeit/Beruf:", 22) + p.BerufEdit);
  t.Zeile();
  t.Zeile(Feld("Eintrittsdatum:", 22) + p.EintrittsDatumEdit);
  t.Zeile(kDoppel);
  t.Zeile();
}

void Gruppe(BerichtText& t, const Summen& s, bool lohnartenDetail) {
  const auto& h = s.haupt;
  const auto& d = s.detail;
  t.Zeile(Betrag("Bruttobezüge:", h[kBrutto]));
  if (lohnartenDetail) {
    auto detail = [&](std::string_view label, Cent betrag) {
      t.Zeile(Feld(label, 22) + BerichtText::A(AlsBetrag(betrag), 14));
    };
    t.Zeile(" * Lohnarten im Detail:");
    detail("   Gehalt:", d[kGehalt]);
    detail("   Normalstunden:", d[kNormalstunden]);
    detail("   Zulage:", d[kZulage]);
    detail("   Mehrstunden:", d[kMehrstunden]);
    detail("   Überstunden 50 %:", d[kUe50]);
    detail("   Überstunden 75 %:", d[kUe75]);
    detail("   Überstunden 100 %:", d[kUe100]);
    detail("   Überstunden 200 %:", d[kUe200]);
    detail("   Urlaubstunden:", d[kUrlaubstunden]);
    detail("   Fehlstunden:", d[kFehlstunden]);
    for (int code = 0; code < kCodes; ++code)
      if (s.codes[code] != 0)
        t.Zeile("   Lohnart Code " + BerichtText::I(code, 3) + ":  " +
                BerichtText::A(AlsBetrag(s.codes[code]), 14));
    detail("   Summe lfd. Bezüge:", d[kLfdBezuege]);
    detail("   Sonderzahlungen:", d[kSonderzahlungen]);
    detail("   SZ SV frei:", d[kSzSvFrei]);
    detail("   sonstige SZ:", d[kSonstSz]);
  }
  t.Zeile(Betrag("Sachbezüge:", h[kSachbezuege]));
  t.Zeile(Betrag("Sozialversicherung:", h[kSv], " (Dienstnehmeranteil)"));
  t.Zeile(kMinus);
  t.Zeile(Betrag("Lohnsteuer:", h[kLst]));
  t.Zeile(Betrag("Nettobezüge:", h[kNetto]));
  t.Zeile(Betrag("Spesenersatz:", h[kSpesen]));
  t.Zeile(kMinus);
  t.Zeile(Betrag("Vorschuss:", h[kVorschuss]));
  t.Zeile(Betrag("Exekution:", h[kExekution]));
  t.Zeile(Betrag("Einbehaltene.freiw.Beiträge:", h[kFreiwBeitraege]));
  t.Zeile(Betrag("Auszahlung:", h[kAuszahlung]));
  t.Zeile(kDoppel);
  t.Zeile();
}

void Kontierungsvorschlag(BerichtText& t, const Summen& s, bool legende) {
  const auto& h = s.haupt;
  const std::string blank31(31, ' '), blank36(36, ' ');
  t.Zeile(std::string(76, ' ') + "Kontierungsvorschlag");
  t.Zeile(kStrich);
  t.Zeile(Betrag("Bruttobezüge:", h[kBrutto], blank31 + "6000 / "));
  t.Zeile(Betrag("Sachbezüge:", h[kSachbezuege]));
  t.Zeile(Betrag("Sozialversicherung:", h[kSv],
                 " (Dienstnehmeranteil)" + std::string(15, ' ') + "/ 3695"));
  t.Zeile(kMinus);
  t.Zeile(
      Betrag("Lohnsteuer:", h[kLst], " (Dienstnehmeranteil)" + std::string(15, ' ') + "/ 3690"));
  t.Zeile(Betrag("Nettobezüge:", h[kNetto]));
  t.Zeile(Betrag("Spesenersatz:", h[kSpesen], blank31 + "7370 / "));
  t.Zeile(kMinus);
  t.Zeile(Betrag("Vorschuss:", h[kVorschuss], blank36 + "/ 2400"));
  t.Zeile(Betrag("Exekution:", h[kExekution], blank36 + "/ 3xxx"));
  t.Zeile(Betrag("Einbehaltene.freiw.Beiträge:", h[kFreiwBeitraege], blank36 + "/ 2xxx"));
  t.Zeile(Betrag("Auszahlung:", h[kAuszahlung], blank36 + "/ 3670"));
  t.Zeile(kDoppel);
  if (!legende) return;
  t.Zeile();
  t.Zeile("Kontierungsvorschlag - Konten: ");
  t.Zeile(std::string(53, '-'));
  for (const char* konto :
       {"  2400 Lohn- und Gehaltsvorschüsse", "  2xxx Forderungen", "  3xxx Verbindlichkeiten",
        "  3690 Einbehaltene Lohnsteuer", "  3695 Dienstnehmeranteil SV",
        "  3670 Verbindlichkeiten Lohn- und Gehaltsverrechnung", "  6000 Löhne, 6200 Gehälter",
        "  7370 Kilometergeld"})
    t.Zeile(konto);
  t.Zeile(std::string(53, '-'));
  t.Zeile();
}

void Buchungsliste(BerichtText& t, const AppState& state, const std::array<Summen, kGruppen>& g,
                   const Summen& gesamt, const BerichtOptionen& o, int monat, int kostenstelle) {
  const DienstgeberGlobals& dg = state.Dienstgeber;
  t.Zeile("Bitte beachten Sie auch weitere Zahlungen wie z.B. die Überweisungsliste");
  t.Zeile("im Bericht \"Lohnsteuer DB DZ Kommunalsteuer\".");
  t.Zeile();
  t.Seitenwechsel();
  t.Zeile("BUCHUNGSLISTE LOHN- / GEHALTSABRECHNUNG");
  if (kostenstelle != 0) {
    t.Zeile(kStrich);
    t.Zeile(KostenstellenZeile(kostenstelle));
  }
  t.Zeile(kStrich);
  t.Zeile("Dienstgeber: " + dg.DienstgeberAnrede + " " + dg.DienstgeberName);
  t.Zeile(dg.DienstgeberPlz + " " + dg.DienstgeberOrt + ", " + dg.DienstgeberStrasse);
  t.Zeile(MonatZeile("Abrechnungsmonat: ", monat, o.jahr));
  t.Zeile(kStrich);

  static constexpr std::array<const char*, kGruppen> kTitel{
      "L E H R L I N G E  Soziale Stellung = 1", "A R B E I T E R  Soziale Stellung = 2",
      "A N G E S T E L L T E  Soziale Stellung = 3",
      "N I C H T  Z U G E O R D N E T E  Soziale Stellung"};
  for (int i = 0; i < kGruppen; ++i) {
    if (i == kGruppen - 1) {
      bool leer = true;
      for (Cent v : g[i].haupt) leer = leer && v == 0;
      if (leer) continue;
    }
    if (i > 0) t.Zeile(kStrich);
    t.Zeile(kTitel[i]);
    t.Zeile(kStrich);
    Gruppe(t, g[i], o.lohnartenDetail);
  }
  t.Zeile();
  t.Zeile(kStrich);
  t.Zeile("G E S A M T");
  Kontierungsvorschlag(t, gesamt, o.kontierung);
}

void Bestaetigung(BerichtText& t, const Summen& s, int monat, int jahr) {
  const auto& h = s.haupt;
  t.Zeile(MonatZeile(Feld("Abrechnungsmonat:", 22), monat, jahr));
  t.Zeile(kStrich);
  t.Zeile(Betrag("Bruttobezüge:", h[kBrutto]));
  t.Zeile(Betrag("Sachbezüge:", h[kSachbezuege]));
  t.Zeile(Betrag("Sozialversicherung:", h[kSv]));
  t.Zeile(kMinus);
  t.Zeile(Betrag("Lohnsteuer:", h[kLst]));
  t.Zeile(Betrag("Nettobezüge:", h[kNetto]));
  t.Zeile(Betrag("Spesenersatz:", h[kSpesen]));
  t.Zeile(kMinus);
  t.Zeile(Betrag("Vorschuss:", h[kVorschuss]));
  t.Zeile(Betrag("Exekution:", h[kExekution]));
  t.Zeile(Betrag("Einbehaltene.freiw.Beiträge:", h[kFreiwBeitraege]));
  t.Zeile(Betrag("Auszahlung:", h[kAuszahlung]));
  t.Zeile(kDoppel);
  for (int i = 0; i < 11; ++i) t.Zeile();
  t.Zeile(kStrich);
  t.Zeile("  Datum" + std::string(46, ' ') + "Stempel und Unterschrift des DIENSTGEBERS");
  t.Zeile();
}

}  // namespace

bool PrintUeberweisungsliste(AppState& state, const BerichtOptionen& o, int modus) {
  auto& dlg = state.dialogs();
  if (o.monatBis != o.monatVon) dlg.ShowMessage(kEinAbrechnungsmonat);
  const int monat = o.monatVon, jahr = o.jahr, persNr = o.personalNr;
  const int kostenstelle = o.kostenstelle;

  // The payrolls of the month first, one compact row per key kept.
  ZeilenJePerson<Zeile> zeilen;
  if (!AbrechnungenLesen<Zeile>(
          state, o.stem, kFelder,
          [&](const AbrechnungKey& k) {
            return k.Monat == monat && k.Jahr == jahr && (persNr == 0 || k.PersNr == persNr);
          },
          [&](const AbrechnungRecord& r) -> std::optional<Zeile> {
            if (kostenstelle != 0 && r.KostenstelleEdit != kostenstelle) return std::nullopt;
            return ZeileAus(r);
          },
          zeilen))
    return false;

  BerichtText t;
  Kopf(t, state, modus, monat, jahr, kostenstelle);
  const BetragGrenze grenze{modus == kModusUeberweisungsliste
                                ? "den Bericht \"Überweisungsliste Lohn- / Gehaltsabrechnung\""
                                : "den Bericht \"Arbeits- und Lohnbestätigung\""};
  Summen gesamt;
  std::array<Summen, kGruppen> gruppen;
  // Then the employees in the file's order; only a payroll whose employee is
  // in the file counts. An amount or sum beyond the bound refuses the report.
  const bool ok = BerichtImRahmen(state, [&] {
    return PersonalBilderLesen(state, o.stem, [&](const std::uint8_t* bild) {
      const auto it = zeilen.find(PersonalNrOf(bild));
      if (it == zeilen.end()) return;
      const std::string wessen = DesDienstnehmers(it->first, PersonalFamNameOf(bild));
      for (const Zeile& z : it->second) {
        Addiere(gesamt, gruppen[z.gruppe], z, grenze, wessen);
        if (modus == kModusUeberweisungsliste)
          Ueberweisung(t, it->first, z);
        else if (z.teilabrechnung == 0)  // part payrolls are summed only
          Dienstnehmer(t, PersonalRecord::unpack(bild));
      }
    });
  });
  if (!ok) return false;

  if (modus == kModusUeberweisungsliste)
    Buchungsliste(t, state, gruppen, gesamt, o, monat, kostenstelle);
  else
    Bestaetigung(t, gesamt, monat, jahr);
  return t.Schreiben(state);
}

}  // namespace lohn
