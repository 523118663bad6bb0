#include "output/L16Formular.h"

#include <cmath>

#include "output/Bitmap.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"

namespace lohn {

namespace {

// A field of the form: its box around the text at (x, y) and its caption,
// left of the box on the same line or above it.
enum class Lage { Links, Oben };
struct Feld {
  int x, y, breite;
  const char* beschriftung;
  Lage lage;
};

// Box widths of the kinds of field.
constexpr int kBetrag = 158, kBetrag8 = 86, kJN = 20, kZahl2 = 30, kZahl4 = 48;

// A caption or heading of its own.
struct Titel {
  int x, y, groesse;
  bool fett;
  const char* text;
};

struct Linie {
  int x1, y1, x2, y2;
};

struct Kasten {
  int x, y, w, h;
};

struct Formular {
  std::vector<Titel> titel;
  std::vector<Feld> felder;  // a field of width 0 has no box of its own
  std::vector<Linie> linien;
  std::vector<Kasten> kaesten;
};

const Formular& Seite1() {
  static const Formular f{
      {{20, 10, 28, true, "L 16"},
       {110, 16, 13, true, "Lohnzettel und Meldung für Arbeitnehmer/innen"},
       {20, 62, 10, false, "Zeitraum vom"},
       {255, 62, 10, false, "bis"},
       {20, 96, 13, true, "Arbeitnehmer/in"},
       {20, 1025, 10, false, "Vermerke des Arbeitgebers"},
       {20, 1402, 10, false, "Datum, Unterschrift und Stempel des Arbeitgebers"}},
      {{570, 40, kZahl2, "FA", Lage::Oben},
       {610, 40, 170, "Steuernummer des Arbeitgebers", Lage::Oben},
       {129, 60, kZahl2, "Tag", Lage::Oben},
       {176, 60, kZahl2, "Monat", Lage::Oben},
       {289, 60, kZahl2, "Tag", Lage::Oben},
       {330, 60, kZahl2, "Monat", Lage::Oben},
       {380, 60, 50, "Jahr", Lage::Oben},
       {500, 95, kZahl2, "Stellung", Lage::Oben},
       {573, 95, 210, "Versicherungsnummer", Lage::Oben},
       {70, 130, 400, "Familien- oder Nachname", Lage::Oben},
       {500, 130, kJN, "weiblich", Lage::Oben},
       {585, 130, kJN, "männlich", Lage::Oben},
       {699, 130, kJN, "Vollzeit", Lage::Oben},
       {814, 130, kJN, "Teilzeit", Lage::Oben},
       {70, 165, 400, "Vorname", Lage::Oben},
       {546, 165, kJN, "Alleinverd.", Lage::Oben},
       {673, 165, kJN, "Alleinerz.", Lage::Oben},
       {814, 165, kJN, "AEAB J/N", Lage::Oben},
       {70, 200, 400, "Straße", Lage::Oben},
       {800, 200, 40, "Kinder", Lage::Oben},
       {70, 235, 90, "PLZ", Lage::Oben},
       {180, 235, 290, "Ort", Lage::Oben},
       {620, 235, 210, "Vers.-Nr. Partner/in", Lage::Oben},
       {665, 275, kBetrag, "KZ 210  Bruttobezüge", Lage::Links},
       {665, 310, kBetrag, "KZ 215  steuerfreie Bezüge", Lage::Links},
       {665, 348, kBetrag, "KZ 220  Bezüge innerhalb des Jahressechstels", Lage::Links},
       {430, 385, kBetrag, "SV-Beiträge gesamt", Lage::Links},
       {430, 422, kBetrag, "KZ 225  SV-Beiträge für Sonderzahlungen", Lage::Links},
       {665, 419, kBetrag, "KZ 230", Lage::Links},
       {430, 457, kBetrag, "KZ 226  SV-Beiträge für sonstige Sonderzahlungen", Lage::Links},
       {665, 485, kBetrag, "Landarbeiterfreibetrag", Lage::Links},
       {430, 516, kBetrag, "Bezüge aus Auslandstätigkeit", Lage::Links},
       {430, 554, kBetrag, "Entwicklungshelfer/innen", Lage::Links},
       {430, 591, kBetrag, "pauschale Reiseaufwandsentschädigungen", Lage::Links},
       {430, 625, kBetrag, "Pendlerpauschale", Lage::Links},
       {320, 663, kBetrag8, "Pendlereuro", Lage::Links},
       {430, 690, kBetrag, "freiwillige Beiträge", Lage::Links},
       {665, 690, kBetrag, "KZ 243", Lage::Links},
       {430, 728, kBetrag, "sonstige Bezüge", Lage::Links},
       {430, 763, kBetrag, "sonstige steuerfreie Bezüge", Lage::Links},
       {665, 763, kBetrag, "KZ 245", Lage::Links},
       {430, 799, kBetrag, "Lohnsteuer gesamt", Lage::Links},
       {430, 836, kBetrag, "Lohnsteuer für sonstige Bezüge", Lage::Links},
       {665, 835, kBetrag, "KZ 260", Lage::Links},
       {277, 871, kBetrag, "Überschreitung", Lage::Links},
       {665, 871, kBetrag, "Freibetrag lt. Mitteilung", Lage::Links},
       {277, 909, kBetrag, "Spesenersatz", Lage::Links},
       {665, 909, kBetrag, "Kirchen-/Gewerkschaftsb.", Lage::Links},
       {277, 944, kBetrag, "ausländische Pensionskassen", Lage::Links},
       {665, 944, kBetrag, "BMV-Übertragungsbetrag", Lage::Links},
       {408, 978, kZahl2, "Werkverkehr (Kalendermonate)", Lage::Links},
       {793, 978, kZahl2, "Monate Kfz-Überlassung", Lage::Links}},
      {{12, 262, 998, 262}, {12, 1015, 998, 1015}, {20, 1395, 500, 1395}},
      {}};
  return f;
}

const Formular& Seite2() {
  static const Formular f{{{20, 14, 13, true, "Beitragsgrundlagennachweis"},
                           {20, 650, 13, true, "Arbeitsstätte (Betriebsstätte)"},
                           {20, 910, 13, true, "Arbeitgeber"}},
                          {{266, 47, 40, "Versicherungsträger", Lage::Links},
                           {637, 48, 200, "Beitragskontonummer", Lage::Links},
                           {327, 83, kZahl2, "Beitragszeitraum Monat von", Lage::Links},
                           {395, 83, kZahl2, "bis", Lage::Links},
                           {637, 83, kJN, "Sonderzahlungsanspruch", Lage::Links},
                           {829, 83, kJN, "SZ o. allg. B.", Lage::Links},
                           {215, 119, kJN, "Arbeiter/in", Lage::Links},
                           {413, 120, kJN, "Angestellte/r", Lage::Links},
                           {637, 120, kJN, "freier DV", Lage::Links},
                           {830, 120, kJN, "geringfügig", Lage::Links},
                           {261, 157, kBetrag, "allgemeine Beitragsgrundlage", Lage::Links},
                           {678, 157, kBetrag, "Teilentgelt", Lage::Links},
                           {261, 195, kBetrag, "Beitragsgrundlage Sonderzahlungen", Lage::Links},
                           {788, 195, kZahl4, "Tage Teilentgelt", Lage::Links},
                           {261, 230, kBetrag, "BMV-Beitragsgrundlage", Lage::Links},
                           {639, 230, kZahl2, "BMV von Monat", Lage::Links},
                           {707, 230, kZahl2, "bis", Lage::Links},
                           {261, 266, kBetrag, "BMV-Beitrag", Lage::Links},
                           {273, 682, 400, "Straße", Lage::Links},
                           {273, 719, 400, "Zusatz", Lage::Links},
                           {273, 756, 90, "PLZ", Lage::Links},
                           {467, 755, 300, "Ort", Lage::Links},
                           {274, 827, 100, "Gemeindekennziffer", Lage::Links},
                           {81, 935, 0, "", Lage::Links},
                           {81, 955, 0, "", Lage::Links},
                           {81, 975, 0, "", Lage::Links}},
                          {{12, 305, 998, 305}, {12, 635, 998, 635}, {12, 895, 998, 895}},
                          {{76, 929, 500, 70}}};
  return f;
}

// Captions use a fixed-pitch font of 10 pixels, 6 pixels a character.
constexpr int kBeschriftung = 10, kZeichenBreite = 6;

// Draws in the form's pixels, scaled to the canvas.
class Massstab {
 public:
  Massstab(platform::PrintCanvas& c)
      : c_(c),
        s_(std::min(double(c.PageWidth()) / kL16Breite, double(c.PageHeight()) / kL16Hoehe)) {}
  int operator()(int v) const { return int(std::lround(v * s_)); }
  void Schrift(int pixel, bool fett) {
    platform::PrintFont f;
    f.family = kL16SchriftFamilie;
    // Canvases convert points at 254/72 units each.
    f.pointSize = pixel * s_ * 72.0 / 254.0;
    f.bold = fett;
    c_.SetFont(f);
  }
  void Text(int x, int y, const std::string& t) { c_.TextOut((*this)(x), (*this)(y), t); }
  void Rechteck(int x, int y, int w, int h, int dicke) {
    c_.DrawRect((*this)(x), (*this)(y), (*this)(w), (*this)(h), std::max(1, (*this)(dicke)));
  }
  void Linie(int x1, int y1, int x2, int y2, int dicke) {
    c_.DrawLine((*this)(x1), (*this)(y1), (*this)(x2), (*this)(y2), std::max(1, (*this)(dicke)));
  }

 private:
  platform::PrintCanvas& c_;
  double s_;
};

void ZeichneFormular(Massstab& m, const Formular& f) {
  m.Rechteck(2, 2, kL16Breite - 4, kL16Hoehe - 4, 2);
  for (const Linie& l : f.linien) m.Linie(l.x1, l.y1, l.x2, l.y2, 2);
  for (const Kasten& k : f.kaesten) m.Rechteck(k.x, k.y, k.w, k.h, 1);
  for (const Feld& feld : f.felder)
    if (feld.breite > 0) m.Rechteck(feld.x - 5, feld.y - 3, feld.breite, 23, 1);
  for (const Titel& t : f.titel) {
    m.Schrift(t.groesse, t.fett);
    m.Text(t.x, t.y, t.text);
  }
  m.Schrift(kBeschriftung, false);
  for (const Feld& feld : f.felder) {
    if (!*feld.beschriftung) continue;
    if (feld.lage == Lage::Oben) {
      m.Text(feld.x - 5, feld.y - 15, feld.beschriftung);
    } else {
      const int breite = int(CharCount(feld.beschriftung)) * kZeichenBreite;
      m.Text(feld.x - 13 - breite, feld.y + 4, feld.beschriftung);
    }
  }
}

}  // namespace

void ZeichneL16Seite(platform::PrintCanvas& canvas, const L16Seite& seite) {
  Massstab m(canvas);
  canvas.SetTextColor(0);
  if (!seite.hintergrund.empty())
    canvas.DrawImage(0, 0, m(kL16Breite), m(kL16Hoehe), seite.hintergrund);
  else
    ZeichneFormular(m, seite.nummer == 2 ? Seite2() : Seite1());
  int groesse = 0;
  std::uint32_t farbe = 0;
  for (const L16Text& t : seite.texte) {
    if (t.groesse != groesse) m.Schrift(groesse = t.groesse, true);
    if (t.farbe != farbe) canvas.SetTextColor(farbe = t.farbe);
    m.Text(t.x, t.y, t.text);
  }
}

std::array<std::string, 2> L16Hintergruende(platform::Dialogs& dialogs) {
  std::array<std::string, 2> pfade;
  for (std::size_t i = 0; i < pfade.size(); ++i) {
    const std::string name = kL16Bilddatei[i];
    if (!FileExists(name)) continue;
    if (BitmapLesbar(name))
      pfade[i] = name;
    else
      dialogs.ShowMessage("Bilddatei: " + name + " nicht gefunden!");
  }
  return pfade;
}

std::string FormatL16Amount15(double betrag) { return FloatToStrFixed(betrag, 15, 2, ',', 15); }

std::string FormatL16Amount8(double betrag) { return FloatToStrFixed(betrag, 15, 2, ',', 8); }

std::string FormatL16Whole(int breite, double betrag) {
  return FloatToStrFixed(betrag, 12, 0, ',', breite);
}

std::optional<L16Groesse> L16Zoom(L16Groesse g, bool vergroessern) {
  const int zaehler = vergroessern ? 11 : 9;
  const L16Groesse neu{g.breite * zaehler / 10, g.hoehe * zaehler / 10};
  if (vergroessern ? neu.hoehe >= 3200 : neu.hoehe <= 400) return std::nullopt;
  return neu;
}

}  // namespace lohn
