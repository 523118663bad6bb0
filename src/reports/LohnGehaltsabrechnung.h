#pragma once
// The month's pay slips: one slip per employee for window envelopes, part
// payrolls continuing their employee's slip, or the same as ";"-separated
// cells for a spreadsheet.

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kNurEinAbrechnungsmonat =
    "Monats-Lohnzettel werden jeweils nur für einen Abrechnungsmonat erstellt!";

// Writes the slips of month o.monatVon of o.jahr (a longer period is cut to
// its first month after a message) for o.personalNr, or every employee with
// a payroll in that month, with o.zeilen empty lines around the address; the
// spreadsheet form when AppState::ExcelExportFlag is set. One pass over each
// data file; the last payroll record of a key counts. True when a report was
// written; false when there was no slip, a file could not be read or the
// report could not be written (after its message).
bool PrintLohnGehaltsabrechnung(AppState& state, const BerichtOptionen& o);

}  // namespace lohn
