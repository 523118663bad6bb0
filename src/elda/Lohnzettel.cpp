#include "elda/Lohnzettel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "elda/EldaDatei.h"
#include "elda/EldaSatz.h"
#include "payroll/Beitragsgruppen.h"
#include "payroll/FormatBetrag.h"
#include "reports/BerichtBloecke.h"
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

using V = EldaSatz::Vorzeichen;

// An amount of the "L1" record: a sign of its own and whole euros.
void Euro(EldaSatz& s, int pos, const char* feld, Cent wert) {
  s.Betrag(pos, 11, feld, 2, double(lohn::Euro(wert)), V::Eigenes);
}

// Cents of a stored amount; one beyond kMaxCents is noted as not fitting.
Cent Cents(EldaSatz& s, double wert, const char* feld) {
  const auto c = lohnzettel::Cents(wert);
  if (!c) s.ZuGross(feld, wert);
  return c.value_or(0);
}

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
  const DienstgeberGlobals& dg;
  std::string steuerNr, datum, zeit;
  bool storno = false, fehlerindikator = false;

  Lauf(const AppState& s, const BerichtOptionen& opt) : state(s), o(opt), dg(s.Dienstgeber) {
    steuerNr = FilterDigitsAllowEmpty(dg.DienstgeberSteuerNr);
    datum = TodayAsYYYYMMDD(s.services.clock);
    zeit = NowAsHHMMSS(s.services.clock);
    storno = o.lohnzettelSatzart == 1;
    fehlerindikator = o.lohnzettelSatzart == 2;
  }

  // Sender, tax office and tax number, as the "I1" and "L1" records carry them.
  void Absender(EldaSatz& s, int pos) const {
    s.Dienstgeber().Ziffern(pos, 7, "Absendernummer", dg.DienstgeberDvrNr);
  }
  void Finanzamt(EldaSatz& s, int pos) const {
    s.Dienstgeber().Ziffern(pos, 2, "Finanzamtsnummer", dg.DienstgeberFinanzamtNr);
    s.Dienstgeber().Ziffern(pos + 2, 7, "Steuernummer", steuerNr);
  }

  std::string I1(EldaFehler& fehler, int anzahl) const {
    EldaSatz s(fehler, "");
    s.Fest(1, "I1").Ziffern(3, 7, "Satznummer", 2).Fest(10, "14");
    Absender(s, 12);
    s.Fest(19, "94").Fest(21, "I").Leer(22, 13);
    Finanzamt(s, 35);
    Absender(s, 44);
    Finanzamt(s, 51);
    Absender(s, 60);
    s.Fest(67, "LZ").Fest(69, datum).Fest(77, zeit).Fest(83, "07");
    s.Text(85, 37, "Name", dg.DienstgeberName)
        .Text(122, 20, "Anrede", dg.DienstgeberAnrede)
        .Text(142, 37, "Straße", dg.DienstgeberStrasse)
        .Text(179, 3, "Land", dg.DienstgeberLand)
        .Text(182, 10, "Postleitzahl", dg.DienstgeberPlz)
        .Text(192, 30, "Ort", dg.DienstgeberOrt)
        .Leer(222, 11)
        .Ziffern(233, 4, "Jahr", o.jahr)
        .Ziffern(237, 7, "Anzahl Lohnzettel", anzahl)
        .Ziffern(244, 7, "Anzahl Lohnzettel", anzahl)
        .Leer(251, 850);
    return s.Ende(EldaSatzlaenge(EldaArt::LF));
  }

  std::string Bg(EldaSatz& s, int nr, const PersonalRecord& p, const std::string& svNr,
                 const Jahr& j) const {
    const auto& c = j.cent;
    if (j.zuGross) s.ZuGross("Abrechnungen im Zeitraum", *j.zuGross);
    s.Fest(1, storno ? "42" : "40").Ziffern(3, 7, "Satznummer", nr).Fest(10, "14");
    Absender(s, 12);
    s.Dienstgeber().Code(19, 2, "Versicherungsträger-Code", dg.DienstgeberVersTraegerCode);
    s.Text(21, 10, "Beitragskontonummer", dg.DienstgeberBeitragskontoNr)
        .Text(31, 70, "Name des Dienstgebers", dg.DienstgeberName)
        .Text(101, 12, "ELDA-Referenznummer", p.GeburtsdatenEdit)
        .Ziffern(113, 10, "SV-Nummer", svNr)
        .Ziffern(123, 2, "erster Monat", j.ersterMonat)
        .Ziffern(125, 2, "letzter Monat", j.letzterMonat)
        .Ziffern(127, 4, "Jahr", o.jahr)
        .Betrag(131, 7, "Beitragsgrundlage", 2,
                AlsBetrag(c[kSvAllgemein] + c[kFiktiv] - c[kTeilentgelt]))
        .Betrag(138, 7, "Beitragsgrundlage Sonderzahlungen", 2, AlsBetrag(c[kSvSonder]))
        .Betrag(145, 3, "Tage Teilentgelt", 0, AlsBetrag(c[kTageTeilentgelt]))
        .Betrag(148, 7, "Teilentgelt", 2, AlsBetrag(c[kTeilentgelt]))
        .Leer(155, 2)
        .Leer(157, 2)
        .Fest(159, Kategorie(p))
        .Text(160, 70, "Familienname", p.FamNameEdit)
        .Text(230, 70, "Vorname", p.VornameEdit)
        .Leer(300, 1)
        .Fest(301, p.SZanspruchCheckBox ? "J" : "N")
        .Text(302, 50, "Telefon", dg.DienstgeberTelefon)
        .Leer(352, 15)
        .Ziffern(367, 2, "erster BMV-Monat", j.ersterBmvgMonat)
        .Ziffern(369, 2, "letzter BMV-Monat", j.letzterBmvgMonat);
    const Cent bmvgBasis = Cents(s, j.bmvg * 100 / kBmvgSatz, "BMV-Beitragsgrundlage");
    s.Betrag(371, 10, "BMV-Beitragsgrundlage", 2, AlsBetrag(bmvgBasis))
        .Betrag(381, 10, "BMV-Beitrag", 2, AlsBetrag(c[kBmvgGerundet]))
        .Leer(391, 9)
        .Fest(400, "00000000")
        .Fest(408, EldaProduktFeld(state))
        .Leer(438, 13);
    return s.Ende(EldaSatzlaenge(EldaArt::BG));
  }

  std::string L1(EldaSatz& s, int nr, const PersonalRecord& p, const std::string& svNr,
                 const std::string& partnerNr, const Jahr& j) const {
    const auto& c = j.cent;
    const Tage tage = PeriodenTage(o, j, p.EintrittsDatumEdit);
    // Both credits need a child, as the wage tax grants them.
    const bool mitKind = p.AnzahlKinderEdit >= 1;
    if (j.zuGross) s.ZuGross("Abrechnungen im Zeitraum", *j.zuGross);
    s.Fest(1, "L1").Ziffern(3, 7, "Satznummer", nr).Fest(10, "14");
    Absender(s, 12);
    s.Fest(19, "94").Fest(21, "L").Leer(22, 6).Leer(28, 7);
    Finanzamt(s, 35);
    Absender(s, 44);
    s.Leer(51, 1)
        .Fest(52, datum)
        .Fest(60, zeit)
        .Text(66, 30, "ELDA-Referenznummer", p.GeburtsdatenEdit)
        .Ziffern(96, 2, "Art des Lohnzettels", p.ArtDesLohnzettelsEdit)
        .Leer(98, 20)
        .Leer(118, 1)
        .Fest(119, fehlerindikator ? "J" : "N")
        .Ziffern(120, 2, "von Tag", tage.von)
        .Ziffern(122, 2, "erster Monat", j.ersterMonat)
        .Ziffern(124, 2, "bis Tag", tage.bis)
        .Ziffern(126, 2, "letzter Monat", j.letzterMonat)
        .Ziffern(128, 4, "Jahr", o.jahr)
        .Ziffern(132, 1, "Soziale Stellung", p.SozialeStellungEdit)
        .Ziffern(133, 10, "SV-Nummer", svNr)
        .Text(143, 37, "Name", p.FamNameEdit + " " + p.VornameEdit)
        .Leer(180, 20)
        .Text(200, 37, "Straße", p.StrasseEdit)
        .Text(237, 3, "Staat", p.StaatEdit)
        .Text(240, 10, "Postleitzahl", std::to_string(p.PLZEdit))
        .Text(250, 30, "Ort", p.OrtEdit)
        .Fest(280, p.weiblichCheckBox ? "J" : " ")
        .Fest(281, p.weiblichCheckBox ? " " : "J")
        .Fest(282, p.TeilzeitCheckBox ? " " : "J")
        .Fest(283, p.TeilzeitCheckBox ? "J" : " ")
        .Fest(284, p.Alleinverdiener && mitKind ? "J" : " ")
        .Ziffern(285, 10, "SV-Nummer des Partners", partnerNr)
        .Fest(295, p.grPendlPausch && mitKind ? "J" : " ");

    const Cent prei = Cents(s, p.PREI_Edit, "PREI");
    const Cent brutto =
        c[kBrutto] + c[kSonderzahlung] + c[kSzSvFrei] + c[kSonstSz] + c[kSachbezuege];
    Euro(s, 296, "Bruttobezüge", storno ? 0 : brutto);
    Euro(s, 307, "steuerfreie Bezüge", c[kFreibetr]);
    Euro(s, 318, "Sonderzahlungen", c[kSonderzahlung] + c[kSzSvFrei] - c[kUeberschreitung]);
    Euro(s, 329, "SV-Beiträge", c[kSvAbzGes]);
    Euro(s, 340, "SV-Beiträge Sonderzahlungen", c[kSvDnSzGesamt]);
    Euro(s, 351, "SV-Beiträge sonstige Sonderzahlungen", c[kSonstSzSv]);
    Euro(s, 362, "SV-Beiträge laufend", c[kSvDnGesamt]);
    Euro(s, 373, "Landarbeiter-Freibetrag", c[kLandarbFrei]);
    Euro(s, 384, "Auslandstätigkeit", c[kAuslandsTaet]);
    Euro(s, 395, "Pendlerpauschale", c[kNormArbeitszeit]);
    Euro(s, 406, "freiwillige Beiträge", c[kFreiwillBeitr]);
    Euro(s, 417, "sonstige Sonderzahlungen", c[kSonstSz]);
    Euro(s, 428, "sonstige steuerfreie Bezüge", c[kSonstSteuerfr]);
    Euro(s, 439, "übrige Abzüge",
         c[kSonstSz] + prei + c[kNormArbeitszeit] + c[kAuslandsTaet] + c[kFreiwillBeitr] +
             c[kSonstSteuerfr]);
    Euro(s, 450, "steuerpflichtige Bezüge",
         c[kBrutto] - prei + c[kSonderzahlung] + c[kSzSvFrei] - c[kSzSvFrei] + c[kSachbezuege] -
             c[kFreibetr] - c[kSonderzahlung] - c[kSvAbzGes] + c[kSvDnSzGesamt] + c[kSonstSzSv] +
             c[kUeberschreitung] - c[kNormArbeitszeit] - c[kAuslandsTaet] - c[kFreiwillBeitr] -
             c[kSonstSteuerfr] - c[kLandarbFrei]);
    Euro(s, 461, "Lohnsteuer", c[kLstGesamt]);
    Euro(s, 472, "Lohnsteuer sonstige Sonderzahlungen", c[kSonstSzLst]);
    Euro(s, 483, "Lohnsteuer laufend", c[kLstGesamt] - c[kSonstSzLst]);
    Euro(s, 494, "Überschreitung", c[kUeberschreitung]);
    Euro(s, 505, "", 0);
    s.Leer(516, 11);
    Euro(s, 527, "Freibetrag laut Mitteilung", c[kFreibetrLtMitteilg]);
    Euro(s, 538, "Aufrollung", Cents(s, p.AufrollungEdit, "Aufrollung"));
    Euro(s, 549, "", 0);
    Euro(s, 560, "", 0);
    s.Fest(571, "0000");
    Euro(s, 575, "", 0);
    Euro(s, 586, "Spesenersatz", c[kSpesenersatz]);
    for (int pos : {597, 608, 619}) Euro(s, pos, "", 0);
    s.Leer(630, 1).Fest(631, "00000000");
    Finanzamt(s, 639);
    Absender(s, 648);
    s.Leer(655, 1).Fest(656, storno ? "K" : " ");
    Euro(s, 657, "BMV-Übertragungsbetrag", c[kBmvgUebertragung]);
    s.Leer(668, 11).Leer(679, 12).Leer(691, 15);
    s.Ziffern(706, 2, "Anzahl Kinder", p.AnzahlKinderEdit).Leer(708, 12);
    Euro(s, 720, "ausländische Pensionskassen", c[kAuslPensDg]);
    s.Fest(731, p.EPAB_CB ? "J" : "N");
    Euro(s, 732, "ENTW", Cents(s, p.ENTW_Edit, "ENTW"));
    Euro(s, 743, "PREI", prei);
    s.Ziffern(754, 2, "WERK", p.WERK_Edit);
    Euro(s, 756, "BPEND", Cents(s, p.BPEND_Edit, "BPEND"));
    s.Ziffern(767, 2, "UEBMO", p.UEBMO_Edit);
    Euro(s, 769, "BSROL", Cents(s, p.BSROL_Edit, "BSROL"));
    s.Leer(780, 221).Fest(1001, EldaProduktFeld(state)).Leer(1031, 70);
    return s.Ende(EldaSatzlaenge(EldaArt::LF));
  }
};

}  // namespace

std::string LohnzettelBetrag(double wert) {
  const auto c = lohnzettel::Cents(wert);
  if (!c) return " " + EldaLeer(10);
  EldaFehler fehler;
  EldaSatz s(fehler, "");
  Euro(s, 1, "", *c);
  return s.text();
}

namespace {

// The records of the slips, and what keeps the pair from being written.
struct Saetze {
  std::string bg, lf, svFehler, abgemeldete;
  EldaFehler fehler;
  int anzahl = 0;
};

// The employees with payroll (each once, by his last record), in file order.
bool PersonenLesen(AppState& state, const BerichtOptionen& o, const ZeilenJePerson<Monat>& monate,
                   std::vector<PersonalRecord>& personen) {
  personen.reserve(monate.size());
  return PersonalLesen(state, o.stem, [&](const PersonalRecord& p) {
    const auto it = monate.find(p.PersNrEdit);
    if (it == monate.end() || it->second.empty()) return;
    personen.emplace_back(p);
  });
}

// A slip's "BG" and "L1" records for everyone who gets one, numbered in
// file order; the records are made on the helpers a run at a time, each
// with its own list of what does not fit, and joined in that order.
void SaetzeMachen(const Lauf& lauf, const ZeilenJePerson<Monat>& monate,
                  const std::vector<PersonalRecord>& personen, Saetze& aus) {
  struct Slip {
    std::string bg, lf;
    EldaFehler fehler;
  };
  // Room for the header and trailer (and the "I1" record) as well.
  aus.bg.reserve(std::size_t(EldaSatzlaenge(EldaArt::BG) + 2) * (personen.size() + 2));
  aus.lf.reserve(std::size_t(EldaSatzlaenge(EldaArt::LF) + 2) * (personen.size() + 3));
  Laeufe<Slip> laeufe([&aus](std::span<Slip> gemacht) {
    for (const Slip& s : gemacht) {
      aus.bg += s.bg;
      aus.lf += s.lf;
      for (const std::string& z : s.fehler.zeilen()) aus.fehler.Add(z);
    }
  });
  for (const PersonalRecord& p : personen) {
    // Alone by his number a deregistered employee gets his slip.
    if (lauf.o.personalNr == 0 && p.DNabgemeldetCheckBox) {
      aus.abgemeldete += "\n" + Name(p);
      continue;
    }
    std::string svNr = FilterDigitsAllowEmpty(p.SVNrEdit);
    std::string partnerNr = FilterDigitsAllowEmpty(p.AustrittsDatumEdit);
    if (svNr.size() != 10 || !(partnerNr.empty() || partnerNr.size() == 10)) {
      aus.svFehler += "\n" + Name(p) + ": SV-Nr. \"" + p.SVNrEdit + "\"" +
                      (partnerNr.empty() ? "" : ", Partner \"" + p.AustrittsDatumEdit + "\"");
      continue;
    }
    laeufe.Neu([&lauf, &monate, &p, svNr, partnerNr, nr = ++aus.anzahl](Slip& s) {
      const Jahr j = Addieren(monate[p.PersNrEdit]);
      const std::string bezug = " für den Dienstnehmer " + Name(p);
      EldaSatz b(s.fehler, bezug), l(s.fehler, bezug);
      s.bg = lauf.Bg(b, nr + 1, p, svNr, j);
      s.lf = lauf.L1(l, nr + 2, p, svNr, partnerNr, j);
    });
  }
  laeufe.Ende();
}

// The "BG" and "LF" pair with headers and trailers, then the empty ".ELZ"
// that stands for it; false after the message when something is amiss.
bool DateienSchreiben(AppState& state, const Lauf& lauf, Saetze& s) {
  auto& dlg = state.dialogs();
  const BerichtOptionen& o = lauf.o;
  if (!s.svFehler.empty()) {
    dlg.ShowMessage(kLohnzettelSvNrFehler + s.svFehler);
    return false;
  }
  const std::string zeitraum = std::to_string(o.jahr) + ZeroPadded(o.monatVon, 2) +
                               ZeroPadded(o.monatBis, 2) + (o.auslandstaetigkeit ? "Ausland" : "");
  const std::string name =
      o.stem + (o.personalNr != 0 ? "_DN" + std::to_string(o.personalNr) : std::string()) +
      zeitraum;
  // The "I1" record counts the "L1" records, so it takes its place behind
  // the header once they are all there.
  // The records are put in place around the slips where they lie.
  const std::string i1 = lauf.I1(s.fehler, s.anzahl);
  if (!s.fehler.empty()) {
    dlg.ShowMessage(s.fehler.Meldung("Es wurden keine ELDA-Dateien erstellt."));
    return false;
  }
  s.bg.insert(0, EldaHeaderRecord(state, EldaArt::BG, o.eldaTestdaten));
  s.bg += EldaTrailerRecord(state, EldaArt::BG, s.anzahl + 2);
  s.lf.insert(0, EldaHeaderRecord(state, EldaArt::LF, o.eldaTestdaten) + i1);
  s.lf += EldaTrailerRecord(state, EldaArt::LF, s.anzahl + 3);
  std::vector<EldaDateiBild> paar(2);
  paar[0] = {name + ".BG", std::move(s.bg)};
  paar[1] = {name + ".LF", std::move(s.lf)};
  if (!s.abgemeldete.empty()) dlg.ShowMessage(kLohnzettelAbgemeldet + s.abgemeldete);
  if (SchreibeEldaDateien(state, paar, "") != EldaSchreibErgebnis::Geschrieben) return false;
  // The empty wage-slip file stands for a written pair, so it comes after
  // it, and the run is reported done only once both are there.
  int err = 0;
  const std::string elz = o.stem + ".ELZ";
  if (!WriteFileAtomic(elz, {}, &err)) {
    dlg.ShowMessage(MitUrsache(kLohnzettelElzFehler, elz, err));
    return false;
  }
  EldaOrdnerFrage(state, kLohnzettelSchlussfrage);
  return true;
}

}  // namespace

bool ExportEldaLohnzettel(AppState& state, const BerichtOptionen& o) {
  // One payroll pass; a later record of a month replaces an earlier one, and
  // one the foreign-activity choice leaves out drops its month.
  ZeilenJePerson<Monat> monate;
  if (!MonateLesen(state, o, monate)) return false;
  std::vector<PersonalRecord> personen;
  if (!PersonenLesen(state, o, monate, personen)) return false;
  const Lauf lauf(state, o);
  Saetze saetze;
  SaetzeMachen(lauf, monate, personen, saetze);
  return DateienSchreiben(state, lauf, saetze);
}

}  // namespace lohn
