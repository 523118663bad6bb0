#pragma once
// The wage account of each employee and the company totals sheet: one
// generator, two reports.

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

namespace lohn {

// Writes the accounts of the employees (all, or o.personalNr) for the
// months o.monatVon..o.monatBis of o.jahr, or with `summenblatt` the totals
// of every employee with DB and DZ at o.db and o.dz percent. One pass over
// each data file; the last payroll record of a key counts. True when a
// report was written.
bool PrintLohnkonto(AppState& state, const BerichtOptionen& o, bool summenblatt);

}  // namespace lohn
