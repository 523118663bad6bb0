#include "elda/Beitragsnachweisung.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "elda/Beitragsklassen.h"
#include "elda/EldaDatei.h"
#include "elda/EldaSatz.h"
#include "elda/SvGrundlagenTeilung.h"
#include "payroll/Beitragsgruppen.h"
#include "payroll/FormatBetrag.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "store/Numbers.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

const std::string kTrenner(80, '_');
constexpr int kMindestEintraege = 12;
constexpr int kMindestZeilen = 10;

// The levies in the order of the statement and the .BN record.
struct UmlageArt {
  const char* code;
  const char* text;  // 36 characters
  double satz;
  Umlage umlage;
  bool mitFiktiv;  // the notional base is charged too
};
constexpr std::array<UmlageArt, 6> kUmlagen{{
    {"KU", "Umlage zur Kammer f. Arb. u. Angest ", 0.5, Umlage::KU, true},
    {"WF", "Wohnbauförderungsbeitrag            ", 1.0, Umlage::WF, true},
    {"LK", "Landarbeiterkammerumlage            ", 0.75, Umlage::LK, false},
    {"SW", "Schlechtwetterentschädigungsbeitrag ", 1.4, Umlage::SW, false},
    {"IE", "IESG-Zuschlag                       ", 0.55, Umlage::IE, true},
    {"NB", "Nachtschwerarbeitsbeitrag           ", 3.7, Umlage::NB, false},
}};

// The refunds for men from 56: code and rate, bases in BerichtOptionen::av56.
constexpr std::array<std::pair<const char*, double>, 6> kAv56{
    {{"N15g", 6}, {"N25g", 6}, {"N15m", 3}, {"N25m", 3}, {"N15n", 3}, {"N25n", 3}}};

// NeuFöG refund rates as they stand with the year's first UV rate; both hold
// the UV share.
constexpr double kN44Satz = 1.9;
constexpr double kN63Satz = 1.4;

// What the statement needs of one payroll record, kept small: a year's
// payrolls of a large employer are held at once.
struct Satz {
  std::int16_t gruppe = -1;  // place in Beitragsgruppen(), -1 for none
  std::int8_t stufe = -1;    // AMPFG bracket of the current pay, of the special payment
  std::int8_t stufeSz = -1;
  std::int8_t monat = 0;
  bool ganzeAbrechnung = false;  // Teilabrechnung 0
  bool geschaeftsfuehrer = false;
  std::int32_t kostenstelle = 0;
  double fiktiv = 0;
  SvGrundlagenTeile teile;
  double dnAnteil = 0, mv = 0, mvZuschlag = 0, service = 0, ampfgSv = 0, ampfgSz = 0;
  std::array<double, kUmlagen.size()> umlagen{};  // with the notional base where charged
};

std::int8_t StufeVon(const std::string& text, const std::array<AmpfgStufe, 3>& stufen) {
  for (std::size_t i = 0; i < stufen.size(); ++i)
    if (text == stufen[i].gruppe) return std::int8_t(i);
  return -1;
}

Satz SatzAus(const AbrechnungRecord& r, const std::array<AmpfgStufe, 3>& stufen) {
  Satz s;
  if (const BeitragsgruppeRate* g = FindBeitragsgruppe(r.BeitragsgruppeComboBox))
    s.gruppe = std::int16_t(g - Beitragsgruppen().data());
  s.stufe = StufeVon(r.AMPFG_RueckVerrGruppeEdit, stufen);
  s.stufeSz = StufeVon(r.AMPFG_RueckVerrGruppe_SZEdit, stufen);
  s.monat = std::int8_t(r.MonatComboBox);
  s.ganzeAbrechnung = r.AbrechngComboBox == 0;
  s.geschaeftsfuehrer = r.GeschaeftsFuehrerCheckBox;
  s.kostenstelle = r.KostenstelleEdit;
  s.fiktiv = r.fiktiveBMGedit;
  s.teile = TeileSvGrundlagen(r, false);
  s.dnAnteil = r.SV_AbzGesEdit;
  s.mv = r.BMVGbetragEdit;
  s.mvZuschlag = r.MVzuschlagEdit;
  s.service = r.ServiceEntgelt_eCardEdit;
  s.ampfgSv = r.AMPFG_SVGrundlageEdit;
  s.ampfgSz = r.AMPFG_SVGrundlage_SZEdit;
  for (std::size_t u = 0; u < kUmlagen.size(); ++u) {
    const double basis = r.Grundlage(kUmlagen[u].umlage);
    // The notional base is charged only where the levy is charged at all.
    s.umlagen[u] = basis + (kUmlagen[u].mitFiktiv && basis != 0 ? r.fiktiveBMGedit : 0);
  }
  return s;
}

// The fields SatzAus reads (TeileSvGrundlagen's among them).
using R = AbrechnungRecord;
const AbrechnungFelder kFelder(&R::BeitragsgruppeComboBox, &R::AMPFG_RueckVerrGruppeEdit,
                               &R::AMPFG_RueckVerrGruppe_SZEdit, &R::GeschaeftsFuehrerCheckBox,
                               &R::KostenstelleEdit, &R::fiktiveBMGedit, &R::SV_AbzGesEdit,
                               &R::BMVGbetragEdit, &R::MVzuschlagEdit, &R::ServiceEntgelt_eCardEdit,
                               &R::AMPFG_SVGrundlageEdit, &R::AMPFG_SVGrundlage_SZEdit,
                               &R::UmlagenGrundlagen, &R::SVBeitragsgrundlageEdit,
                               &R::SVBeitragsGrundlageSonderzahlungEdit, &R::SueberschreitungEdit,
                               &R::ueberMaxSVBeitrGrdlSZUeberJSechstel_SV);

// The sums of one group at one rate.
struct GruppenSumme {
  std::string code;
  bool ampfg = false;  // a refund group: printed and filed negated
  double satz = 0;
  double allgemein = 0, sonder = 0, fiktiv = 0;
};

// NeuFöG bases of the months with one UV rate.
struct NeuFoegGrundlagen {
  double uv = 0;
  double geringfuegigAllgemein = 0, andereAllgemein = 0, sonder = 0;
};

struct Summen {
  // Key: place in the group list, then the rate falling, so that with a
  // rate change in the range the earlier months come first.
  std::map<std::pair<std::size_t, long long>, GruppenSumme> gruppen;
  std::vector<NeuFoegGrundlagen> neuFoeg;  // in month order
  double dnAnteil = 0, mv = 0, mvZuschlag = 0, service = 0;
  std::array<double, kUmlagen.size()> umlagen{};
  std::array<int, kKopfklassen> koepfe{};
  int gf = 0;
  double gfAllgemein = 0, gfSonder = 0;
};

long long SatzSchluessel(double satz) { return -std::llround(satz * 1000); }

// One payroll pass has made the rows; this sums them.
Summen Summieren(const AppState& state, const BerichtOptionen& o, int monatBis,
                 const ZeilenJePerson<Satz>& zeilen, const std::set<std::int32_t>& arbeiter) {
  Summen s;
  const YearValues& year = state.year;
  const std::span<const BeitragsgruppeRate> gruppen = Beitragsgruppen();
  const auto stufen = AmpfgStufen(year);
  auto neuFoeg = [&](double uv) -> NeuFoegGrundlagen& {
    for (NeuFoegGrundlagen& n : s.neuFoeg)
      if (n.uv == uv) return n;
    s.neuFoeg.push_back({uv});
    return s.neuFoeg.back();
  };
  for (const auto& [persNr, saetze] : zeilen)
    for (const Satz& r : saetze) {
      const BeitragsgruppeRate* rate = r.gruppe < 0 ? nullptr : &gruppen[std::size_t(r.gruppe)];
      // Head counts: the last month's whole payrolls of the whole company.
      if (r.monat == monatBis && r.ganzeAbrechnung && rate) {
        if (auto k = KopfklasseVon(rate->code, arbeiter.contains(persNr)))
          ++s.koepfe[std::size_t(*k)];
      }
      if (r.monat == monatBis && r.ganzeAbrechnung && r.geschaeftsfuehrer) {
        ++s.gf;
        s.gfAllgemein += r.teile.allgemein;
        s.gfSonder += r.teile.sonderzahlung;
      }
      if (o.kostenstelle != 0 && r.kostenstelle != o.kostenstelle) continue;
      for (std::int8_t i : {r.stufe, r.stufeSz}) {
        if (i < 0) continue;
        GruppenSumme& g = s.gruppen[{gruppen.size() + std::size_t(i), 0}];
        g.code = stufen[std::size_t(i)].gruppe;
        g.ampfg = true;
        g.satz = stufen[std::size_t(i)].punkte;
      }
      if (r.stufe >= 0)
        s.gruppen[{gruppen.size() + std::size_t(r.stufe), 0}].allgemein += r.ampfgSv;
      if (r.stufeSz >= 0)
        s.gruppen[{gruppen.size() + std::size_t(r.stufeSz), 0}].sonder += r.ampfgSz;
      if (!rate) continue;
      const double satz =
          std::round((DgAnteil(*rate, year, o.jahr, r.monat) + rate->dnAnteil) * 1000) / 1000;
      GruppenSumme& g = s.gruppen[{std::size_t(r.gruppe), SatzSchluessel(satz)}];
      g.code = rate->code;
      g.satz = satz;
      g.allgemein += r.teile.allgemein + r.fiktiv;
      g.sonder += r.teile.sonderzahlung;
      g.fiktiv += r.fiktiv;

      s.dnAnteil += r.dnAnteil;
      s.mv += r.mv;
      s.mvZuschlag += r.mvZuschlag;
      s.service += r.service;
      for (std::size_t u = 0; u < kUmlagen.size(); ++u) s.umlagen[u] += r.umlagen[u];
      if (IstLehrlingsBeitragsgruppe(rate->code)) continue;
      NeuFoegGrundlagen& n = neuFoeg(year.UvSatz(o.jahr, r.monat));
      if (IstGeringfuegigeBeitragsgruppe(rate->code))
        n.geringfuegigAllgemein += r.teile.allgemein;
      else
        n.andereAllgemein += r.teile.allgemein;
      n.sonder += r.teile.sonderzahlung;
    }
  return s;
}

// EldaBnEntry, one group, refund or filler of the .BN data record: 59
// characters.
struct EldaBnEntry {
  std::string code;
  double allgemein = 0, sonder = 0, satz = 0, betrag = 0;
  void Schreiben(EldaSatz& b) const {
    b.Basis(b.Laenge());  // positions within the entry
    b.Bezug(" der Beitragsgruppe " + code);
    b.Text(1, 4, "Beitragsgruppe", code)
        .Betrag(5, 10, "Beitragsgrundlage", 2, allgemein)
        .Leer(15, 10)
        .Betrag(25, 10, "Beitragsgrundlage Sonderzahlung", 2, sonder)
        .Leer(35, 10)
        .Betrag(45, 4, "Prozentsatz", 2, satz)
        .Betrag(49, 11, "Betrag", 2, betrag);
  }
};

// EldaBnUmlageEntry, one levy of the .BN data record: 27 characters.
struct EldaBnUmlageEntry {
  std::string code;
  double basis = 0, satz = 0, betrag = 0;
  void Schreiben(EldaSatz& b) const {
    b.Basis(b.Laenge());  // positions within the entry
    b.Bezug(" der Umlage " + code);
    b.Text(1, 2, "Umlage", code)
        .Betrag(3, 10, "Bemessungsgrundlage", 2, basis)
        .Betrag(13, 4, "Prozentsatz", 2, satz)
        .Betrag(17, 11, "Betrag", 2, betrag);
  }
};

// A value negated, without a negative zero.
double Negiert(double v) { return v == 0 ? 0.0 : -v; }

// The statement's text, printed or as spreadsheet cells, and the entries of
// the .BN record in the same order.
class Nachweisung {
 public:
  Nachweisung(const AppState& state, const BerichtOptionen& o, int monatBis)
      : malusArb(RoundBetragHalfEven(o.malusArb)),
        malusAng(RoundBetragHalfEven(o.malusAng)),
        aufloes(RoundBetragHalfEven(o.aufloesAbgabe)),
        state_(state),
        o_(o),
        monatBis_(monatBis),
        excel_(o.excel) {}

  BerichtText text;
  std::vector<EldaBnEntry> eintraege;
  double gesamtsumme = 0;  // the sum of the printed (rounded) amounts
  int gruppenZeilen = 0;
  // The typed amounts to the cent, once: the record fields, the N80 entry,
  // the printed lines and the total all take these.
  const double malusArb, malusAng, aufloes;
  // The first amount or total beyond kMaxCents; such a statement is refused.
  std::optional<double> zuGross;
  void Pruefe(double v) {
    if (!zuGross && !CentsHalfEven(v)) zuGross = v;
  }

  void Kopf();
  // The emit step of an ordinary group, and of an AMPFG refund group.
  void WriteBeitragsgruppeLineAtz(const GruppenSumme& g);
  void WriteBeitragsgruppeLine(const GruppenSumme& g);
  // The refunds of the months of each UV rate: every N44, then every N63.
  void NeuFoeg(const std::vector<NeuFoegGrundlagen>& grundlagen);
  void Av56();
  void Umlagen(const Summen& s);
  void Koepfe(const Summen& s);
  void Schluss(const Summen& s);

 private:
  void Zeile(const std::string& z = {}) { text.Zeile(z); }
  std::string A(double v, int w) const { return BerichtText::A(v, w); }
  static std::string Etikett(const std::string& code) { return PadText(code, 12, true); }
  static std::string KurzEtikett(const std::string& code);
  void Posten(const std::string& code, double allgemein, double sonder, double satz, double betrag,
              double fiktiv);
  double Betrag(double v) {
    const double r = RoundBetragHalfEven(v);
    Pruefe(v);
    gesamtsumme += r;
    return r;
  }

  const AppState& state_;
  const BerichtOptionen& o_;
  int monatBis_;
  bool excel_;
};

std::string Nachweisung::KurzEtikett(const std::string& code) {
  if (code == "NKand") return " NKnd";
  if (code == "N72" || code == "N74") return " " + code;
  return PadText(" " + code, 5, true);
}

void Nachweisung::Kopf() {
  const DienstgeberGlobals& dg = state_.Dienstgeber;
  const std::string zeitraum =
      "BEITRAGSNACHWEISUNG für den Beitragszeitraum: " + std::to_string(o_.monatVon) + " bis " +
      std::to_string(monatBis_) + "/" + std::to_string(o_.jahr);
  if (excel_) {
    Zeile("Dienstgeber ;" + dg.DienstgeberAnrede + " " + dg.DienstgeberName);
    Zeile(";" + dg.DienstgeberPlz + " " + dg.DienstgeberOrt + ", " + dg.DienstgeberStrasse);
    Zeile("DG-Kontonummer ; " + dg.DienstgeberBeitragskontoNr);
    Zeile("Steuernummer ; " + dg.DienstgeberSteuerNr);
    Zeile();
    Zeile(zeitraum);
    Zeile(" ");
    Zeile(
        "Beitragsgruppe;Summe allg Beitragsgrundl ;Summe SZ ;Gesamt je Beitrgr ;Berichtig der "
        "Kasse ;Prozentsatz ;Beitragsgruppe ;Gesamt DG+DN");
    return;
  }
  Zeile(dg.DienstgeberVersTraeger);
  Zeile();
  Zeile("Dienstgeber: " + dg.DienstgeberAnrede + " " + dg.DienstgeberName);
  const bool ohneAnrede = TrimBlanks(dg.DienstgeberAnrede).empty();
  Zeile(std::string(ohneAnrede ? 14 : 13, ' ') + dg.DienstgeberPlz + " " + dg.DienstgeberOrt +
        ", " + dg.DienstgeberStrasse);
  Zeile("DG-Kontonummer: " + dg.DienstgeberBeitragskontoNr);
  Zeile("Steuernummer:   " + dg.DienstgeberSteuerNr);
  Zeile();
  Zeile(zeitraum);
  if (o_.mitKostenstelle) {
    Zeile(kTrenner);
    Zeile("F Ü R   K O S T E N S T E L L E   N R. " + std::to_string(o_.kostenstelle));
    Zeile("NUR FÜR KALKULATORISCHE ZWECKE - NICHT ZUR ÜBERMITTLUNG AN DIE SV.");
  }
  Zeile(kTrenner);
  Zeile("Beitrags Summe d.allgem.   Summe der   Gesamt je  Berichtig Proz Beitr-   Gesamt");
  Zeile("-gruppe  Beitragsgrundl.   Sonderzlg    Beitrgr.  der Kasse satz gruppe   DG+DN");
  Zeile(kTrenner);
}

void Nachweisung::Posten(const std::string& code, double allgemein, double sonder, double satz,
                         double betrag, double fiktiv) {
  eintraege.push_back({code, allgemein, sonder, satz, betrag});
  Pruefe(allgemein);
  Pruefe(sonder);
  ++gruppenZeilen;
  const std::string kurz = KurzEtikett(code);
  const double gesamt = allgemein + sonder;
  const double fiktivBetrag = RoundBetragHalfEven(fiktiv * satz / 100);
  if (excel_) {
    Zeile(Etikett(code) + ";" + A(allgemein, 12) + ";" + A(sonder, 12) + ";" + A(gesamt, 12) +
          "; ;" + A(satz, 7) + ";" + kurz + ";" + A(betrag, 11));
    if (fiktiv > 0)
      Zeile("fiktive BGL Altersteilzeit;" + A(fiktiv, 10) + ";" + A(satz, 7) + ";" + kurz + ";" +
            A(fiktivBetrag, 11));
    return;
  }
  Zeile(Etikett(code) + A(allgemein, 12) + A(sonder, 12) + A(gesamt, 12) + std::string(9, ' ') +
        A(satz, 7) + kurz + A(betrag, 11));
  if (fiktiv > 0)
    Zeile("(fiktive BGL Altersteilzeit:          " + A(fiktiv, 10) + std::string(9, ' ') +
          A(satz, 7) + kurz + A(fiktivBetrag, 11) + ")");
  Zeile(kTrenner);
}

void Nachweisung::WriteBeitragsgruppeLineAtz(const GruppenSumme& g) {
  if (RoundBetragHalfEven(g.allgemein) == 0 && RoundBetragHalfEven(g.sonder) == 0) return;
  const double betrag = Betrag((g.allgemein + g.sonder) * g.satz * 0.01);
  Posten(g.code, g.allgemein, g.sonder, g.satz, betrag, g.fiktiv);
}

void Nachweisung::WriteBeitragsgruppeLine(const GruppenSumme& g) {
  if (RoundBetragHalfEven(g.allgemein) == 0 && RoundBetragHalfEven(g.sonder) == 0) return;
  const double betrag = Betrag(-(g.allgemein + g.sonder) * g.satz * 0.01);
  Posten(g.code, Negiert(g.allgemein), Negiert(g.sonder), g.satz, betrag, 0);
}

void Nachweisung::NeuFoeg(const std::vector<NeuFoegGrundlagen>& grundlagen) {
  const YearValues& y = state_.year;
  struct Rueckverrechnung {
    std::string code;
    double allgemein, sonder, satz, betrag;
  };
  std::vector<Rueckverrechnung> n44, n63;
  for (const NeuFoegGrundlagen& n : grundlagen) {
    const double n44Satz = kN44Satz - y.uvSatz + n.uv;
    const double n63Satz = kN63Satz - y.uvSatz + n.uv;
    n44.push_back({"N44", Negiert(n.andereAllgemein), 0, n44Satz,
                   Betrag(n.andereAllgemein * n44Satz * -0.01)});
    n63.push_back({"N63", Negiert(n.geringfuegigAllgemein), Negiert(n.sonder), n63Satz,
                   Betrag((n.geringfuegigAllgemein + n.sonder) * n63Satz * -0.01)});
  }
  for (const auto* zeilen : {&n44, &n63})
    for (const Rueckverrechnung& z : *zeilen) {
      // A refund goes into the file whenever it is part of the total.
      if (z.betrag != 0) eintraege.push_back({z.code, z.allgemein, z.sonder, z.satz, z.betrag});
      const std::string sz = z.code == "N44" ? std::string("        0,00") : A(z.sonder, 12);
      if (excel_) {
        Zeile(z.code + " ;" + A(z.allgemein, 18) + ";" + sz + ";" + A(z.allgemein + z.sonder, 12) +
              ";;" + A(z.satz, 16) + "; " + z.code + ";" + A(z.betrag, 12));
        continue;
      }
      Zeile(z.code + "   " + A(z.allgemein, 18) + sz + A(z.allgemein + z.sonder, 12) +
            A(z.satz, 16) + " " + z.code + A(z.betrag, 12));
      Zeile(kTrenner);
    }
}

void Nachweisung::Av56() {
  for (std::size_t i = 0; i < kAv56.size(); ++i) {
    const auto& [code, satz] = kAv56[i];
    const double lfd = o_.av56[2 * i], sz = o_.av56[2 * i + 1];
    if (lfd + sz <= 0) continue;
    const double betrag = Betrag((lfd + sz) * satz * -0.01);
    eintraege.push_back({code, Negiert(lfd), Negiert(sz), satz, betrag});
    const std::string c = code;
    if (excel_)
      Zeile(c + " ;" + A(Negiert(lfd), 18) + ";" + A(Negiert(sz), 12) + ";" +
            A(Negiert(lfd + sz), 12) + ";;" + A(satz, 16) + "; " + c + ";" + A(betrag, 11));
    else
      Zeile(PadText(c, 6, true) + A(Negiert(lfd), 18) + A(Negiert(sz), 12) +
            A(Negiert(lfd + sz), 12) + A(satz, 16) + " " + c + A(betrag, 11));
  }
}

void Nachweisung::Umlagen(const Summen& s) {
  for (int i = gruppenZeilen; i < kMindestZeilen; ++i) {
    Zeile();
    Zeile();
  }
  Zeile(excel_ ? " " : kTrenner);
  for (std::size_t u = 0; u < kUmlagen.size(); ++u) {
    const UmlageArt& art = kUmlagen[u];
    const double betrag = Betrag(s.umlagen[u] * art.satz / 100);
    Pruefe(s.umlagen[u]);
    if (excel_)
      // The base under "Gesamt je Beitrgr" as on paper, the cashier's
      // column empty.
      Zeile(std::string(art.text) + ";;;" + A(s.umlagen[u], 12) + ";;" + A(art.satz, 7) + "; " +
            art.code + "; " + A(betrag, 12));
    else
      Zeile(std::string(art.text) + A(s.umlagen[u], 12) + std::string(9, ' ') + A(art.satz, 7) +
            " " + art.code + " " + A(betrag, 12));
  }
  Zeile(excel_ ? " " : kTrenner);
}

void Nachweisung::Koepfe(const Summen& s) {
  auto k = [&](Kopfklasse c) { return BerichtText::I(s.koepfe[std::size_t(c)], 3); };
  // The spreadsheet puts each count and each class text into a cell of its own.
  const std::string t = excel_ ? ";" : " ", e = excel_ ? ";" : "";
  Zeile("Diese Beitragsnachweisung enthält die Beitragsgrundlagen für die Anzahl von:");
  Zeile(k(Kopfklasse::Arbeiter) + t + "Arbeitern       " + e + k(Kopfklasse::ArbLehrling) + t +
        "Arb. Lehrlingen   " + e + k(Kopfklasse::GeringfArb) + t + "geringf.besch.Arb.");
  Zeile(k(Kopfklasse::Angestellter) + t + "Angestellten    " + e + k(Kopfklasse::AngLehrling) + t +
        "Ang. Lehrlingen   " + e + k(Kopfklasse::GeringfAng) + t + "geringf.besch.Ang.");
  Zeile("(Stand per " + ZeroPadded(monatBis_, 2) + "/" + std::to_string(o_.jahr) + ")");
  Zeile("Davon allgem. Beitragsgrundlage unbezahlter Urlaub: " +
        FloatToStrFixed(o_.unbezUrlaub, 15, 2));
  Zeile("Davon allgem. Beitragsgrundlage: " + FloatToStrFixed(s.gfAllgemein, 15, 2) + " SZ: " +
        FloatToStrFixed(s.gfSonder, 15, 2) + " für: " + std::to_string(s.gf) + " Geschäftsführer.");
}

void Nachweisung::Schluss(const Summen& s) {
  Betrag(malusArb);
  Betrag(malusAng);
  const double mv = Betrag(s.mv), mvZuschlag = Betrag(s.mvZuschlag), service = Betrag(s.service);
  Pruefe(gesamtsumme);
  const double gesamt = RoundBetragHalfEven(gesamtsumme);
  if (excel_) {
    Zeile(";;;;;MALUS;Arb N35;" + A(malusArb, 12));
    Zeile(";;;;;;Ang N45;" + A(malusAng, 12));
    Zeile("Summe der Beiträge zur Mitarbeitervorsorge;;;;;;N98;" + A(mv, 12));
    Zeile("2,5 % MV-Zuschlag;;;;;;N97;" + A(mvZuschlag, 12));
    Zeile("Summe der Service-Entgelte;;;;;;N89;" + A(service, 12));
    Zeile("Auflösungsabgabe;;;;;;N80;" + A(aufloes, 12));
    Zeile("GESAMTSUMME;;;;;;;" + A(gesamt, 12));
    Zeile();
    Zeile("Kassenvermerke");
    for (int i = 0; i < 3; ++i) Zeile(" ");
    Zeile("Ort und Datum;;Firmenstempel und Unterschrift");
    return;
  }
  const std::string rand(54, ' ');
  Zeile(kTrenner);
  Zeile(std::string(48, ' ') + "MALUS | " + BerichtText::I(o_.anzMalusArb, 4) + " Arb N35" +
        A(malusArb, 12));
  Zeile(rand + "| " + BerichtText::I(o_.anzMalusAng, 4) + " Ang N45" + A(malusAng, 12));
  Zeile("                      Summe der Beiträge zur Mitarbeitervorsorge N98" + A(mv, 12));
  Zeile("                                               2,5 % MV-Zuschlag N97" + A(mvZuschlag, 12));
  Zeile("                                      Summe der Service-Entgelte N89" + A(service, 12));
  Zeile("                                                Auflösungsabgabe N80" + A(aufloes, 12));
  Zeile("                                                     GESAMTSUMME    " + A(gesamt, 12));
  Zeile(kTrenner);
  Zeile(rand + "| Kassenvermerke");
  for (int i = 0; i < 5; ++i) Zeile(rand + "|");
  Zeile("...............  ................................     |");
  Zeile(" Ort und Datum    Firmenstempel und Unterschrift      |");
  Zeile(kTrenner);
  if (!o_.kontierung) return;
  text.Seitenwechsel();
  Zeile("Kontierungsvorschlag SV-Beiträge:");
  Zeile("------------------------------------");
  Zeile(" Dienstnehmeranteil *)  3695 /      ");
  Zeile("   EUR " + A(s.dnAnteil, 11));
  Zeile(" Dienstgeberanteil      6500 /      ");
  Zeile("   EUR " + A(gesamt - s.dnAnteil, 11));
  Zeile(" MV-Beiträge            6562 /      ");
  Zeile(" Service-Entgelte       6570 /      ");
  Zeile(" Verbindlichkeiten SV        / 3600 ");
  Zeile("------------------------------------");
  Zeile();
  Zeile("*) Dienstnehmeranteil siehe auch Bericht \"Buchungsliste Lohn- Gehaltsabrechnung\"");
  Zeile();
  Zeile(kTrenner);
}

std::string SatzartCode(int satzart) {
  static constexpr std::array<const char*, 4> kCodes{"20", "21", "23", "24"};
  return satzart >= 0 && satzart < int(kCodes.size()) ? kCodes[std::size_t(satzart)] : "20";
}

// EldaBnRecord, the .BN data record: 1300 characters with its twelve
// EldaBnEntry, 59 more for each further one; what does not fit goes into
// `fehler`.
std::string EldaBnRecord(const AppState& state, const BerichtOptionen& o, int monatBis,
                         const Nachweisung& n, const Summen& s, EldaFehler& fehler) {
  const DienstgeberGlobals& dg = state.Dienstgeber;
  EldaSatz b(fehler, "");
  b.Fest(1, SatzartCode(o.eldaSatzart)).Fest(3, "0000002").Fest(10, "14");
  b.Dienstgeber().Ziffern(12, 7, "Absendernummer", dg.DienstgeberDvrNr);
  b.Dienstgeber().Code(19, 2, "Versicherungsträger-Code", dg.DienstgeberVersTraegerCode);
  b.Text(21, 10, "Beitragskontonummer", dg.DienstgeberBeitragskontoNr)
      .Text(31, 70, "Name des Dienstgebers", dg.DienstgeberName)
      .Fest(101, "1")
      .Leer(102, 11)
      .Ziffern(113, 2, "Monat", monatBis)
      .Ziffern(115, 4, "Jahr", o.jahr);
  std::vector<EldaBnEntry> eintraege = n.eintraege;
  if (o.aufloesAbgabe != 0) eintraege.push_back({"N80", 0, 0, 0, n.aufloes});
  while (eintraege.size() < kMindestEintraege) eintraege.push_back({});
  for (const EldaBnEntry& e : eintraege) e.Schreiben(b);
  for (std::size_t u = 0; u < kUmlagen.size() + 2; ++u) {  // then two empty slots
    const double basis = u < kUmlagen.size() ? s.umlagen[u] : 0;
    // A levy whose base is all but zero has no code and no rate.
    const bool leer = std::fabs(basis) <= 0.009;
    const double satz = leer ? 0 : kUmlagen[u].satz;
    EldaBnUmlageEntry{leer ? "" : kUmlagen[u].code, basis, satz,
                      RoundBetragHalfEven(basis * satz / 100)}
        .Schreiben(b);
  }
  // Every entry beyond the usual twelve moves the rest of the record.
  const int mehr = 59 * (int(eintraege.size()) - kMindestEintraege);
  b.Basis(mehr);
  b.Bezug("");
  auto kopf = [&](Kopfklasse k) { return s.koepfe[std::size_t(k)]; };
  b.Ziffern(1043, 5, "Anzahl Arbeiter", kopf(Kopfklasse::Arbeiter))
      .Ziffern(1048, 5, "Anzahl Arb. Lehrlinge", kopf(Kopfklasse::ArbLehrling))
      .Ziffern(1053, 5, "Anzahl Angestellte", kopf(Kopfklasse::Angestellter))
      .Ziffern(1058, 5, "Anzahl Ang. Lehrlinge", kopf(Kopfklasse::AngLehrling))
      .Betrag(1063, 9, "Summe MV-Beiträge", 2, RoundBetragHalfEven(s.mv))
      .Fest(1072, "0")
      .Betrag(1073, 10, "unbezahlter Urlaub", 2, o.unbezUrlaub)
      .Ziffern(1083, 2, "Anzahl Geschäftsführer", s.gf)
      .Betrag(1085, 10, "Geschäftsführer Beitragsgrundlage", 2, s.gfAllgemein)
      .Betrag(1095, 10, "Geschäftsführer Sonderzahlung", 2, s.gfSonder)
      .Ziffern(1105, 5, "Anzahl geringf.besch.Ang.", kopf(Kopfklasse::GeringfAng))
      .Ziffern(1110, 5, "Anzahl geringf.besch.Arb.", kopf(Kopfklasse::GeringfArb))
      .Ziffern(1115, 5, "Anzahl MALUS Arbeiter", o.anzMalusArb)
      .Betrag(1120, 11, "MALUS Arbeiter", 2, n.malusArb)
      .Ziffern(1131, 5, "Anzahl MALUS Angestellte", o.anzMalusAng)
      .Betrag(1136, 11, "MALUS Angestellte", 2, n.malusAng)
      .Betrag(1147, 11, "Auflösungsabgabe", 2, n.aufloes)
      .Betrag(1158, 11, "Summe Service-Entgelte", 2, RoundBetragHalfEven(s.service))
      .Betrag(1169, 11, "MV-Zuschlag", 2, RoundBetragHalfEven(s.mvZuschlag))
      .Betrag(1180, 11, "GESAMTSUMME", 2, RoundBetragHalfEven(n.gesamtsumme))
      .Text(1191, 50, "Telefon", dg.DienstgeberTelefon)
      .Leer(1241, 24)
      .Fest(1265, EldaProduktFeld(state))
      .Leer(1295, 6);
  return b.Ende(EldaSatzlaenge(EldaArt::BN) + mehr);
}

}  // namespace

bool PrintBeitragsnachweisung(AppState& state, const BerichtOptionen& o) {
  auto& dlg = state.dialogs();
  // A single cost centre's statement is for costing only, never filed.
  const bool elda = o.eldaDatei && !o.mitKostenstelle;
  int monatBis = o.monatBis;
  if (elda && o.monatVon != o.monatBis) {
    const std::string von = std::to_string(o.monatVon), bis = std::to_string(o.monatBis);
    if (!dlg.AskYesNo("Die Beitragsnachweisung wird normalerweise für 1 Monat übermittelt! Sind "
                      "Sie sicher, dass Sie die Monate " +
                      von + "-" + bis + " (zB. für geringfügige DN) übermitteln wollen?")) {
      dlg.ShowMessage("Beitragsnachweisung wird erstellt für Monat: " + von);
      monatBis = o.monatVon;
    }
  }

  // One pass of the payroll file: last record per key.
  ZeilenJePerson<Satz> zeilen;
  const auto stufen = AmpfgStufen(state.year);
  const int jahr = o.jahr, von = o.monatVon;
  if (!AbrechnungenLesen<Satz>(
          state, o.stem, kFelder,
          [&](const AbrechnungKey& k) {
            return k.Jahr == jahr && k.Monat >= von && k.Monat <= monatBis;
          },
          [&](const AbrechnungRecord& r) { return std::optional<Satz>(SatzAus(r, stufen)); },
          zeilen))
    return false;
  // The worker flag only for the marginal employments that need it, from one
  // pass of the employee file.
  const std::ptrdiff_t kN72 = FindBeitragsgruppe("N72") - Beitragsgruppen().data();
  std::set<std::int32_t> n72;
  for (const auto& [persNr, saetze] : zeilen)
    for (const Satz& r : saetze)
      if (r.monat == monatBis && r.ganzeAbrechnung && r.gruppe == kN72) n72.insert(persNr);
  std::set<std::int32_t> arbeiter;
  if (!n72.empty()) {
    if (!PersonalBilderLesen(state, o.stem, [&](const std::uint8_t* bild) {
          const std::int32_t nr = PersonalNrOf(bild);
          if (n72.contains(nr) && PersonalRecord::unpack(bild).ArbeiterCheckBoxNeu)
            arbeiter.insert(nr);
        }))
      return false;
  }

  const Summen s = Summieren(state, o, monatBis, zeilen, arbeiter);
  Nachweisung n(state, o, monatBis);
  n.Kopf();
  for (const auto& [schluessel, g] : s.gruppen) {
    if (g.ampfg)
      n.WriteBeitragsgruppeLine(g);
    else
      n.WriteBeitragsgruppeLineAtz(g);
  }
  if (o.rueckVerr) {
    if (s.neuFoeg.empty())
      n.NeuFoeg({{state.year.UvSatz(o.jahr, o.monatVon)}});
    else
      n.NeuFoeg(s.neuFoeg);
  }
  if (o.rueckVerrAV56) n.Av56();
  n.Pruefe(o.aufloesAbgabe);
  n.gesamtsumme += n.aufloes;
  n.Umlagen(s);
  n.Koepfe(s);
  // The closing block adds its amounts to the total before it prints it; the
  // .BN record takes the total from there.
  n.Schluss(s);

  std::optional<EldaDateiBild> bild;
  if (elda) {
    EldaFehler fehler;
    const std::string satz = EldaBnRecord(state, o, monatBis, n, s, fehler);
    if (!fehler.empty()) {
      dlg.ShowMessage(fehler.Meldung("Es wurde keine Datei erstellt."));
      return false;
    }
    bild = EldaDateiBild{o.stem + std::to_string(o.jahr) + ZeroPadded(o.monatVon, 2) +
                             ZeroPadded(monatBis, 2) + ".BN",
                         EldaHeaderRecord(state, EldaArt::BN, o.eldaTestdaten) + satz +
                             EldaTrailerRecord(state, EldaArt::BN, 3)};
  }
  // Printed only, such an amount would be no better: nothing is written.
  if (n.zuGross) {
    dlg.ShowMessage(ZuGrossMeldung("Der Betrag", *n.zuGross, "", "die Beitragsnachweisung",
                                   "Es wurde keine Beitragsnachweisung erstellt."));
    return false;
  }
  if (!n.text.Schreiben(state)) return false;
  if (bild) SchreibeEldaDateien(state, {*bild}, kBeitragsnachweisungSchlussfrage);
  return true;
}

}  // namespace lohn
