#pragma once
// The month's bank-transfer list with its booking list and booking proposal
// (mode 0), and the confirmation of work and pay of one employee (mode 1).

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr int kModusUeberweisungsliste = 0;
inline constexpr int kModusArbeitsbestaetigung = 1;

inline constexpr const char* kEinAbrechnungsmonat =
    "Dieser Bericht wird für einen Abrechnungsmonat erstellt!";

// Reads the month monatVon of the options (a longer period is refused with a
// message and cut to that month), the Personal-Nr (0 = all), the cost centre
// (0 = all), the detail and account boxes. Of several payroll records of one
// key only the last counts. Writes the report text file whole; false (and
// no file) when a data file is in use or the file cannot be written.
bool PrintUeberweisungsliste(AppState& state, const BerichtOptionen& optionen, int modus);

}  // namespace lohn
