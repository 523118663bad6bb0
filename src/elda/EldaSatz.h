#pragma once
// One ELDA data record, declared field by field in the order of its layout:
// each field gives its position, width and check. Texts are cut to their
// width; a number, digit field or code that would be cut, lose its sign or
// is not in its list of codes is noted by name instead, so the writer can
// refuse the whole run before any file is written.

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lohn {

// What the records of one run do not hold; one message lists it all.
class EldaFehler {
 public:
  // A line is kept once, however many records carry the same value.
  void Add(const std::string& zeile);
  bool empty() const { return zeilen_.empty(); }
  const std::vector<std::string>& zeilen() const { return zeilen_; }
  // Every line, then `schluss` on a line of its own.
  std::string Meldung(const std::string& schluss) const;

 private:
  std::vector<std::string> zeilen_;
  std::set<std::string> gesehen_;
};

class EldaSatz {
 public:
  // How an amount field marks a negative value.
  enum class Vorzeichen {
    Minus,   // "-" in place of the leading "0"
    Keins,   // none: a negative amount does not fit
    Eigenes  // a character of its own in front: "+", "-" or a blank at zero
  };

  // `bezug` follows the field's name in a message ("für den Dienstnehmer 7").
  EldaSatz(EldaFehler& fehler, std::string bezug);

  // Positions count from 1 within the record, or within the part that
  // Basis() begins; a field in the wrong place is a fault of the layout and
  // throws std::logic_error.
  EldaSatz& Text(int pos, int breite, const char* feld, std::string_view wert);
  // Right-aligned with "0" in front: no sign, no digit cut.
  EldaSatz& Ziffern(int pos, int breite, const char* feld, long long wert);
  // Digits only (none gives zeros), at most `breite` of them.
  EldaSatz& Ziffern(int pos, int breite, const char* feld, std::string_view ziffern);
  // Left-aligned like a text, but one of `codes` (any text when the list is
  // empty) and never cut.
  EldaSatz& Code(int pos, int breite, const char* feld, std::string_view wert,
                 std::span<const std::string> codes = {});
  // FormatAmountField's digits with implied decimals; blank digits do not fit.
  EldaSatz& Betrag(int pos, int breite, const char* feld, int dezimalen, double wert,
                   Vorzeichen vorzeichen = Vorzeichen::Minus);
  // A fixed value of the layout, as wide as it is.
  EldaSatz& Fest(int pos, std::string_view wert);
  EldaSatz& Leer(int pos, int breite);

  // The next field is the employer's and is named as his.
  EldaSatz& Dienstgeber();
  // The reference of the fields that follow.
  void Bezug(std::string bezug) { bezug_ = std::move(bezug); }
  // Positions of the fields that follow count from `basis` + 1 (a repeated
  // part of the record, or a layout moved by a number of such parts).
  void Basis(int basis) { basis_ = basis; }
  int Laenge() const { return laenge_; }

  // A value too large for any field, found before its field.
  void ZuGross(const char* feld, double wert);

  // The record with CR LF; its length must be `satzlaenge`.
  std::string Ende(int satzlaenge);
  const std::string& text() const { return text_; }

 private:
  void Stelle(int pos, const char* feld);
  void Anhaengen(std::string_view feld, int breite);
  // Digits that fit, led by zeros to `breite`.
  void Nullen(std::string_view ziffern, int breite);
  std::string Bezug();
  void Wert(const char* feld, std::string_view wert, const std::string& grund);
  void Betragsfehler(const char* feld, double wert, int dezimalen, const std::string& grund);

  EldaFehler& fehler_;
  std::string bezug_;
  std::string text_;
  int laenge_ = 0;
  int basis_ = 0;
  bool dienstgeber_ = false;
};

// The codes of a list of the registration panel: the first `stellen`
// characters of each entry, and "" when `leerErlaubt`.
std::vector<std::string> EldaCodes(const std::vector<std::string>& liste, int stellen,
                                   bool leerErlaubt);

}  // namespace lohn
