#pragma once
// Turns the finished report text file into the copies the viewer, the
// browser and the spreadsheet read, and into the viewer's list.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kQuanTxtFile = "QUAN.TXT";
inline constexpr const char* kQuanHtmFile = "QUAN.HTM";
inline constexpr const char* kQuandrelCsvFile = "Quandrel.csv";

inline constexpr const char* kKopienVerwendet =
    "Eine der Dateien \"Quandrel.csv\", \"quan.txt\" oder \"quan.htm\" wird gerade von einem "
    "anderen Programm (z.B. Excel) oder von einem anderen Quandrel-Benutzer im Netzwerk "
    "verwendet. Versuchen Sie es bitte nochmals oder beenden Sie das andere Programm!";
inline constexpr const char* kMaxZeilenText =
    "Max 10.000 Zeilen darstellbar - Klicken Sie auf \"mit Textverarbeitung öffnen\" um alle "
    "Zeilen zu sehen!";

struct BerichtAnsicht {
  std::vector<std::uint8_t> bytes;  // the report text file as read
  std::vector<std::string> zeilen;  // the list entries (UTF-8)
  bool excel = false;               // the spreadsheet button is shown
  std::string name;                 // the report's name, proposed for a printed file
};

// The browser copy: a Windows-1252 declaration, the font prefix, every
// character with blanks as "&nbsp;", markup characters escaped, CR followed
// by "<BR>", a form feed followed by three line breaks and itself again.
std::vector<std::uint8_t> HtmlKopie(const std::vector<std::uint8_t>& text);
// The spreadsheet copy: "_" and "=" dropped, a number's single decimal point
// made a comma.
std::vector<std::uint8_t> CsvKopie(const std::vector<std::uint8_t>& text);
// The viewer's list: one entry per CR-ended line and one for a last line
// without its end, three blank entries per form feed, at most 10,001
// entries, the last then kMaxZeilenText.
std::vector<std::string> ListenZeilen(const std::vector<std::uint8_t>& text);

// Reads the report text file once, writes the copies atomically and builds
// the list; nothing (after kKopienVerwendet) when a copy cannot be written.
std::optional<BerichtAnsicht> ShowBericht(AppState& state);

}  // namespace lohn
