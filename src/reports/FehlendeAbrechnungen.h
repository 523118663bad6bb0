#pragma once
// The list of employees without a payroll in a period.

#include <cstdint>
#include <string>

#include "store/AppState.h"

namespace lohn {

class PersFormModel;

inline constexpr const char* kAlleAbgerechnet =
    "Im ausgewählten Zeitraum wurden für alle Dienstnehmer Abrechnungen erfasst.";
inline constexpr const char* kZeitraumWaehlen =
    "Wählen Sie bitte vorher einen Abrechnungszeitraum aus!";
inline constexpr const char* kListeSchliessen = "    Liste schließen und weiter zum Bericht ...   ";

// Writes the list of the checked employees (personalNr, or 0 for all not
// deregistered ones) without a payroll of `year` in monthFrom..monthTo, when
// one of those months lies within their "Ein-/Austritt", and
// asks whether to show it. Mode 0: the check before a report, whose viewer
// is closed again when the user goes on; mode 1: the stand-alone check,
// which also says when nobody is missing. False when the data files could
// not be read (the message was shown, nothing written).
bool ListMissingAbrechnungen(AppState& state, const std::string& stem, const std::string& kind,
                             std::int32_t monthFrom, std::int32_t monthTo, std::int32_t year,
                             std::int32_t personalNr, int mode);

// The employee window's check of all employees for its chosen month.
void SpeedButton19Click(AppState& state, const PersFormModel& model);

}  // namespace lohn
