#pragma once
// The report items of the main window as data, and the saved report options
// that every report item loads before it opens the option window.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "store/AppState.h"

namespace lohn {

// How a report item presets the period of the option window.
enum class BerichtZeitraum {
  Vorschlag,        // the proposed month (ReportMonthProposal)
  GanzesJahr,       // months 1 to 12 while "Zeitraum vorschlagen" is ticked
  GanzesJahrBis31,  // the same, and the last day 31
  NurJahr,          // the year field only
  MonateUndJahr,    // the period fields without a preset
  Keiner,           // no period
};

// Options of the option window that a report shows (bit set).
namespace opt {
inline constexpr unsigned kZeitraum = 1u << 0, kPersonalNr = 1u << 1, kAdressZeilen = 1u << 2,
                          kExcel = 1u << 3, kKostenstelle = 1u << 4, kKontierung = 1u << 5,
                          kLohnartenDetail = 1u << 6, kTage = 1u << 7,
                          kAuslandstaetigkeit = 1u << 8, kEldaTestdaten = 1u << 9,
                          kLohnzettelSatzart = 1u << 10, kDB = 1u << 11, kDZ = 1u << 12,
                          kKommunalsteuer = 1u << 13, kDGA = 1u << 14, kRueckVerr = 1u << 15,
                          kRueckVerrAV56 = 1u << 16, kEldaDatei = 1u << 17, kEldaSatzart = 1u << 18,
                          kAufloesAbgabe = 1u << 19, kMalus = 1u << 20, kUnbezUrlaub = 1u << 21,
                          kStandort = 1u << 22, kXmlDatei = 1u << 23,
                          kDGAWerte = 1u << 24;  // the levy fields beside kDGA's box
}

// What a report item sets before the window is shown (bit set).
namespace preset {
inline constexpr unsigned kExcelAus = 1u << 0,  // untick "Export für Excel"
    kPersonalNrLeeren = 1u << 1,                // empty the Personal-Nr field
    kLohnzettelArt5Aus = 1u << 2;               // untick wage-slip kind 5
}

enum class Bericht : int {
  LohnGehaltszettel,
  Ueberweisungsliste,
  Beitragsnachweisung,
  LohnsteuerDbDzKommSt,
  JahreslohnzettelL16,
  JahreslohnzettelElda,
  Kommunalsteuererklaerung,
  Lohnkonten,
  Betriebssummenblatt,
  ArbeitsUndLohnbestaetigung,
  LohnGehaltsliste,
  UrlaubsUndZeitkonten,
  DienstnehmerZeiten,
  DienstnehmerAdressen,
  DienstnehmerGeburtsdaten,
  DienstnehmerDatenGesamt,
};
inline constexpr std::size_t kBerichtAnzahl = 16;

struct BerichtEintrag {
  Bericht bericht;
  const char* objectName;  // the menu item
  const char* caption;     // menu caption with its accelerator
  const char* shortcut;    // "Ctrl+L", or empty
  const char* titel;       // set into DruckErgebnis; the dispatch key
  BerichtZeitraum zeitraum;
  unsigned optionen;           // opt:: bits shown in the option window
  unsigned vorgaben;           // preset:: bits
  const char* hinweis;         // notice shown before the window, or nullptr
  bool ladeDruckOptionen;      // false: the saved options are not loaded first
  const char* dashboardLabel;  // caption of the dashboard label
};

const std::array<BerichtEintrag, kBerichtAnzahl>& BerichtTabelle();
const BerichtEintrag& BerichtDaten(Bericht b);

// The month the report items propose: the first item of a run fixes it to the
// current month, later items keep it. The proposal lies in the build's year:
// December when today is later, January when today is earlier.
int ProposeReportMonth(AppState& state);

// The texts a report item puts into the period fields while "Zeitraum
// vorschlagen" is ticked; a field without a value stays as it is.
struct ZeitraumVorschlag {
  std::optional<std::string> monatVon, monatBis, bisTag;
};
ZeitraumVorschlag ZeitraumVorschlagen(AppState& state, const BerichtEintrag& eintrag,
                                      bool zeitraumVorschlagen);

// The texts of the option window that <stem>DruOpt.dat keeps, with the
// window's defaults.
struct DruckOptionen {
  std::string KommunalstEdit = "3";
  std::string DBedit = "4,5";
  std::string DZedit = "0,42";
  std::string DGAAnzMitarbCBox = "1";
  std::string Wochen = "4";
  std::string DGAabzugEdit = "0";
  std::string DGABeitrag = "2,00";
  std::string AnzMalusArbEdit = "0";
  std::string MalusArbEdit = "0,00";
  std::string AnzMalusAngEdit = "0";
  std::string MalusAngEdit = "0,00";
  std::string unbezUrlEdit = "0,00";
  std::string ZeilenEdit = "6";
  std::string befreitDGA = "0";
};

inline constexpr const char* kDruckOptionenPruefen =
    "Prüfen Sie bitte die Optionen für den Bericht!";

// "<stem>DruOpt.dat".
std::string DruckOptionenDatei(const std::string& stem);

// Reads <stem>DruOpt.dat (one line, ";"-separated, Windows-1252) into the
// options in their saved order. A missing, empty or unreadable file leaves
// them as they are, and so do the values a short file lacks. True when
// KommunalstEdit is empty afterwards: the caller then shows
// kDruckOptionenPruefen.
bool LoadDruckOptionen(const std::string& stem, DruckOptionen& options);

// The one line of <stem>DruOpt.dat in Windows-1252: 14 texts, 13 ";".
std::string FormatDruckOptionen(const DruckOptionen& options);

}  // namespace lohn
