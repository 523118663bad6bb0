#pragma once
// The Vienna employer levy (DGA) of a year, month by month: five series of
// twelve texts (exempt and liable employment relationships, levy per
// relationship and started week, weeks of the month, weeks to deduct), as the
// levy data window shows them. Field k (1..60) is the window's Edit<k>:
// series s, month m is field (s - 1) * 12 + m.

#include <array>
#include <functional>
#include <string>

#include "store/AppState.h"

namespace lohn {

inline constexpr int kDgaMonate = 12;
inline constexpr int kDgaReihen = 5;
inline constexpr int kDgaFelder = kDgaReihen * kDgaMonate;

// The 60 amounts in field order.
using DgaWerte = std::array<double, kDgaFelder>;

// "<stem>DGAOpt.dat": the employer's 60 texts, joined by ";".
std::string DgaOptDatei(const std::string& stem);

// The Sundays of a month (1..12) of a year: its weeks for the levy.
int SonntageImMonat(int jahr, int monat);

class DgaDaten {
 public:
  // The window's defaults for the program's year `jahr`: 0 exempt, 1
  // liable, the levy of "2,00" per week (since June 2012), as the weeks of a
  // month the number of its Sundays (a week counts in the month its Sunday
  // falls in; 2014: 4, 4, 5, 4, 4, 5, 4, 5, 4, 4, 5, 4), 0 to deduct.
  explicit DgaDaten(int jahr);

  static int Feld(int reihe, int monat) { return (reihe - 1) * kDgaMonate + monat; }

  const std::string& Text(int feld) const { return texte_.at(feld - 1); }
  // A change of a field, by the user or by loading: the text goes through its
  // series' filter (digits; the levy a number); in the first three series it
  // is then copied into the later months of the year. The levy and the weeks
  // keep their decimal comma ("4,33" weeks).
  void SetText(int feld, std::string_view text);

  // Leaving a field: a levy or weeks must convert. Throws ConversionError.
  void FeldVerlassen(int feld) const;
  // The first field (1..60) whose text does not convert to an amount; 0
  // when all do.
  int ErstesUngueltiges() const;

  // The saved texts of <stem>DGAOpt.dat (a short file leaves the rest as it
  // is, further values are ignored), then for every month that has a levy
  // file of the monthly wage-tax report (<stem><Jahr><m>DGADruOpt.dat) its
  // five values into that month, copying on as every change does. A file
  // that is there but cannot be read is reported and skipped.
  void Laden(AppState& state, const std::string& stem, int jahr);

  // The one line of <stem>DGAOpt.dat: 60 texts, 59 ";".
  std::string Zeile() const;
  // Replaces <stem>DGAOpt.dat; on failure the message and false. A text
  // that does not convert shows the conversion message and writes nothing.
  bool Speichern(AppState& state, const std::string& stem) const;

  // The 60 amounts; throws ConversionError for the first text that is not
  // a number.
  DgaWerte Werte() const;

  // Told of every field whose text changed (1..60).
  std::function<void(int feld)> beobachter;

 private:
  void Setze(int feld, std::string text);
  std::array<std::string, kDgaFelder> texte_;
};

// Row 16 of the dispatch with "DGA (Wien)" ticked: loads the levy data of
// the year, lets the user confirm them in the window (`zeigen`, modal; may be
// empty) and converts the 60 texts. False after the conversion message.
bool DgaDatenErfassen(AppState& state, const std::function<void(DgaDaten&)>& zeigen,
                      const std::string& stem, int jahr, DgaWerte& werte);

}  // namespace lohn
