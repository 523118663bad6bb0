#pragma once
// The six lists of all employees: hours per month, holiday and time
// accounts, master data, pay rates, address labels, SV numbers with birth
// dates. Each reads the employee file once, the first two also the payroll
// file once; true when a report was written.

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

namespace lohn {

// Hours of the months o.monatVon..o.monatBis of o.jahr, one page each.
bool PrintDienstnehmerZeiten(AppState& state, const BerichtOptionen& o);
// Holiday and time accounts of o.jahr with the balance of the years before;
// all employees or o.personalNr.
bool PrintUrlaubsZeitkonto(AppState& state, const BerichtOptionen& o);
bool PrintDienstnehmerDaten(AppState& state, const BerichtOptionen& o);
bool PrintLohnGehaltsliste(AppState& state, const BerichtOptionen& o);
bool PrintDienstnehmerAdressen(AppState& state, const BerichtOptionen& o);
bool PrintDienstnehmerGeburtsdaten(AppState& state, const BerichtOptionen& o);

}  // namespace lohn
