#pragma once
// "LOHNSTEUER, DB, DZ, KOMMUNALSTEUER": one month's wage tax and employer
// levies per employee, the levy bases and the transfer list to the tax
// office and the municipality, optionally with the Vienna levy.

#include "reports/BerichtKontext.h"

namespace lohn {

inline constexpr const char* kSaetzeNegativ =
    "DB, DZ und Kommunalsteuersätze dürfen nicht < 0 sein!";

// The generator of "Lohnsteuer DB DZ Kommunalsteuer" (month monatVon of
// jahr; kostenstelle 0 = every cost centre). False (after the message) when
// a rate is negative or a data file cannot be read; nothing is written then.
bool PrintLohnsteuerDbDzKommSt(AppState& state, const BerichtOptionen& o);

}  // namespace lohn
