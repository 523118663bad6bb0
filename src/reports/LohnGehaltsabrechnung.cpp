#include "reports/LohnGehaltsabrechnung.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "elda/SvGrundlagenTeilung.h"
#include "payroll/Lohnarten.h"
#include "payroll/PersFormFenster.h"
#include "reports/BerichtBloecke.h"
#include "reports/BerichtLesen.h"
#include "reports/BerichtText.h"
#include "reports/BetragGrenze.h"
#include "store/AbrechnungStore.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/LohnartLine.h"
#include "store/Numbers.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"
#include "store/TextRoutines.h"

namespace lohn {

namespace {

// More empty lines around the address than any envelope needs would only
// fill pages.
constexpr int kMaxWeitereLeerzeilen = 30;
constexpr std::size_t kBemerkungZeile = 50;

const std::string kStrich(56, '-');
const std::string kDoppel(56, '=');
const std::string kSummenStrich = std::string(43, ' ') + std::string(13, '=');

// What the slips need of one payroll record up to the report month: the
// holiday and time-account days of every record, the whole record only for
// the report month.
struct Satz {
  double urlaub = 0, zeit = 0;
  std::unique_ptr<AbrechnungBytes> imMonat;  // unpacked where its slip is made
};

// Of the earlier records only the two accounts are read; the month's slip
// is made from the whole image.
const AbrechnungFelder kKontoFelder(&AbrechnungRecord::UrlaubsKontoTageEdit,
                                    &AbrechnungRecord::ZeitKontoStdEdit);

// The sums of a slip's parts, in whole cents.
struct Summen {
  Cent brutto = 0, sv = 0, lst = 0, netto = 0, auszahlung = 0;
};

const BetragGrenze kGrenze{"den Bericht \"Lohn- / Gehaltsabrechnung\""};

std::string Feld(std::string_view label, int breite) { return PadText(label, breite, true); }

std::string I(long long v, int w = 0) { return BerichtText::I(v, w); }

std::string Monat(std::string_view label, int monat, int jahr) {
  return std::string(label) + I(monat) + " / " + I(jahr);
}

// The lines of an expense or advance text as the report takes them: every
// line end (CR LF, LF or CR) ends a line, other control characters go.
std::vector<std::string> FreiTextZeilen(std::string_view text) {
  std::vector<std::string> zeilen(1);
  bool cr = false;
  for (char32_t c : DecodeUtf8(text)) {
    if (cr && c == U'\n') {  // CR LF is one line end
      cr = false;
      continue;
    }
    cr = c == U'\r';
    if (c == U'\r' || c == U'\n')
      zeilen.emplace_back();
    else if (c >= 0x20 && !(c >= 0x7F && c <= 0x9F))
      zeilen.back() += EncodeUtf8(std::u32string(1, c));
  }
  return zeilen;
}

// One wage-type slot: quantity, rate and the amount the gross pay took.
struct LohnartAusgabe {
  std::string text;
  long long code = 0;
  double anzahl = 0, satz = 0, betrag = 0;
  bool drucken = false;
};

LohnartAusgabe Lohnart(const std::string& slot) {
  LohnartAusgabe a;
  if (slot.empty()) return a;
  const LohnartLine line = UnpackLohnartLine(slot);
  a.text = line.text;
  a.code = ZiffernWert(line.code);
  bool ok = true;
  try {
    a.anzahl = StrToFloat(line.anzahl);
  } catch (const ConversionError&) {
    ok = false;
  }
  try {
    a.satz = StrToFloat(line.satz);
  } catch (const ConversionError&) {
    ok = false;
  }
  // A hand-edited slot that does not convert is shown with 0.00, so that it
  // is seen and corrected; the other slips still come out.
  if (ok) a.betrag = LohnartBetrag(line);
  a.drucken = !ok || a.betrag != 0;
  return a;
}

class Zettel {
 public:
  // `erster`: the report's first slip, which starts no page.
  Zettel(const AppState& state, BerichtText& text, bool csv, int leerzeilen, int monat, int jahr,
         bool erster)
      : state_(state),
        t_(text),
        csv_(csv),
        leer_(leerzeilen),
        monat_(monat),
        jahr_(jahr),
        erster_(erster) {}

  // The slip of one employee: the month's records in part order. An amount
  // or sum beyond the bound throws ZuGross naming him.
  void Person(const PersonalRecord& p, const std::vector<const AbrechnungRecord*>& saetze,
              double urlaubMonat, double urlaubGesamt, double zeitMonat, double zeitGesamt) {
    wessen_ = DesDienstnehmers(p.PersNrEdit, p.FamNameEdit);
    auto addiere = [&](Cent& summe, double betrag) {
      kGrenze.Addiere(summe, kGrenze.Cents(betrag, wessen_), wessen_);
    };
    Summen summen;
    bool teilGedruckt = false;
    for (std::size_t i = 0; i < saetze.size(); ++i) {
      const AbrechnungRecord& r = *saetze[i];
      if (i == 0) Anfang(p);
      if (r.AbrechngComboBox > 0) {
        Teil(r.AbrechngComboBox + 1);
        teilGedruckt = true;
      }
      addiere(summen.brutto, r.BruttoGesamtEdit);
      addiere(summen.sv, r.SV_AbzGesEdit);
      addiere(summen.lst, r.LstGesamt);
      addiere(summen.netto, r.NettoBetragEdit);
      addiere(summen.auszahlung, r.AuszahlungsbetragEdit);
      Kopf(r, urlaubMonat, urlaubGesamt, zeitMonat, zeitGesamt);
      Bezuege(r);
      Brutto(r);
      Abzuege(r);
      if (teilGedruckt) SummenBlock(r.AbrechngComboBox + 1, summen);
    }
  }

 private:
  // A free text of the records: one quoted cell where it needs one.
  std::string Text(std::string_view text) const {
    return csv_ ? BerichtText::Zelle(text) : std::string(text);
  }
  void Zeile(std::string_view text) { t_.Zeile(text); }
  void Leer(int anzahl) {
    for (int i = 0; i < anzahl; ++i) Zeile();
  }
  void Zeile() { t_.Zeile(); }
  // Every amount of the slip goes through here: checked against the bound.
  std::string A(double v, int w) const { return kGrenze.A(v, w, wessen_); }

  void Anfang(const PersonalRecord& p) {
    const DienstgeberGlobals& dg = state_.Dienstgeber;
    if (!erster_) t_.Seitenwechsel();
    erster_ = false;
    Zeile();
    const std::string anrede = TrimBlanks(dg.DienstgeberAnrede).empty()
                                   ? dg.DienstgeberName
                                   : dg.DienstgeberAnrede + " " + dg.DienstgeberName;
    Zeile(Text(anrede));
    Zeile(Text(dg.DienstgeberPlz + " " + dg.DienstgeberOrt + " " + dg.DienstgeberStrasse));

    std::string land = p.AdresseLandEdit;
    if (TrimBlanks(land).empty()) land = "A";
    const bool deutsch = land == "D" || land == "D " || land == "D-";
    const std::string plz =
        (deutsch && p.PLZEdit >= 1 && p.PLZEdit <= 9999 ? "0" : "") + I(p.PLZEdit);
    const std::string einzug = csv_ ? "" : "     ";
    Leer(csv_ ? 4 : 1 + leer_);
    Zeile(einzug + (p.weiblichCheckBox ? "Frau" : "Herrn"));
    Zeile(einzug + Text(p.VornameEdit + " " + p.FamNameEdit));
    Zeile(einzug + Text(p.StrasseEdit));
    Zeile(einzug + Text(land + "-" + plz + " " + p.OrtEdit));
    Leer(csv_ ? 6 : 1 + leer_);
    Zeile("L O H N - / G E H A L T S A B R E C H N U N G");
    if (csv_) {
      Zeile("Dienstgeber ;" + Text(dg.DienstgeberAnrede + " " + dg.DienstgeberName));
      Zeile(" ;" +
            Text(dg.DienstgeberPlz + " " + dg.DienstgeberOrt + ", " + dg.DienstgeberStrasse));
      Zeile();
      Zeile(Monat("Abrechnungsmonat ;", monat_, jahr_));
    } else {
      Zeile(Monat("Abrechnungsmonat: ", monat_, jahr_));
    }
  }

  void Teil(int n) {
    Zeile();
    Zeile(csv_ ? "A B R E C H N U N G - T E I L  ;" + I(n)
               : "A B R E C H N U N G - T E I L : " + I(n));
    Zeile(Monat(csv_ ? "Abrechnungsmonat ;" : "Abrechnungsmonat: ", monat_, jahr_));
  }

  void Kopf(const AbrechnungRecord& r, double urlaubMonat, double urlaubGesamt, double zeitMonat,
            double zeitGesamt) {
    static constexpr const char* kStellung[] = {"", "Lehrling", "Arbeiter", "Angestellter"};
    const int s = r.SozialeStellungEdit;
    const std::string stellung =
        I(s, 1) + " = " + (s >= 1 && s <= 3 ? kStellung[s] : std::string());
    if (csv_) {
      Zeile("PersonalNr ;" + I(r.PersNrEdit));
      Zeile("BIC (BLZ/Bank) ;" + Text(r.BankEdit));
      Zeile("IBAN (Konto) ;" + Text(r.BankKtoNrEdit));
      Zeile("BeitragsGruppe ;" + Text(r.BeitragsgruppeComboBox));
      Zeile("Soziale Stellung: ;" + stellung);
      Zeile("Urlaub:    ;" + A(urlaubMonat, 12) + ";Summe: ;" + A(urlaubGesamt, 12));
      Zeile("Zeitkonto: ;" + A(zeitMonat, 12) + ";Summe: ;" + A(zeitGesamt, 12));
      if (r.SV_Lohn_TageEdit > 0) Zeile("SV/Lst. Tage:;" + I(r.SV_Lohn_TageEdit));
      Zeile(" ");
      Zeile("Lohnart;Anzahl;Satz;EUR;Gesamt EUR");
      return;
    }
    Zeile(Feld("PersonalNr: ", 12) + I(r.PersNrEdit));
    Zeile(Feld("BIC (BLZ/Bank): ", 16) + r.BankEdit);
    Zeile(Feld("IBAN (Konto):", 16) + r.BankKtoNrEdit);
    Zeile(Feld("BeitragsGruppe: ", 16) + r.BeitragsgruppeComboBox);
    Zeile(Feld("Soziale Stellung: ", 18) + stellung);
    Zeile(Feld("Urlaub   :", 10) + A(urlaubMonat, 12) + " Gesamt: " + A(urlaubGesamt, 12));
    Zeile(Feld("Zeitkonto:", 10) + A(zeitMonat, 12) + " Gesamt: " + A(zeitGesamt, 12));
    if (r.SV_Lohn_TageEdit > 0) Zeile(Feld("SV/Lst. Tage:", 18) + I(r.SV_Lohn_TageEdit));
    Zeile(kStrich);
    Zeile("Lohnart           Anzahl     Satz       EUR   Gesamt EUR");
    Zeile(kStrich);
  }

  // An hour line: hours, rate, amount.
  void Stunden(std::string_view text, std::string_view zelle, double stunden, double satz,
               double betrag) {
    if (csv_)
      Zeile(std::string(zelle) + A(stunden, 12) + ";" + A(satz, 9) + ";" + A(betrag, 10));
    else
      Zeile(Feld(text, 12) + A(stunden, 12) + A(satz, 9) + A(betrag, 10));
  }

  void Ueberstunden(std::string_view text, std::string_view zelle, double stunden,
                    double stundenlohn, double betrag, double faktor) {
    if (betrag <= 0) return;
    Stunden(text, zelle, stunden, stundenlohn, betrag);
    const double grund = stunden * stundenlohn;
    if (csv_)
      Zeile("  (Grundbetrag:;" + A(grund, 10) + ";Zuschlag: ;" + A(grund * faktor, 12) + ")");
    else
      Zeile(Feld("  (Grundbetrag:", 15) + A(grund, 9) + " Zuschlag: " + A(grund * faktor, 8) + ")");
  }

  void Bemerkung(const std::string& text) {
    if (text.empty()) return;
    if (CharCount(text) <= kBemerkungZeile) {
      Zeile(Text("(" + text + ")"));
      return;
    }
    const std::string anfang = CutChars(text, kBemerkungZeile);
    Zeile(Text("(" + anfang + "-"));
    Zeile(Text((csv_ ? "" : " ") + text.substr(anfang.size()) + ")"));
  }

  void Bezuege(const AbrechnungRecord& r) {
    if (r.GehaltEdit != 0) {
      static constexpr const char* kText[] = {
          "Bezüge:", "Lehrlingsentschädigung:", "Lohn:", "Gehalt:"};
      static constexpr const char* kZelle[] = {
          "Bezüge                 ;;;", "Lehrlingsentschädigung ;;;", "Lohn                   ;;;",
          "Gehalt                 ;;;"};
      const int s =
          r.SozialeStellungEdit >= 1 && r.SozialeStellungEdit <= 3 ? r.SozialeStellungEdit : 0;
      Zeile(csv_ ? kZelle[s] + A(r.GehaltEdit, 12) : Feld(kText[s], 31) + A(r.GehaltEdit, 12));
    }
    if (r.LohnNormalstundenEdit > 0)
      Stunden("Normalstd:", "Normalstd  ;", r.NormalstundenEdit, r.GehaltEdit,
              r.LohnNormalstundenEdit);
    if (r.ZulageEdit > 0)
      Zeile(csv_ ? "Sonstige Bezüge;;;" + A(r.ZulageEdit, 12)
                 : Feld("Sonstige Bezüge:", 31) + A(r.ZulageEdit, 12));
    Bemerkung(r.BemerkungenEdit);
    if (r.LohnGehaltMehrstundenEdit > 0)
      Stunden("Mehrstd:", "Mehrstd    ;", r.MehrstundenEdit, r.MehrstdSatzEdit,
              r.LohnGehaltMehrstundenEdit);
    if (r.MehrstdZuschlagEdit != 0)
      Zeile(csv_ ? "mit Mehrstunden-Zuschlag %:;;" + A(r.MehrstdZuschlagEdit, 5)
                 : Feld("(mit Mehrstunden-Zuschlag:", 28) + A(r.MehrstdZuschlagEdit, 5) + " %)");
    const double lohn = r.StundenlohnEdit;
    Ueberstunden("Überstd 50%", "Überstd 50% ;", r.Ueberstunden50Edit, lohn,
                 r.LohnGehaltUeberstunden50Edit, 0.5);
    Ueberstunden("Überstd 75%", "Überstd 75% ;", r.Ueberstunden75Edit, lohn,
                 r.LohnGehaltUeberstunden75Edit, 0.75);
    Ueberstunden("Übstd  100%", "Übstd  100% ;", r.Ueberstunden100Edit, lohn,
                 r.LohnGehaltUeberstunden100Edit, 1);
    Ueberstunden("Übstd  200%", "Übstd  200% ;", r.Ueberstunden200Edit, lohn,
                 r.LohnGehaltUeberstunden200Edit, 2);
    if (r.davonNachtZuschl > 0)
      Zeile(csv_ ? "davon Zuschläge für Nachtarbeit:;;;" + A(r.davonNachtZuschl, 12)
                 : Feld("(davon Zuschläge für Nachtarbeit:", 33) + A(r.davonNachtZuschl, 10) + ")");
    if (r.LohnUrlaubstundenEdit > 0)
      Stunden("UrlaubStd:", "UrlaubStd  ;", r.UrlaubstundenEdit, r.GehaltEdit,
              r.LohnUrlaubstundenEdit);
    if (r.LohnFehlstundenEdit > 0)
      Stunden("FehlStd:", "FehlStd    ;", r.FehlstundenEdit, r.GehaltEdit, r.LohnFehlstundenEdit);
    if (csv_ && r.SVFreibetragEdit > 0)
      Zeile("davon sozialversicherungsfrei:;;;" + A(r.SVFreibetragEdit, 12));
    for (const std::string& slot : r.Lohnarten) {
      const LohnartAusgabe l = Lohnart(slot);
      if (!l.drucken) continue;
      Zeile(Text(l.text));
      Zeile(csv_ ? " Code: " + I(l.code, 3) + "; " + A(l.anzahl, 12) + "; " + A(l.satz, 8) + ";" +
                       A(l.betrag, 9)
                 : " Code: " + I(l.code, 3) + "  " + A(l.anzahl, 12) + " " + A(l.satz, 8) + " " +
                       A(l.betrag, 9));
    }
  }

  // A line with its amount in the "Gesamt EUR" column; `minus` for a
  // deduction.
  void Gesamt(std::string_view text, std::string_view zelle, double betrag, bool minus = false) {
    if (csv_)
      Zeile(std::string(zelle) + A(betrag, 12));
    else
      Zeile((minus ? Feld(text, 43) + "-" : Feld(text, 44)) + A(betrag, 12));
  }
  // The same for a free text of the record.
  void GesamtText(const std::string& text, double betrag) {
    Zeile(csv_ ? Text(text) + ";;;;" + A(betrag, 12) : PadText(text, 44, true) + A(betrag, 12));
  }
  // A line with its amount in the "EUR" column.
  void Eur(std::string_view text, std::string_view zelle, double betrag) {
    Zeile(csv_ ? std::string(zelle) + A(betrag, 12) : Feld(text, 31) + A(betrag, 12));
  }

  void Brutto(const AbrechnungRecord& r) {
    Zeile(csv_ ? " " : kStrich);
    Gesamt("Brutto lfd. Bezüge:", "Brutto lfd. Bezüge; ;;;", r.BruttoEdit);
    if (r.SonderzahlungEdit != 0) GesamtText(r.SonderZlgComboBox, r.SonderzahlungEdit);
    if (r.SZSVfreiEdit != 0) GesamtText(r.SZSVfreiTextEdit, r.SZSVfreiEdit);
    if (r.SonstSZEdit != 0) GesamtText(r.SonstSZTextEdit, r.SonstSZEdit);
    Gesamt("Brutto gesamt:", "Brutto gesamt; ;;;", r.BruttoGesamtEdit);
    Zeile(csv_ ? " " : kSummenStrich);
    if (r.SachbezuegeAbreEdit > 0) Eur("Sachbezüge:", "Sachbezüge;;;", r.SachbezuegeAbreEdit);
    Zeile();
    if (r.SVFreibetragEdit > 0) Eur("SV-Freibeträge:", "SV-Freibeträge;;;", r.SVFreibetragEdit);
    if (r.ServiceEntgelt_eCardEdit != 0)
      Gesamt("Service-Entgelt e-Card:", "Service-Entgelt e-Card ;;;;-", r.ServiceEntgelt_eCardEdit,
             true);
    if (!csv_) {
      // The bases as the statement, the wage slips and the wage account
      // split them, not as the calculation stored them.
      const SvGrundlagenTeile teile = TeileSvGrundlagen(r, false);
      Gesamt("SV-Beitragsgrundlage lfd:", "", teile.allgemein);
      if (teile.sonderzahlung != 0) Gesamt("SV-Beitragsgrundlage SZ:", "", teile.sonderzahlung);
    }
    Gesamt("SV-Abzüge gesamt", "SV-Abzüge gesamt;;;;-", r.SV_AbzGesEdit, true);
    const double pendler = r.NormArbeitszeitEdit;
    if (r.FreibetrEdit > 0)
      Eur("LST-Freibeträge:", "LST-Freibeträge ;;;",
          pendler > 0 ? r.FreibetrEdit - pendler : r.FreibetrEdit);
    if (pendler > 0) Eur("Pendlerpauschale:", "Pendlerpauschale ;;;", pendler);
    Eur("LST-Grundlage lfd:", "LST-Grundlage lfd ;;;", r.GrundlageLSTEdit);
    if (r.Alleinverdiener) Zeile("Alleinverdiener");
    Eur("Lohnsteuerbetrag lfd:", "Lohnsteuerbetrag lfd ;;;", r.LohnsteuerBetragEdit);
    if (r.GrundlLstSZ != 0)
      Eur("LST-Grundlage Sonderzahlungen:", "LST-Grundlage Sonderzahlungen ;;;", r.GrundlLstSZ);
    if (r.LstSZ != 0)
      Eur("Lohnsteuerbetrag Sonderzahlg.:", "Lohnsteuerbetrag Sonderzahlg. ;;;", r.LstSZ);
    if (r.SonstSZLSTEdit > 0)
      Eur("Lohnsteuer sonst. Sonderzahlg.:", "Lohnsteuer sonst. Sonderzahlg. ;;;",
          r.SonstSZLSTEdit);
    if (r.SonstSZLSTEdit < 0)
      Eur("Absetzbetrag Lohnsteuer:", "Absetzbetrag Lohnsteuer ;;;", r.SonstSZLSTEdit);
    Zeile(csv_ ? " " : kStrich);
    // The tax withheld as stored, so that gross less deductions is the net.
    Gesamt("Lohnsteuer:", "Lohnsteuer ;;;; -", r.LstGesamt, true);
    Gesamt("NettoBetrag:", "NettoBetrag ;;;;", r.NettoBetragEdit);
    Zeile(csv_ ? " " : kSummenStrich);
  }

  // Expense refund or advance: the employee's own text when it can be read,
  // else the fixed label.
  void EigenerText(FreiText art, std::int32_t persNr, double betrag) {
    const bool vorschuss = art == FreiText::Vorschuss;
    const auto inhalt =
        ReadTextFileUtf8(FreiTextDateiName(state_.DataFileStem, std::to_string(persNr), art));
    if (!inhalt) {
      if (vorschuss)
        Gesamt("Vorschuss:", "Vorschuss ;;;; -", betrag, true);
      else
        Gesamt("Spesenersatz:", "Spesenersatz ;;;;", betrag);
      return;
    }
    const std::vector<std::string> zeilen = FreiTextZeilen(*inhalt);
    const std::string betragText = vorschuss ? "-" + A(betrag, 12) : A(betrag, 12);
    for (std::size_t i = 0; i + 1 < zeilen.size(); ++i) Zeile(Text(zeilen[i]));
    if (csv_) {
      Zeile(Text(zeilen.back()) + (vorschuss ? ";;;; " : " ;;;;") + betragText);
    } else {
      Zeile(zeilen.back());
      Zeile(std::string(vorschuss ? 43 : 44, ' ') + betragText);
    }
  }

  void Abzuege(const AbrechnungRecord& r) {
    if (r.SpesenersatzEdit > 0) EigenerText(FreiText::Spesen, r.PersNrEdit, r.SpesenersatzEdit);
    if (r.VorschussEdit > 0) EigenerText(FreiText::Vorschuss, r.PersNrEdit, r.VorschussEdit);
    if (csv_ ? r.ExekutionEdit > 0 : r.ExekutionEdit != 0)
      Gesamt("Exekution:", "Exekution ;;;; -", r.ExekutionEdit, true);
    if (r.KrankenschEdit > 0)
      Gesamt("Einbehaltene freiwillige Beiträge:", "Einbehaltene freiwillige Beiträge ;;;;-",
             r.KrankenschEdit, true);
    Gesamt("Auszahlungsbetrag:", "Auszahlungsbetrag ;;;;", r.AuszahlungsbetragEdit);
    if (csv_) {
      Zeile(" ");
      Zeile("BMVG-Beitrag ; " + A(r.BMVGbetragEdit, 12));
      return;
    }
    Zeile(kDoppel);
    Zeile(Feld("BMVG-Beitrag:", 37) + A(r.BMVGbetragEdit, 6));
    if (r.ZukunftssicherungEdit != 0)
      Zeile(Feld("Zukunftssicherung gem § 3:", 37) + A(r.ZukunftssicherungEdit, 6));
    if (r.AuslPensDGEdit != 0) {
      Zeile("Arbeitgeberbeiträge an ausländische");
      Zeile(Feld("   Pensionskassen (§ 26 Z 7):", 37) + A(r.AuslPensDGEdit, 6));
    }
  }

  void SummenBlock(int n, const Summen& s) {
    Zeile();
    if (csv_) {
      Zeile("S U M M E N - bis Abrechnung-Teil ; ;" + I(n));
      Zeile(" ");
    } else {
      Zeile("S U M M E N - bis Abrechnung-Teil " + I(n));
      Zeile(kStrich);
    }
    Gesamt("Brutto Gesamtbetrag:", "Brutto Gesamtbetrag ;;;;", AlsBetrag(s.brutto));
    Gesamt("Sozialversicherung Gesamtbetrag:", "Sozialversicherung Gesamtbetrag ;;;;",
           AlsBetrag(s.sv));
    Gesamt("Lohnsteuer Gesamtbetrag:", "Lohnsteuer Gesamtbetrag ;;;;", AlsBetrag(s.lst));
    Gesamt("Netto Gesamtbetrag:", "Netto Gesamtbetrag ;;;;", AlsBetrag(s.netto));
    Gesamt("Auszahlungsbetrag gesamt:", "Auszahlungsbetrag gesamt ;;;;", AlsBetrag(s.auszahlung));
    Zeile(csv_ ? " " : kDoppel);
  }

  const AppState& state_;
  BerichtText& t_;
  const bool csv_;
  const int leer_;
  const int monat_, jahr_;
  bool erster_;
  std::string wessen_;  // " des Dienstnehmers ..." of the slip being made
};

}  // namespace

bool PrintLohnGehaltsabrechnung(AppState& state, const BerichtOptionen& o) {
  auto& dlg = state.dialogs();
  const int monat = o.monatVon, jahr = o.jahr, persNr = o.personalNr;
  if (o.monatBis != o.monatVon) dlg.ShowMessage(kNurEinAbrechnungsmonat);

  // Every record up to the report month: the holiday and time accounts run
  // over all of them, the slips print the month's.
  ZeilenJePerson<Satz> saetze;
  if (!AbrechnungenLesen<Satz>(
          state, o.stem, kKontoFelder,
          [&](const AbrechnungKey& k) {
            return (persNr == 0 || k.PersNr == persNr) &&
                   (k.Jahr < jahr || (k.Jahr == jahr && k.Monat <= monat));
          },
          [&](const AbrechnungRecord& r, const std::uint8_t* bild) -> std::optional<Satz> {
            Satz s{r.UrlaubsKontoTageEdit, r.ZeitKontoStdEdit, nullptr};
            if (r.MonatComboBox == monat && r.JahrComboBox == jahr) {
              s.imMonat = std::make_unique<AbrechnungBytes>();
              std::copy_n(bild, kAbrechnungRecordSize, s.imMonat->begin());
            }
            return s;
          },
          saetze))
    return false;

  BerichtText text;
  const bool csv = state.ExcelExportFlag;
  const int leer = std::clamp(o.zeilen, 1, kMaxWeitereLeerzeilen + 1) - 1;
  // The slips are made several at once, each from its employee's image.
  BerichtBloecke bloecke(text);
  bool erster = true;
  const bool ok = BerichtImRahmen(state, [&] {
    if (!PersonalBilderLesen(state, o.stem, [&](const std::uint8_t* b) {
          auto it = saetze.find(PersonalNrOf(b));
          if (it == saetze.end()) return;
          std::vector<const AbrechnungBytes*> imMonat;
          double urlaubMonat = 0, urlaubGesamt = 0, zeitMonat = 0, zeitGesamt = 0;
          for (const Satz& s : it->second) {
            urlaubGesamt += s.urlaub;
            zeitGesamt += s.zeit;
            if (!s.imMonat) continue;
            urlaubMonat += s.urlaub;
            zeitMonat += s.zeit;
            imMonat.push_back(s.imMonat.get());
          }
          if (!imMonat.empty()) {
            PersonalBytes bild;
            std::copy_n(b, bild.size(), bild.begin());
            bloecke.Neu([&state, csv, leer, monat, jahr, erster, bild, bilder = std::move(imMonat),
                         urlaubMonat, urlaubGesamt, zeitMonat, zeitGesamt](BerichtText& t) {
              std::vector<AbrechnungRecord> saetze;
              saetze.reserve(bilder.size());
              for (const AbrechnungBytes* a : bilder)
                saetze.push_back(AbrechnungRecord::unpack(a->data()));
              // The main payroll opens the slip and the parts follow it,
              // whatever order they were saved in.
              std::vector<const AbrechnungRecord*> reihe;
              for (const AbrechnungRecord& r : saetze) reihe.push_back(&r);
              std::stable_sort(reihe.begin(), reihe.end(), [](auto* a, auto* b) {
                return a->AbrechngComboBox < b->AbrechngComboBox;
              });
              Zettel(state, t, csv, leer, monat, jahr, erster)
                  .Person(PersonalRecord::unpack(bild.data()), reihe, urlaubMonat, urlaubGesamt,
                          zeitMonat, zeitGesamt);
            });
            erster = false;
          }
        }))
      return false;
    bloecke.Ende();
    return true;
  });
  if (!ok || text.Zeilen() == 0) return false;
  return text.Schreiben(state);
}

}  // namespace lohn
