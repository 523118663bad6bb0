#include "reports/Kommunalsteuererklaerung.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "frame/Daten.h"
#include "payroll/FormatBetrag.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "reports/BetragGrenze.h"
#include "reports/DgaDaten.h"
#include "reports/DienstgeberAbgaben.h"
#include "reports/KommStXml.h"
#include "reports/LohnsteuerDbDzKommSt.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "store/StandortRecord.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

constexpr const char* kMonatsnamen[12] = {"Jänner",    "Februar", "März",     "April",
                                          "Mai",       "Juni",    "Juli",     "August",
                                          "September", "Oktober", "November", "Dezember"};
constexpr const char* kFormulare = "https://www.bmf.gv.at/services/formulare.html";
constexpr const char* kGemeindeKz = "https://www.statistik.at/atlas/verwaltungsgrenzen";
constexpr const char* kPortal = "https://finanzonline.bmf.gv.at";

// The seven texts of the return's place of business.
struct Betriebsort {
  std::string strasse, plz, ort, kommStNr, geschaeftsfuehrer, beschaeftigte, gemeindeKz;
};

Betriebsort BetriebsortLesen(AppState& state, const std::string& stem, int standort) {
  const DienstgeberGlobals& dg = state.Dienstgeber;
  Betriebsort b{dg.DienstgeberStrasse,
                dg.DienstgeberPlz,
                dg.DienstgeberOrt,
                "",
                "",
                "",
                standort == 0 ? dg.DienstgeberGemeindeKz : ""};
  if (standort == 0) return b;
  if (auto s = ReadStandortRecord(stem, kStandortExt, standort)) {
    return {s->Strasse,   std::to_string(s->Plz), s->Ort,
            s->KommStNr,  s->Geschaeftsfuehrer,   std::to_string(s->AnzahlDienstnehmer),
            s->GemeindeKz};
  }
  state.dialogs().ShowMessage("Für den Standort Nr. \"" + std::to_string(standort) +
                              "\" existieren keine Standort-Daten, daher wird der Bericht mit "
                              "der Adresse der Dienstgeberdaten erstellt!");
  return b;
}

// The liable pay of one payroll record and its month.
struct Zeile {
  int monat = 0;
  double entgelt = 0;
};

// The fields a Zeile is made of (AbgabepflichtigesEntgelt's).
using R = AbrechnungRecord;
const AbrechnungFelder kFelder(&R::BruttoEdit, &R::SonderzahlungEdit, &R::SZSVfreiEdit,
                               &R::SachbezuegeAbreEdit, &R::DbDzKommStFreierBetragEdit);

std::string Zeilen(const std::vector<std::string>& z) {
  std::string s;
  for (const std::string& e : z) s += "\n" + e;
  return s;
}

// The counter of the XML packages: the number it holds, or nothing after
// the message (the file then stays as it was).
std::optional<long long> PaketNrLesen(AppState& state) {
  auto& dlg = state.dialogs();
  int err = 0;
  if (!CreateFileIfMissing(kPaketNrDatei, {'0'}, &err)) {
    dlg.ShowMessage(CreateFailedMessage(kPaketNrDatei, err));
    return std::nullopt;
  }
  auto bytes = ReadWholeFile(kPaketNrDatei, &err);
  if (!bytes) {
    dlg.ShowMessage(ReadFailedMessage(kPaketNrDatei, err));
    return std::nullopt;
  }
  const std::string text = Cp1252ToUtf8(std::string(bytes->begin(), bytes->end()));
  const std::string_view zahl = TrimBlanks(text);
  // "3" and the next number must fit the portal's nine digits.
  const bool gueltig =
      !zahl.empty() && zahl.size() <= 8 &&
      std::all_of(zahl.begin(), zahl.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
      std::stoll(std::string(zahl)) < 99999999;
  if (!gueltig) {
    dlg.ShowMessage("Die Datei \"" + std::string(kPaketNrDatei) + "\" enthält keine gültige " +
                    "Paketnummer (höchstens 8 Ziffern): \"" + std::string(zahl) +
                    "\". Die XML-Datei wurde nicht erstellt.");
    return std::nullopt;
  }
  return std::stoll(std::string(zahl));
}

// The next package number: read, stepped and on disk under the counter's
// lock before the XML file takes it, so a number may be skipped after a
// failure but is never given twice. Nothing after the message.
std::optional<long long> PaketNrSchritt(AppState& state) {
  DateiSperre sperre(kPaketNrSperre);
  if (!sperre.gehalten()) {
    state.dialogs().ShowMessage(CreateFailedMessage(kPaketNrSperre, sperre.fehler()));
    return std::nullopt;
  }
  const auto alt = PaketNrLesen(state);
  if (!alt) return std::nullopt;
  const std::string neu = std::to_string(*alt + 1);
  int err = 0;
  if (!WriteFileAtomic(kPaketNrDatei, Bytes(neu.begin(), neu.end()), &err)) {
    state.dialogs().ShowMessage(CreateFailedMessage(kPaketNrDatei, err));
    return std::nullopt;
  }
  return *alt + 1;
}

// Steps the counter and writes the XML file with the new number into the
// XML folder; asks whether to open the folder when `fragen`.
void XmlSchreiben(AppState& state, KommStXmlDaten d, const std::string& name, bool fragen) {
  auto& dlg = state.dialogs();
  if (const auto fehler = KommStXmlFehler(d); !fehler.empty()) {
    dlg.ShowMessage(
        "Die XML-Datei für FinanzOnline wurde nicht erstellt, diese Angaben sind ungültig:" +
        Zeilen(fehler));
    return;
  }
  const auto nr = PaketNrSchritt(state);
  if (!nr) return;
  d.paketNr = *nr;

  const std::string ordner = XmlOrdner();
  const std::string pfad = ordner + "/" + name;
  std::error_code ec;
  std::filesystem::create_directory(ordner, ec);
  int err = ec.value();
  if (ec || !WriteFileAtomic(pfad, KommStXml(d), &err)) {
    dlg.ShowMessage(CreateFailedMessage(pfad, err));
    return;
  }
  if (!fragen || !dlg.AskYesNo(kXmlOrdnerFrage)) return;
  // A path of more than 79 characters is named for the user, not opened.
  if (CharCount(ordner) <= 79)
    state.services.shell.Open(ordner);
  else
    dlg.ShowMessage("Der Verzeichnis-Pfad ist zu lang, öffnen Sie das Verzeichnis manuell: " +
                    ordner);
}

const BetragGrenze kGrenze{"die Kommunalsteuererklärung",
                           "Es wurden keine Kommunalsteuererklärung und keine XML-Datei erstellt."};

// The return's text from the month sums of the site and of the enterprise;
// an amount beyond the bound throws ZuGross.
bool Erklaerung(const AppState& state, const BerichtOptionen& o, const Betriebsort& ort,
                const std::array<Cent, 13>& standort, const std::array<Cent, 13>& betrieb,
                BerichtText& t, double& jahresBasis, double& jahresSteuer) {
  const DienstgeberGlobals& dg = state.Dienstgeber;
  const std::string jahr = std::to_string(o.jahr);
  const std::string links(33, ' ');
  if (o.dga) {
    t.Zeile("KOMMUNALSTEUER-ERKLÄRUNG       DIENSTGEBERABGABE-ERKLÄRUNG");
    t.Zeile();
    t.Zeile(
        "Raum für Eintragungen:           |Eingangsvermerk:           "
        "Aktuelle Formulare zur Kommunalsteuererklärung sind unter");
    t.Zeile(links + "|" + std::string(27, ' ') + kFormulare + " verfügbar.");
    t.Zeile(links + "|" + std::string(27, ' ') + "Die Gemeindekennziffer kann unter " +
            kGemeindeKz);
    t.Zeile(links + "|                           abgefragt werden.");
    t.Zeile(std::string(33, '_') + "|" + std::string(23, '_') +
            "    Die Erklärung kann elektronisch übermittelt werden unter:");
    t.Zeile(links + "|Datum:                     " + kPortal);
    t.Zeile(links + "|DVR: " + dg.DienstgeberDvrNr);
    t.Zeile(links + "|Kontonr: " + ort.kommStNr);
    t.Zeile(links + "|Monat/Jahr:      " + BerichtText::I(o.jahr, 4));
  } else {
    t.Zeile("KOMMUNALSTEUER-ERKLÄRUNG");
    t.Zeile("für das Jahr " + jahr);
    t.Zeile();
    t.Zeile("Aktuelle Formulare zur Kommunalsteuererklärung sind unter");
    t.Zeile(std::string(kFormulare) + " verfügbar.");
    t.Zeile(std::string("Die Gemeindekennziffer kann unter ") + kGemeindeKz);
    t.Zeile("abgefragt werden.");
    t.Zeile("Die Erklärung kann elektronisch übermittelt werden unter:");
    t.Zeile(std::string(kPortal) + " ");
    t.Zeile();
  }
  t.Zeile("Firma:        " + dg.DienstgeberName);
  t.Zeile("Betriebsort:  " + ort.strasse);
  t.Zeile(std::string(14, ' ') + ort.plz + " " + ort.ort);
  t.Zeile("GemeindeKennzahl:  " + ort.gemeindeKz);
  if (!o.dga) {
    t.Zeile("Kommunalsteuernr: " + ort.kommStNr);
    t.Zeile("Geschäftsführer:  " + ort.geschaeftsfuehrer);
    t.Zeile("Telefonnr: " + dg.DienstgeberTelefon);
    t.Zeile("Anzahl der Beschäftigten: " + ort.beschaeftigte);
    t.Zeile("Finanzamt: " + dg.DienstgeberFinanzamtNr + " Steuernummer: " + dg.DienstgeberSteuerNr);
  }
  const std::string linie =
      o.dga ? std::string(58, '_') + "   " + std::string(58, '_') : std::string(58, '_');
  t.Zeile(linie);
  if (o.dga) {
    t.Zeile(
        "    Der Kommunalsteuer                                                           "
        "Anzahl          Anzahl             DGA");
    t.Zeile(
        "         unterliegende             Bemessungs-   Kommunal-                     "
        "befreite       abgabepfl         Abgaben");
    t.Zeile(
        "Monat     Arbeitslöhne  Freibetrag   Grundlage      steuer   Monat          "
        "Mitarbeiter         Mitarb.         beträge");
  } else {
    t.Zeile("    Der Kommunalsteuer                                    ");
    t.Zeile("         unterliegende             Bemessungs-   Kommunal-");
    t.Zeile("Monat     Arbeitslöhne  Freibetrag   Grundlage      steuer");
  }
  t.Zeile(linie);

  // Every amount printed or filed, checked against the bound.
  auto betrag = [&](double v, const char* was) {
    return kGrenze.Pruefe(v, std::string(" ") + was);
  };
  Cent jahresBasisCents = 0;
  double jahresDga = 0;
  for (int m = 1; m <= 12; ++m) {
    // The free amount is the enterprise's; a site gets its share of it.
    const double lohn = AlsBetrag(standort[m]);
    const double basis = StandortKommStBasis(lohn, AlsBetrag(betrieb[m]));
    const double frei = std::max(0.0, lohn - basis);
    jahresBasisCents += CentsHalfEven(basis).value_or(0);
    std::string z =
        PadText(kMonatsnamen[m - 1], 10, true) + BerichtText::A(lohn, 12) +
        BerichtText::A(frei, 12) + BerichtText::A(basis, 12) +
        BerichtText::A(betrag(Abgabe(basis, o.kommunalsteuer), "der Kommunalsteuer"), 12);
    if (o.dga) {
      auto wert = [&](int reihe) { return o.dgaWerte[DgaDaten::Feld(reihe, m) - 1]; };
      const double dga = betrag(DgaAbgabe(wert(4), wert(2), wert(5), wert(3)), "der DGA");
      jahresDga += dga;
      z += PadText(std::string("   ") + kMonatsnamen[m - 1], 13, true) +
           BerichtText::A(betrag(wert(1), "der befreiten Mitarbeiter"), 16) +
           BerichtText::A(betrag(wert(2), "der abgabepflichtigen Mitarbeiter"), 16) +
           BerichtText::A(dga, 16);
    }
    t.Zeile(z);
  }
  if (!ImRahmen(jahresBasisCents))
    throw ZuGross{
        kGrenze.Meldung("Die Summe", AlsBetrag(jahresBasisCents), " der Bemessungsgrundlage")};
  jahresBasis = AlsBetrag(jahresBasisCents);
  jahresSteuer = betrag(Abgabe(jahresBasis, o.kommunalsteuer), "der Jahressteuer");
  betrag(jahresDga, "der Jahressumme DGA");

  t.Zeile(linie);
  std::string summen = "Summen:                 " + BerichtText::A(jahresBasis, 22) +
                       BerichtText::A(jahresSteuer, 12);
  if (o.dga) summen += "   Jahressumme DGA " + BerichtText::A(jahresDga, 42);
  t.Zeile(summen);
  t.Zeile(linie);
  if (o.dga) {
    t.Zeile("Finanzamt: " + dg.DienstgeberFinanzamtNr +
            "  Steuernummer: " + dg.DienstgeberSteuerNr);
    t.Zeile();
    t.Zeile(std::string(119, '_'));
  } else {
    t.Zeile("Abzüglich geleisteter Anzahlungen:");
    t.Zeile("Restschuld:");
    t.Zeile("Guthaben:");
    t.Zeile("Ergänzende Angaben:");
    t.Zeile();
    t.Zeile(linie);
  }
  return true;
}

}  // namespace

bool PrintKommunalsteuerErklaerung(AppState& state, const BerichtOptionen& o) {
  auto& dlg = state.dialogs();
  const Betriebsort ort = BetriebsortLesen(state, o.stem, o.standort);
  if (o.kommunalsteuer < 0) {
    dlg.ShowMessage(kSaetzeNegativ);
    return false;
  }
  if (o.kommunalsteuer == 0) {
    dlg.ShowMessage(kKommStSatzNull);
    return false;
  }

  // One pass over the year's payrolls, then one over the employees: the
  // month sums of the site and of the whole enterprise, whose base decides
  // the free amount.
  ZeilenJePerson<Zeile> zeilen;
  if (!AbrechnungenLesen<Zeile>(
          state, o.stem, kFelder, [&](const AbrechnungKey& k) { return k.Jahr == o.jahr; },
          [](const AbrechnungRecord& r) -> std::optional<Zeile> {
            return Zeile{r.MonatComboBox, AbgabepflichtigesEntgelt(r)};
          },
          zeilen))
    return false;
  // The month sums in whole cents. An amount or sum beyond kMaxCents
  // refuses the return and its XML file: the first one is named.
  std::array<Cent, 13> standort{}, betrieb{};
  BerichtText t;
  double jahresBasis = 0, jahresSteuer = 0;
  if (!BerichtImRahmen(state, [&] {
        return PersonalLesen(
                   state, o.stem,
                   [&](const PersonalRecord& p) {
                     auto it = zeilen.find(p.PersNrEdit);
                     if (it == zeilen.end()) return;
                     const bool hier = o.standort == 0 || p.gehoertZuStandortEdit == o.standort;
                     for (const Zeile& z : it->second) {
                       if (z.monat < 1 || z.monat > 12) continue;
                       // The names only for a refusal: they would cost more than the sums.
                       const Cent c = kGrenze.Cents(z.entgelt, [&] {
                         return DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
                       });
                       auto im = [&] {
                         return std::string(" der Arbeitslöhne im ") + kMonatsnamen[z.monat - 1];
                       };
                       kGrenze.Addiere(betrieb[z.monat], c, im);
                       if (hier) kGrenze.Addiere(standort[z.monat], c, im);
                     }
                   }) &&
               Erklaerung(state, o, ort, standort, betrieb, t, jahresBasis, jahresSteuer);
      }))
    return false;
  if (!t.Schreiben(state)) return false;

  const DienstgeberGlobals& dg = state.Dienstgeber;
  KommStXmlDaten x;
  x.fastNr = KommStFastNr(dg.DienstgeberFinanzamtNr, dg.DienstgeberSteuerNr);
  x.identifikation = KommStIdentifikation(dg.UebermittlerFaStNr, x.fastNr);
  x.datum = TodayAsIsoDate(state.services.clock);
  x.uhrzeit = NowAsIsoTime(state.services.clock);
  x.jahr = o.jahr;
  x.gd = std::string(TrimBlanks(ort.gemeindeKz));
  x.plz = std::string(TrimBlanks(ort.plz));
  x.gem = std::string(TrimBlanks(ort.ort));
  x.bmg = jahresBasis;
  x.steuer = jahresSteuer;
  XmlSchreiben(state, x, KommStXmlDateiName(o.stem, o.jahr, o.standort), o.eldaDatei);
  return true;
}

}  // namespace lohn
