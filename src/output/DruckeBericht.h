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
inline constexpr int kKleinsterSchriftgrad = 6;
inline constexpr int kGroessterSchriftgrad = 18;

struct DruckEinstellung {
  int schriftgrad = 10;  // the viewer's size box; taken within 6..18
  bool logo = false;     // "Logo drucken"
  std::string schrift = "Lucida Console";
};

// Told the number of every page as it begins (1, 2, ...).
using DruckFortschritt = std::function<void(int seite)>;

// Prints the report text (Windows-1252, lines ended by CR LF, a form feed
// before the first line of a new document page). False when the print job
// did not start (print dialog cancelled); nothing is drawn then.
bool DruckeBericht(platform::PrintCanvas& canvas, platform::Dialogs& dialogs,
                   const std::vector<std::uint8_t>& bytes, const DruckEinstellung& einstellung,
                   const DruckFortschritt& fortschritt = {});

}  // namespace lohn
