#pragma once
// The yearly sums of an employee's payroll records that both annual wage
// slips take (the L16 form and the ELDA export): every term rounded to whole
// cents, halves to even, and added up in cents, so the sums are exact and
// the two slips cannot disagree.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "reports/AbrechnungenJePerson.h"
#include "reports/BerichtKontext.h"
#include "store/AbrechnungRecord.h"

namespace lohn::lohnzettel {

using Cent = long long;

// RoundBetragHalfEven in cents.
Cent Cents(double v);
double AlsBetrag(Cent c);

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
  double bmvg = 0;  // the provision fund contribution as stored
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
};

Jahr Addieren(const std::vector<Monat>& monate);

// The months of the period (year, months, one Personal-Nr or 0 for all) per
// employee from one payroll pass; with `ausland` only the records with
// foreign activity, else only those without (a record left out drops its
// month). False after the message when the file cannot be read.
bool MonateLesen(AppState& state, const BerichtOptionen& o, ZeilenJePerson<Monat>& monate);

// Days of the month, leap years by the Gregorian rule.
int MonatsLaenge(int jahr, int monat);

}  // namespace lohn::lohnzettel
