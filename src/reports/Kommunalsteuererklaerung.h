#pragma once
// The yearly municipal tax return (KOMMUNALSTEUER-ERKLÄRUNG) of the employer
// or one of its sites, optionally beside the Vienna levy, and its XML file
// for FinanzOnline with the package counter.

#include "reports/BerichtKontext.h"

namespace lohn {

inline constexpr const char* kPaketNrDatei = "PaketNr.dat";
// Held while the counter is read, stepped and written, so that two returns
// written at the same moment never get one number.
inline constexpr const char* kPaketNrSperre = "PaketNr.lck";
inline constexpr const char* kKommStSatzNull = "Kommunalsteuersatz darf nicht 0 sein!";
inline constexpr const char* kXmlOrdnerFrage =
    "Quandrel hat eine XML-Datei zur elektronischen Übermittlung an FinanzOnline erstellt. "
    "Wollen Sie jetzt den Ordner mit der XML-Datei zusätzlich zum Bericht öffnen?";

// The generator of "Kommunalsteuererklaerung": the twelve months of jahr for
// site `standort` (0: the whole employer), with o.dga the levy of
// o.dgaWerte. The report is written first; then the XML file, unless a
// value would be refused (one message naming each) or the counter cannot be
// read; the counter steps only after the XML file is in place. False
// (after the message) when a rate is refused or a data file cannot be read.
bool PrintKommunalsteuerErklaerung(AppState& state, const BerichtOptionen& o);

}  // namespace lohn
