#include "elda/Lohnzettel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "elda/EldaDatei.h"
#include "payroll/Beitragsgruppen.h"
#include "payroll/FormatBetrag.h"
#include "reports/BerichtLesen.h"
#include "reports/Lohnzettelsummen.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

using namespace lohnzettel;

// Whole euros of a cent amount, halves to the even euro.
long long Euro(Cent c) {
  long long q = c / 100, r = c % 100;
  if (r < 0) {
    r += 100;
    --q;
  }
  if (r > 50 || (r == 50 && q % 2 != 0)) ++q;
  return q;
}

// A record under construction; the first amount that does not fit its field
// is noted by name.
class Satz {
 public:
  std::string text;
  std::optional<std::string> zuGross;

  Satz& operator+=(const std::string& t) {
    text += t;
    return *this;
  }
  // Cents of a stored amount; one beyond kMaxCents is noted as not fitting.
  Cent Cents(double wert, const char* feld) {
    const auto c = lohnzettel::Cents(wert);
    if (!c) Zugross(wert, feld);
    return c.value_or(0);
  }
  // The sums of the year, when one of them lies beyond kMaxCents.
  void Pruefe(const Jahr& j) {
    if (j.zuGross) Zugross(*j.zuGross, "Abrechnungen im Zeitraum");
  }
  // A signed amount with implied decimals.
  void Betrag(int dezimalen, int breite, Cent wert, const char* feld) {
    Feld(FormatAmountField(dezimalen, breite, AlsBetrag(wert)), wert, feld);
  }
  // An amount of the "L1" record.
  void Euro(Cent wert, const char* feld) {
    const long long euro = lohn::Euro(wert);
    const std::string ziffern = FormatAmountFieldUnsigned(2, 10, double(euro));
    text += euro > 0 ? "+" : euro < 0 ? "-" : " ";
    Feld(ziffern, wert, feld);
  }

 private:
  void Feld(const std::string& f, Cent wert, const char* feld) {
    if (f.find_first_not_of(' ') == std::string::npos) Zugross(AlsBetrag(wert), feld);
    text += f;
  }
  void Zugross(double wert, const char* feld) {
    if (!zuGross)
      zuGross = "Der Betrag " + FloatToStrFixed(wert, 15, 2) + " im Feld \"" + feld + "\"";
  }
};

// "1" worker, "5" salaried, "7" and "8" the same marginally employed, "9"
// every free service contractor.
const char* Kategorie(const PersonalRecord& p) {
  if (p.freierDNcheckBox) return "9";
  if (p.GeringfCheckBox) return p.ArbeiterCheckBoxNeu ? "7" : "8";
  return p.ArbeiterCheckBoxNeu ? "1" : "5";
}

std::string Name(const PersonalRecord& p) {
  return std::to_string(p.PersNrEdit) + " " + p.FamNameEdit;
}

// The run's fixed values.
struct Lauf {
  const AppState& state;
  const BerichtOptionen& o;
  std::string absender, finanzamt, steuerNr, datum, zeit;
  bool storno = false, fehlerindikator = false;

  Lauf(const AppState& s, const BerichtOptionen& opt) : state(s), o(opt) {
    const DienstgeberGlobals& dg = s.Dienstgeber;
    absender = EldaZiffern(dg.DienstgeberDvrNr, 7);
    finanzamt = EldaZiffern(dg.DienstgeberFinanzamtNr, 2);
    steuerNr = EldaZiffern(FilterDigitsAllowEmpty(dg.DienstgeberSteuerNr), 7);
    datum = TodayAsYYYYMMDD(s.services.clock);
    zeit = NowAsHHMMSS(s.services.clock);
    storno = o.lohnzettelSatzart == 1;
    fehlerindikator = o.lohnzettelSatzart == 2;
  }

  std::string I1(int anzahl) const {
    const DienstgeberGlobals& dg = state.Dienstgeber;
    std::string s = "I1" + EldaZiffern(2, 7) + "14" + absender + "94" + "I" + EldaLeer(13) +
                    finanzamt + steuerNr + absender + finanzamt + steuerNr + absender + "LZ" +
                    datum + zeit + "07" + EldaText(dg.DienstgeberName, 37) +
                    EldaText(dg.DienstgeberAnrede, 20) + EldaText(dg.DienstgeberStrasse, 37) +
                    EldaText(dg.DienstgeberLand, 3) + EldaText(dg.DienstgeberPlz, 10) +
                    EldaText(dg.DienstgeberOrt, 30) + EldaLeer(11) + EldaZiffern(o.jahr, 4) +
                    EldaZiffern(anzahl, 7) + EldaZiffern(anzahl, 7) + EldaLeer(850);
    return s + "\r\n";
  }

  Satz Bg(int nr, const PersonalRecord& p, const std::string& svNr, const Jahr& j) const {
    const DienstgeberGlobals& dg = state.Dienstgeber;
    const auto& c = j.cent;
    Satz s;
    s.Pruefe(j);
    s += (storno ? "42" : "40") + EldaZiffern(nr, 7) + "14" + absender +
         EldaText(dg.DienstgeberVersTraegerCode, 2) + EldaText(dg.DienstgeberBeitragskontoNr, 10) +
         EldaText(dg.DienstgeberName, 70) + EldaText(p.GeburtsdatenEdit, 12) +
         EldaZiffern(svNr, 10) + EldaZiffern(j.ersterMonat, 2) + EldaZiffern(j.letzterMonat, 2) +
         EldaZiffern(o.jahr, 4);
    s.Betrag(2, 7, c[kSvAllgemein] + c[kFiktiv] - c[kTeilentgelt], "Beitragsgrundlage");
    s.Betrag(2, 7, c[kSvSonder], "Beitragsgrundlage Sonderzahlungen");
    s.Betrag(0, 3, c[kTageTeilentgelt], "Tage Teilentgelt");
    s.Betrag(2, 7, c[kTeilentgelt], "Teilentgelt");
    s += EldaLeer(4) + Kategorie(p) + EldaText(p.FamNameEdit, 70) + EldaText(p.VornameEdit, 70) +
         " " + (p.SZanspruchCheckBox ? "J" : "N") + EldaText(dg.DienstgeberTelefon, 50) +
         EldaLeer(15) + EldaZiffern(j.ersterBmvgMonat, 2) + EldaZiffern(j.letzterBmvgMonat, 2);
    s.Betrag(2, 10, s.Cents(j.bmvg * 100 / kBmvgSatz, "BMV-Beitragsgrundlage"),
             "BMV-Beitragsgrundlage");
    s.Betrag(2, 10, c[kBmvgGerundet], "BMV-Beitrag");
    s += EldaLeer(9) + "00000000" + EldaProduktFeld(state) + EldaLeer(13) + "\r\n";
    return s;
  }

  Satz L1(int nr, const PersonalRecord& p, const std::string& svNr, const std::string& partnerNr,
          const Jahr& j) const {
    const auto& c = j.cent;
    const Tage tage = PeriodenTage(o, j, p.EintrittsDatumEdit);
    // Both credits need a child, as the wage tax grants them.
    const bool mitKind = p.AnzahlKinderEdit >= 1;
    Satz s;
    s.Pruefe(j);
    s += "L1" + EldaZiffern(nr, 7) + "14" + absender + "94" + "L" + EldaLeer(13) + finanzamt +
         steuerNr + absender + " " + datum + zeit + EldaText(p.GeburtsdatenEdit, 30) +
         EldaZiffern(p.ArtDesLohnzettelsEdit, 2) + EldaLeer(21) + (fehlerindikator ? "J" : "N") +
         EldaZiffern(tage.von, 2) + EldaZiffern(j.ersterMonat, 2) + EldaZiffern(tage.bis, 2) +
         EldaZiffern(j.letzterMonat, 2) + EldaZiffern(o.jahr, 4) +
         EldaZiffern(p.SozialeStellungEdit, 1) + svNr +
         EldaText(p.FamNameEdit + " " + p.VornameEdit, 37) + EldaLeer(20) +
         EldaText(p.StrasseEdit, 37) + EldaText(p.StaatEdit, 3) +
         EldaText(std::to_string(p.PLZEdit), 10) + EldaText(p.OrtEdit, 30) +
         (p.weiblichCheckBox ? "J" : " ") + (p.weiblichCheckBox ? " " : "J") +
         (p.TeilzeitCheckBox ? " " : "J") + (p.TeilzeitCheckBox ? "J" : " ") +
         (p.Alleinverdiener && mitKind ? "J" : " ") + EldaZiffern(partnerNr, 10) +
         (p.grPendlPausch && mitKind ? "J" : " ");

    const Cent prei = s.Cents(p.PREI_Edit, "PREI");
    const Cent brutto =
        c[kBrutto] + c[kSonderzahlung] + c[kSzSvFrei] + c[kSonstSz] + c[kSachbezuege];
    s.Euro(storno ? 0 : brutto, "Bruttobezüge");
    s.Euro(c[kFreibetr], "steuerfreie Bezüge");
    s.Euro(c[kSonderzahlung] + c[kSzSvFrei] - c[kUeberschreitung], "Sonderzahlungen");
    s.Euro(c[kSvAbzGes], "SV-Beiträge");
    s.Euro(c[kSvDnSzGesamt], "SV-Beiträge Sonderzahlungen");
    s.Euro(c[kSonstSzSv], "SV-Beiträge sonstige Sonderzahlungen");
    s.Euro(c[kSvDnGesamt], "SV-Beiträge laufend");
    s.Euro(c[kLandarbFrei], "Landarbeiter-Freibetrag");
    s.Euro(c[kAuslandsTaet], "Auslandstätigkeit");
    s.Euro(c[kNormArbeitszeit], "Pendlerpauschale");
    s.Euro(c[kFreiwillBeitr], "freiwillige Beiträge");
    s.Euro(c[kSonstSz], "sonstige Sonderzahlungen");
    s.Euro(c[kSonstSteuerfr], "sonstige steuerfreie Bezüge");
    s.Euro(c[kSonstSz] + prei + c[kNormArbeitszeit] + c[kAuslandsTaet] + c[kFreiwillBeitr] +
               c[kSonstSteuerfr],
           "übrige Abzüge");
    s.Euro(c[kBrutto] - prei + c[kSonderzahlung] + c[kSzSvFrei] - c[kSzSvFrei] + c[kSachbezuege] -
               c[kFreibetr] - c[kSonderzahlung] - c[kSvAbzGes] + c[kSvDnSzGesamt] + c[kSonstSzSv] +
               c[kUeberschreitung] - c[kNormArbeitszeit] - c[kAuslandsTaet] - c[kFreiwillBeitr] -
               c[kSonstSteuerfr] - c[kLandarbFrei],
           "steuerpflichtige Bezüge");
    s.Euro(c[kLstGesamt], "Lohnsteuer");
    s.Euro(c[kSonstSzLst], "Lohnsteuer sonstige Sonderzahlungen");
    s.Euro(c[kLstGesamt] - c[kSonstSzLst], "Lohnsteuer laufend");
    s.Euro(c[kUeberschreitung], "Überschreitung");
    s.Euro(0, "");
    s += EldaLeer(11);
    s.Euro(c[kFreibetrLtMitteilg], "Freibetrag laut Mitteilung");
    s.Euro(s.Cents(p.AufrollungEdit, "Aufrollung"), "Aufrollung");
    s.Euro(0, "");
    s.Euro(0, "");
    s += "0000";
    s.Euro(0, "");
    s.Euro(c[kSpesenersatz], "Spesenersatz");
    for (int i = 0; i < 3; ++i) s.Euro(0, "");
    s += " 00000000" + finanzamt + steuerNr + absender + " " + (storno ? "K" : " ");
    s.Euro(c[kBmvgUebertragung], "BMV-Übertragungsbetrag");
    s += EldaLeer(11 + 12 + 15) + EldaZiffern(p.AnzahlKinderEdit, 2) + EldaLeer(12);
    s.Euro(c[kAuslPensDg], "ausländische Pensionskassen");
    s += p.EPAB_CB ? "J" : "N";
    s.Euro(s.Cents(p.ENTW_Edit, "ENTW"), "ENTW");
    s.Euro(prei, "PREI");
    s += EldaZiffern(p.WERK_Edit, 2);
    s.Euro(s.Cents(p.BPEND_Edit, "BPEND"), "BPEND");
    s += EldaZiffern(p.UEBMO_Edit, 2);
    s.Euro(s.Cents(p.BSROL_Edit, "BSROL"), "BSROL");
    s += EldaLeer(221) + EldaProduktFeld(state) + EldaLeer(70) + "\r\n";
    return s;
  }
};

}  // namespace

std::string LohnzettelBetrag(double wert) {
  Satz s;
  const auto c = Cents(wert);
  if (!c) return " " + EldaLeer(10);
  s.Euro(*c, "");
  return s.text;
}

bool ExportEldaLohnzettel(AppState& state, const BerichtOptionen& o) {
  auto& dlg = state.dialogs();
  // One payroll pass; a later record of a month replaces an earlier one, and
  // one the foreign-activity choice leaves out drops its month.
  ZeilenJePerson<Monat> monate;
  if (!MonateLesen(state, o, monate)) return false;
  const int nur = o.personalNr;
  const bool ausland = o.auslandstaetigkeit;

  const Lauf lauf(state, o);
  std::string bg = EldaHeaderRecord(state, EldaArt::BG, o.eldaTestdaten), lf, svFehler, abgemeldete,
              zuGross;
  bg.reserve(std::size_t(EldaSatzlaenge(EldaArt::BG) + 2) * (monate.size() + 2));
  lf.reserve(std::size_t(EldaSatzlaenge(EldaArt::LF) + 2) * monate.size());
  int anzahl = 0;
  const bool gelesen = PersonalLesen(state, o.stem, [&](const PersonalRecord& p) {
    const auto it = monate.find(p.PersNrEdit);
    if (it == monate.end() || it->second.empty()) return;
    // Alone by his number a deregistered employee gets his slip.
    if (nur == 0 && p.DNabgemeldetCheckBox) {
      abgemeldete += "\n" + Name(p);
      return;
    }
    const std::string svNr = FilterDigitsAllowEmpty(p.SVNrEdit);
    const std::string partnerNr = FilterDigitsAllowEmpty(p.AustrittsDatumEdit);
    if (svNr.size() != 10 || !(partnerNr.empty() || partnerNr.size() == 10)) {
      svFehler += "\n" + Name(p) + ": SV-Nr. \"" + p.SVNrEdit + "\"" +
                  (partnerNr.empty() ? "" : ", Partner \"" + p.AustrittsDatumEdit + "\"");
      return;
    }
    const Jahr j = Addieren(it->second);
    ++anzahl;
    const Satz b = lauf.Bg(anzahl + 1, p, svNr, j);
    const Satz l = lauf.L1(anzahl + 2, p, svNr, partnerNr, j);
    if (zuGross.empty() && (b.zuGross || l.zuGross))
      zuGross = *(b.zuGross ? b.zuGross : l.zuGross) + " für den Dienstnehmer " + Name(p) +
                " passt nicht in die ELDA-Datei. Es wurden keine ELDA-Dateien erstellt.";
    bg += b.text;
    lf += l.text;
  });
  if (!gelesen) return false;
  if (!svFehler.empty()) {
    dlg.ShowMessage(kLohnzettelSvNrFehler + svFehler);
    return false;
  }
  if (!zuGross.empty()) {
    dlg.ShowMessage(zuGross);
    return false;
  }

  const std::string zeitraum = std::to_string(o.jahr) + ZeroPadded(o.monatVon, 2) +
                               ZeroPadded(o.monatBis, 2) + (ausland ? "Ausland" : "");
  const std::string name =
      o.stem + (nur != 0 ? "_DN" + std::to_string(nur) : std::string()) + zeitraum;
  bg += EldaTrailerRecord(state, EldaArt::BG, anzahl + 2);
  // The "I1" record counts the "L1" records, so it is put in front at the end.
  std::string lfDatei = EldaHeaderRecord(state, EldaArt::LF, o.eldaTestdaten) + lauf.I1(anzahl);
  lfDatei.reserve(lfDatei.size() + lf.size() + std::size_t(EldaSatzlaenge(EldaArt::LF)));
  lfDatei += lf;
  lfDatei += EldaTrailerRecord(state, EldaArt::LF, anzahl + 3);
  std::vector<EldaDateiBild> paar(2);
  paar[0] = {name + ".BG", std::move(bg)};
  paar[1] = {name + ".LF", std::move(lfDatei)};
  if (!abgemeldete.empty()) dlg.ShowMessage(kLohnzettelAbgemeldet + abgemeldete);
  if (SchreibeEldaDateien(state, paar, kLohnzettelSchlussfrage) != EldaSchreibErgebnis::Geschrieben)
    return false;
  // The empty wage-slip file stands for a written pair, so it comes after it.
  int err = 0;
  const std::string elz = o.stem + ".ELZ";
  if (!WriteFileAtomic(elz, {}, &err)) {
    dlg.ShowMessage(CreateFailedMessage(elz, err));
    return false;
  }
  return true;
}

}  // namespace lohn
