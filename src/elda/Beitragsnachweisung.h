#pragma once
// The monthly contribution statement (Beitragsnachweisung): the stored
// payrolls of a month range summed by contribution group and rate, printed
// into the report text file and, when asked for, filed as the .BN file for
// the ELDA software.

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

namespace lohn {

// The report generator. Reads <stem>.ABR once (and <stem>.PER once when a
// worker's marginal employment must be told from an employee's); writes
// nothing when an amount does not fit its .BN field. True when the
// statement was written.
bool PrintBeitragsnachweisung(AppState& state, const BerichtOptionen& o);

inline constexpr const char* kBeitragsnachweisungSchlussfrage =
    "Quandrel hat ELDA-Daten erstellt (*.BN = Beitragsnachweisung). Wollen Sie den Ordner jetzt "
    "öffnen um die Daten mit \"ELDA Software\" zu übermitteln? Prüfen Sie dann bitte die "
    "Meldebestätigung von ELDA!";

}  // namespace lohn
