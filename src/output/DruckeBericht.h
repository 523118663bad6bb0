#pragma once
// A report text on the printer: left and top margin, an optional logo, the
// title bold at double height, page numbers and the column header repeated
// on every page that the printer starts because the previous one is full.
// Positions are in 0.1 mm from the top left of the printable area.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/PrintCanvas.h"

namespace lohn {

inline constexpr const char* kLogoFile = "LOGO.bmp";
inline constexpr const char* kDruckJobTitel = "Quandrel ZR";
inline constexpr const char* kLogoFehlt =
    "HINWEIS: Datei LOGO.bmp existiert nicht! Bericht wird daher ohne Logo gedruckt.";
inline constexpr const char* kLogoUnlesbar =
    "HINWEIS: Datei LOGO.bmp kann nicht gelesen werden! Bericht wird daher ohne Logo gedruckt.";
inline constexpr const char* kZeilenAbgeschnitten =
    "HINWEIS: Einige Zeilen des Berichts sind auch in Schriftgröße 6 breiter als die "
    "bedruckbare Seite und werden rechts abgeschnitten. Wählen Sie bei \"Drucker einrichten\" "
    "das Querformat, um sie vollständig zu drucken.";
inline constexpr int kKleinsterSchriftgrad = 6;
inline constexpr int kGroessterSchriftgrad = 18;

struct DruckEinstellung {
  int schriftgrad = 10;  // the viewer's size box; taken within 6..18
  bool logo = false;     // "Logo drucken"
  std::string schrift = "Lucida Console";
  // Set once a missing or unreadable logo was named, so the notice comes
  // once per program run (nullptr: at every print).
  bool* logoGemeldet = nullptr;
};

// Told the number of every page as it begins (1, 2, ...).
using DruckFortschritt = std::function<void(int seite)>;

// Prints the report text (Windows-1252, lines ended by CR LF, a form feed
// before the first line of a new document page). False when the print job
// did not start (print dialog cancelled); nothing is drawn then. A line
// wider than the paper's printable width makes the whole job smaller, down
// to kKleinsterSchriftgrad; what is still too wide is cut after one
// kZeilenAbgeschnitten notice.
bool DruckeBericht(platform::PrintCanvas& canvas, platform::Dialogs& dialogs,
                   const std::vector<std::uint8_t>& bytes, const DruckEinstellung& einstellung,
                   const DruckFortschritt& fortschritt = {});

}  // namespace lohn
