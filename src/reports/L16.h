#pragma once
// "JahresLohnzettel mit Formular L16": each employee's payrolls of a period
// of one year summed onto the two pages of form L16, shown one employee at
// a time in the preview, and the list of deregistered employees who got no
// slip.

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kL16Naechster = "L16 des nächsten Dienstnehmers anzeigen?";
inline constexpr const char* kL16AbgemeldeteZeigen =
    "Für bereits abgemeldete Dienstnehmer wurden keine Lohnzettel gedruckt. Wollen Sie die Liste "
    "der abgemeldeten DN sehen?";

// Months o.monatVon..o.monatBis of o.jahr, days o.vonTag and o.bisTag (0 or
// beyond 31: 1 and 31), o.personalNr (0: all), o.auslandstaetigkeit: only
// the months with, or only those without foreign activity. Reads <stem>.ABR,
// <stem>.STO and <stem>.PER once each; the last payroll record of a key
// counts. Each slip goes to the hook ZeigeL16 of AppState::berichte; with
// all employees "L16 des nächsten Dienstnehmers anzeigen?" follows each,
// and "Nein" ends the run. A deregistered employee gets a slip only when he
// is chosen by his number; otherwise he is listed in the report text file,
// which is offered at the end. False when a file could not be read or the
// list not written (after the message).
bool PrintL16(AppState& state, const BerichtOptionen& o);

}  // namespace lohn
