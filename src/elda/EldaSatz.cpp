#include "elda/EldaSatz.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "elda/EldaDatei.h"
#include "store/Cp1252.h"
#include "store/Numbers.h"

namespace lohn {

namespace {

bool NurZiffern(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Hoechstens(int breite) {
  return breite == 1 ? "eine Ziffer" : "höchstens " + std::to_string(breite) + " Ziffern";
}

}  // namespace

void EldaFehler::Add(const std::string& zeile) {
  if (gesehen_.insert(zeile).second) zeilen_.push_back(zeile);
}

std::string EldaFehler::Meldung(const std::string& schluss) const {
  std::string m;
  for (const std::string& z : zeilen_) m += z + "\n";
  return m + schluss;
}

EldaSatz::EldaSatz(EldaFehler& fehler, std::string bezug)
    : fehler_(fehler), bezug_(std::move(bezug)) {}

void EldaSatz::Stelle(int pos, const char* feld) {
  if (laenge_ != basis_ + pos - 1)
    throw std::logic_error("ELDA-Feld \"" + std::string(feld) + "\" an Stelle " +
                           std::to_string(pos) + ", der Satz hat " +
                           std::to_string(laenge_ - basis_) + " Zeichen");
}

void EldaSatz::Anhaengen(std::string_view feld, int breite) {
  text_ += feld;
  laenge_ += breite;
  dienstgeber_ = false;
}

std::string EldaSatz::Bezug() { return dienstgeber_ ? std::string(" des Dienstgebers") : bezug_; }

void EldaSatz::Wert(const char* feld, std::string_view wert, const std::string& grund) {
  fehler_.Add("Der Wert \"" + std::string(wert) + "\" im Feld \"" + feld + "\"" + Bezug() +
              " passt nicht in die ELDA-Datei (" + grund + ").");
}

void EldaSatz::Betragsfehler(const char* feld, double wert, int dezimalen,
                             const std::string& grund) {
  fehler_.Add("Der Betrag " + FloatToStrFixed(wert, 15, dezimalen) + " im Feld \"" + feld + "\"" +
              Bezug() + " passt nicht in die ELDA-Datei" + grund + ".");
}

EldaSatz& EldaSatz::Text(int pos, int breite, const char* feld, std::string_view wert) {
  Stelle(pos, feld);
  // Printable ASCII, nearly every value, is cut and padded in place: saves
  // about a tenth of the ELDA wage slips' time against EldaText's copies.
  if (std::all_of(wert.begin(), wert.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
    const std::size_t n = std::min(wert.size(), std::size_t(std::max(breite, 0)));
    text_.append(wert.substr(0, n));
    text_.append(std::size_t(std::max(breite, 0)) - n, ' ');
    Anhaengen({}, breite);
  } else {
    Anhaengen(EldaText(std::string(wert), breite), breite);
  }
  return *this;
}

EldaSatz& EldaSatz::Ziffern(int pos, int breite, const char* feld, long long wert) {
  Stelle(pos, feld);
  char puffer[24];
  char* const end = puffer + sizeof puffer;
  char* p = PutDigitsBack(end, wert < 0 ? 0 : static_cast<std::uint64_t>(wert));
  if (wert < 0 || end - p > breite) {
    Wert(feld, std::to_string(wert), wert < 0 ? "keine negative Zahl" : Hoechstens(breite));
    Anhaengen(EldaLeer(breite), breite);
  } else {
    Nullen(std::string_view(p, std::size_t(end - p)), breite);
  }
  return *this;
}

EldaSatz& EldaSatz::Ziffern(int pos, int breite, const char* feld, std::string_view ziffern) {
  Stelle(pos, feld);
  if (!NurZiffern(ziffern) || int(ziffern.size()) > breite) {
    Wert(feld, ziffern, NurZiffern(ziffern) ? Hoechstens(breite) : "nur Ziffern");
    Anhaengen(EldaLeer(breite), breite);
  } else {
    Nullen(ziffern, breite);
  }
  return *this;
}

void EldaSatz::Nullen(std::string_view ziffern, int breite) {
  text_.append(std::size_t(breite) - ziffern.size(), '0');
  Anhaengen(ziffern, breite);
}

EldaSatz& EldaSatz::Code(int pos, int breite, const char* feld, std::string_view wert,
                         std::span<const std::string> codes) {
  Stelle(pos, feld);
  const bool passt = int(CharCount(wert)) <= breite;
  if (!passt || (!codes.empty() && std::find(codes.begin(), codes.end(), wert) == codes.end())) {
    Wert(feld, wert,
         passt ? "kein Code der Liste" : "höchstens " + std::to_string(breite) + " Zeichen");
    Anhaengen(EldaLeer(breite), breite);
  } else {
    Anhaengen(EldaText(std::string(wert), breite), breite);
  }
  return *this;
}

EldaSatz& EldaSatz::Betrag(int pos, int breite, const char* feld, int dezimalen, double wert,
                           Vorzeichen vorzeichen) {
  Stelle(pos, feld);
  std::string f(std::size_t(std::max(breite, 0)), ' ');
  std::string grund;
  bool ziffern = true;
  switch (vorzeichen) {
    case Vorzeichen::Minus:
      ziffern = AmountFieldInto(dezimalen, breite, wert, true, f.data());
      break;
    case Vorzeichen::Keins:
      ziffern = AmountFieldInto(dezimalen, breite, wert, false, f.data());
      // Written without its sign it would be another amount.
      if (wert < 0 && f.find_first_not_of('0') != std::string::npos) {
        grund = " (kein negativer Betrag)";
        f.assign(f.size(), ' ');
        ziffern = false;
      }
      break;
    case Vorzeichen::Eigenes:
      if (breite > 0) {
        ziffern = AmountFieldInto(dezimalen, breite - 1, wert, false, f.data() + 1);
        f[0] = wert > 0 ? '+' : wert < 0 ? '-' : ' ';
      }
      break;
  }
  if (!ziffern || breite <= (vorzeichen == Vorzeichen::Eigenes ? 1 : 0))
    Betragsfehler(feld, wert, dezimalen, grund);
  Anhaengen(f, breite);
  return *this;
}

EldaSatz& EldaSatz::Fest(int pos, std::string_view wert) {
  Stelle(pos, "fest");
  Anhaengen(wert, int(CharCount(wert)));
  return *this;
}

EldaSatz& EldaSatz::Leer(int pos, int breite) {
  Stelle(pos, "leer");
  Anhaengen(EldaLeer(breite), breite);
  return *this;
}

EldaSatz& EldaSatz::Dienstgeber() {
  dienstgeber_ = true;
  return *this;
}

void EldaSatz::ZuGross(const char* feld, double wert) { Betragsfehler(feld, wert, 2, ""); }

std::string EldaSatz::Ende(int satzlaenge) {
  if (laenge_ != satzlaenge)
    throw std::logic_error("ELDA-Satz mit " + std::to_string(laenge_) + " statt " +
                           std::to_string(satzlaenge) + " Zeichen");
  return text_ + "\r\n";
}

std::vector<std::string> EldaCodes(const std::vector<std::string>& liste, int stellen,
                                   bool leerErlaubt) {
  std::vector<std::string> codes;
  if (leerErlaubt) codes.emplace_back();
  // The panel takes a code from an entry longer than 5 characters only.
  for (const std::string& eintrag : liste)
    if (CharCount(eintrag) > 5) codes.push_back(eintrag.substr(0, std::size_t(stellen)));
  return codes;
}

}  // namespace lohn
