#pragma once
// The annual wage slips for electronic filing: the .BG file for the social
// insurance ("Lohnzettel SV") and the .LF file for the tax office
// ("Lohnzettel Finanz"), written as one pair into the ELDA folder, and the
// empty <stem>.ELZ beside the data files once the pair is in place.

#include <string>

#include "reports/BerichtKontext.h"
#include "store/AppState.h"

namespace lohn {

// The generator of "elektronische Übermittlung Lohnzettel". Reads <stem>.ABR
// and <stem>.PER once each; one .BG record and one "L1" record per employee
// with payrolls in the period, in the order of the employee file (an
// employee stored twice by his last record). An SV number that is not ten
// digits, or a value that does not fit its field (an amount too large, a
// negative number or one with too many digits) stops the run with one
// message before any file is written. The closing question comes after
// <stem>.ELZ is written. True when the pair and <stem>.ELZ were written.
bool ExportEldaLohnzettel(AppState& state, const BerichtOptionen& o);

// An amount of the "L1" record: "+", "-" or a blank for zero, then the value
// in whole euros (halves to the even euro) as ten digits with two implied
// decimals. Blank digits when it does not fit.
std::string LohnzettelBetrag(double wert);

inline constexpr const char* kLohnzettelSchlussfrage =
    "Quandrel hat ELDA-Daten erstellt (*.BG = Lohnzettel SV, *.LF = Lohnzettel Finanz). Wollen "
    "Sie den Ordner jetzt öffnen um die Daten mit \"ELDA Software\" zu übermitteln?  Prüfen Sie "
    "dann bitte die Meldebestätigung von ELDA!";

inline constexpr const char* kLohnzettelSvNrFehler =
    "Diese Dienstnehmer haben keine SV-Nummer mit 10 Ziffern (SV-Nummer des Partners: 10 Ziffern "
    "oder keine). Es wurden keine ELDA-Dateien erstellt:";

// The pair is in place, but not the empty <stem>.ELZ; the file and the
// system's reason follow on a line of their own.
inline constexpr const char* kLohnzettelElzFehler =
    "Die ELDA-Dateien sind erstellt, aber die Datei der elektronischen Lohnzettel konnte nicht "
    "angelegt werden:";

inline constexpr const char* kLohnzettelAbgemeldet =
    "Diese abgemeldeten Dienstnehmer haben Abrechnungen im Zeitraum und erhalten keinen "
    "Lohnzettel (mit ihrer Personalnummer wird ihr Lohnzettel einzeln erstellt):";

}  // namespace lohn
