#pragma once
// The yearly sums of an employee's payroll records that both annual wage
// slips take (the L16 form and the ELDA export): every term rounded to whole
// cents, halves to even, and added up in cents, so the sums are exact and
// the two slips cannot disagree.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "payroll/FormatBetrag.h"
#include "reports/AbrechnungenJePerson.h"
#include "reports/BerichtKontext.h"
#include "store/AbrechnungRecord.h"

namespace lohn::lohnzettel {

// Whole cents, halves to even (CentsHalfEven): nothing beyond kMaxCents or
// not finite. A slip never shows or files such an amount.
inline std::optional<Cent> Cents(double v) { return CentsHalfEven(v); }

// The sums of the wage slip, each term rounded to cents.
enum Summe : std::size_t {
  kBrutto,
  kFiktiv,
  kSvAllgemein,  // the split of the contribution statement
  kSvSonder,
  kTeilentgelt,
  kTageTeilentgelt,
  kSonderzahlung,
  kSzSvFrei,
  kSonstSz,
  kSachbezuege,
  kFreibetr,  // FreibetrEdit less the allowances the slip shows on their own
  kUeberschreitung,
  kSvAbzGes,
  kSvDnSzGesamt,
  kSonstSzSv,
  kSvDnGesamt,
  kLandarbFrei,
  kAuslandsTaet,
  kNormArbeitszeit,
  kFreiwillBeitr,
  kSonstSteuerfr,
  kLstGesamt,
  kSonstSzLst,
  kFreibetrLtMitteilg,
  kSpesenersatz,
  kBmvgUebertragung,
  kAuslPensDg,
  kBmvgGerundet,
  kSummenAnzahl
};

// What the slips need of one payroll record.
struct Monat {
  std::int8_t monat = 0;
  std::array<Cent, kSummenAnzahl> cent{};
  double bmvg = 0;                // the provision fund contribution as stored
  std::optional<double> zuGross;  // the first stored amount beyond kMaxCents
};

// The record's month and its terms (the contribution bases split as for
// the contribution statement).
Monat MonatAus(const AbrechnungRecord& r);

// An employee's months of the period added up.
struct Jahr {
  int ersterMonat = 13, letzterMonat = 0;
  int ersterBmvgMonat = 0, letzterBmvgMonat = 0;  // 0: no contribution
  std::array<Cent, kSummenAnzahl> cent{};
  double bmvg = 0;
  // The first amount or sum beyond kMaxCents; the sums stop there and no
  // slip may be made of them.
  std::optional<double> zuGross;
};

Jahr Addieren(std::span<const Monat> monate);

// The days of the slip's period: the options' first day (outside 1..31: 1)
// and, when the last month with a payroll is the period's last month, its
// last day (outside 1..31: 31), else that month's last day; each held within
// its month. `einAustritt` is the employee's "TT.MM.JJJJ-TT.MM.JJJJ": an
// entry date (before the dash) in the first month with a payroll of the year
// moves the start to it, an exit date (after it) in the last month moves the
// end to it, neither beyond the options' days. A part that is no date counts
// as none.
struct Tage {
  int von = 1, bis = 31;
};
Tage PeriodenTage(const BerichtOptionen& o, const Jahr& j, const std::string& einAustritt);

// The months of the period (year, months, one Personal-Nr or 0 for all) per
// employee from one payroll pass; with `ausland` only the records with
// foreign activity, else only those without (a record left out drops its
// month). False after the message when the file cannot be read.
bool MonateLesen(AppState& state, const BerichtOptionen& o, ZeilenJePerson<Monat>& monate);

}  // namespace lohn::lohnzettel
