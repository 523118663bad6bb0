#pragma once
// What the report viewer does besides showing: the report font it
// remembers, and handing its own report to the word processor, the
// spreadsheet, the browser or the text editor.

#include <cstdint>
#include <string>
#include <vector>

#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kBerichtFontFile = "BerichtFont.dat";
inline constexpr const char* kStandardSchrift = "Lucida Console";
inline constexpr const char* kInfoEldaSeite = "HTML/InfoELDA.htm";

inline constexpr const char* kWordHinweis =
    "Quandrel versucht den Bericht mit Word zu öffnen. HINWEIS: Beachten Sie bitte die Hinweise "
    "im Handbuch zur korrekten Formatierung des Berichtes in Word! Beenden Sie Word bitte bevor "
    "Sie mit Quandrel einen neuen Bericht erstellen!";
inline constexpr const char* kExcelHinweis =
    "Quandrel versucht den Bericht mit Excel zu öffnen. HINWEIS: Beachten Sie bitte die Hinweise "
    "im Handbuch zur korrekten Formatierung des Berichtes in Excel! BEENDEN Sie Excel bitte bevor "
    "Sie mit Quandrel einen neuen Bericht erstellen!";
inline constexpr const char* kExcelOptionWaehlen =
    "Wählen Sie bitte in den Optionen für den Bericht: <<Export-Datei \"Quandrel.csv\" für EXCEL "
    "erstellen>> um den Bericht in Excel zu öffnen!";

// The report font's name from BerichtFont.dat (Windows-1252, ";" and line
// ends left out); "Lucida Console" when there is none. A file that is there
// but cannot be read is reported.
std::string LadeBerichtFont(platform::Dialogs& dialogs);
// Rewrites BerichtFont.dat with the name alone; false after the message.
bool SpeichereBerichtFont(platform::Dialogs& dialogs, const std::string& name);

enum class Uebergabe { Textverarbeitung, Tabelle, Browser, TextEditor };

// Writes the copy the other program reads from `bytes` (the viewer's own
// report) and opens it: "quan.doc", "Quandrel.csv" (only when the report was
// made for the spreadsheet, `excel`), "QUAN.HTM" or "QUAN.TXT", with the
// word processor's and spreadsheet's notices. A copy that cannot be
// written is reported and nothing is opened.
void UebergibBericht(AppState& state, Uebergabe ziel, const std::vector<std::uint8_t>& bytes,
                     bool excel);

}  // namespace lohn
