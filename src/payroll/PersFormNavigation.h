#pragma once
// The employee window's period (month, year) and its toolbar's steps through
// the employees, and the age-60 rule on the SV number.
//
// The period fields and the SV number react to the user's own changes only:
// a period or a record that the program shows never reloads or ticks
// anything by itself.

#include <cstdint>
#include <string_view>

#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormModel.h"
#include "store/AppState.h"

namespace lohn {

// Attaches the rules of the month, the year and the SV number to the
// window's fields; the window's core runs it once when it is built.
void PersFormNavigationAnbinden(PersFormKontext& k);

// The years the year field takes: the build's year up to 2100, or the
// build's year alone where the build is fixed to it.
int KleinstesJahr(const YearValues& year);
int GroesstesJahr(const YearValues& year);

// The user changed the month: digits only, 1 for anything outside 1 .. 12,
// then the payroll of the new period.
void MonatComboBoxChange(PersFormKontext& k);
// The user changed the year: digits only, clamped once it has four digits
// (a list choice has them at once), then the payroll of the new period.
void JahrComboBoxChange(PersFormKontext& k);
// Leaving a field: a year that is incomplete or outside its range is clamped
// and its period loaded (not when the program's focus request moved the
// focus away).
void PersFormNavigationVerlassen(PersFormKontext& k, std::string_view name);
// "aktueller Monat" (SpeedButton4): the build's year with today's month
// (before that year: January, after it: December), then the payroll of that
// period once.
void SpeedButton4Click(PersFormKontext& k);

// Steps from the number in PersNrEdit to the first (SpeedButton17), the
// previous (16), the next (15) and the last (18) employee; one pass of the
// employee file finds the number, and an employee is shown only when there
// is one. "vorherige" and "nächste" need a whole number in PersNrEdit.
void SpeedButton17Click(PersFormKontext& k);
void SpeedButton16Click(PersFormKontext& k);
void SpeedButton15Click(PersFormKontext& k);
void SpeedButton18Click(PersFormKontext& k);

// The user typed in the SV number: digits only, then the age-60 rule.
void SVNrEditChange(AppState& state, PersFormModel& f);
// The age-60 rule for the payroll month shown (UeberSechzigImMonat): the
// box "DB,DZ frei" follows it, and the user is told when it ticks the box.
// Nothing changes while no month and year are shown or the SV number gives
// no date of birth.
void UeberSechzigPruefen(AppState& state, PersFormModel& f);

}  // namespace lohn
