#pragma once
// The registration file (.VM) of one employee: header, one registration
// record from the registration panel and the employee's master data as the
// employee window holds them, trailer.

#include <cstdint>
#include <string>
#include <string_view>

#include "elda/EldaDatei.h"
#include "payroll/PersFormModel.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kVmArtFehlt =
    "A C H T U N G :  wählen Sie bitte einen Dienstnehmer und die \"Art der Meldung\" aus!";
inline constexpr const char* kVmSvNrUngueltig =
    "Geben Sie bitte eine gültige Sozialversicherungsnummer (SV-Nr) ein!";
inline constexpr const char* kVmSchlussfrage =
    "Quandrel hat ELDA-Daten erstellt. Wollen Sie den Ordner jetzt öffnen um die Daten mit "
    "\"ELDA Software\" zu übermitteln? Prüfen Sie dann bitte die Meldebestätigung von ELDA!";

inline constexpr const char* kVmNichtErstellt = "Es wurde keine Datei erstellt.";

// The family name's part of the file name: trimmed, characters that a file
// name cannot hold as "_", cut or filled with "_" to 5 characters.
std::string VmNamensteil(std::string_view famName);
// "<stem>_P_<nr>_<name5>_<kind>.VM".
std::string VmDateiName(std::string_view stem, std::int32_t persNr, std::string_view famName,
                        std::string_view art);

// The file's name and its three records. Dates are normalised (ADAT by the
// rule of its kind) and amounts converted here, whatever the fields hold;
// one that does not convert throws ConversionError, and so does a field that
// does not fit (a code not in its list, a negative amount, too many digits),
// with one message naming every such field.
// `svNr` is the SV number's ten digits.
EldaDateiBild VersichertenMeldungBild(const AppState& state, const PersFormModel& f,
                                      const std::string& svNr);

// Writes the registration file of the employee in the window through the
// ELDA writer; refuses without ten digits of SV number, a kind or a family
// name, and reports a field that does not convert. True when written.
bool WriteEldaVersichertenMeldung(AppState& state, PersFormModel& f);

}  // namespace lohn
