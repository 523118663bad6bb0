#pragma once
// What the main window does, without the window: its menu, toolbar and
// dashboard as data, the items that only tell the user something or start
// another program, releasing the employer's lock files, the backup switch,
// the picture marker and the developer tools.

#include <optional>
#include <string>
#include <vector>

#include "frame/HauptmenueBerichte.h"
#include "platform/Clock.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kBildMarkerFile = "vuderizPic.dat";
inline constexpr const char* kDevelopmentToolsFile = "developmentToos.cfg";
inline constexpr const char* kReportFileName = "quan.doc";

inline constexpr const char* kHerstellerWeb = "www.quandrel.at";
inline constexpr const char* kHerstellerMail = "office@quandrel.at";
// Sibling programs, started by name from the program's folder.
inline constexpr const char* kBackupProgramm = "quanBackup";
inline constexpr const char* kStandortProgramm = "Brelvan";
inline constexpr const char* kKostenstellenProgramm = "Zimbrel";
// The health insurance fund's online calculator of the contribution groups.
inline constexpr const char* kBeitragsgruppenRechner =
    "https://www.gesundheitskasse.at/beitragsgruppenrechner";
// The desktop calculator stands in for the platform's "calc".
inline constexpr const char* kRechnerProgramm = "gnome-calculator";

// Everything an item, button or label of the main window can do.
enum class Aktion {
  DienstgeberNeu,
  DienstgeberAuswaehlen,
  KennwortAendern,
  DatenSichern,
  LohndatenFreigeben,
  AutobackupUmschalten,
  Vorjahr,
  Beenden,
  DienstnehmerUndAbrechnung,
  DienstgeberDaten,
  StandortDaten,
  KostenstellenDaten,
  Logo,
  Bericht,  // one of the report items; the entry names which
  EldaOnline,
  Versichertenmeldung,
  HilfeElda,
  EldaFehlercodes,
  FormulareUsp,
  ZerAruDokumentation,
  Notizen,
  ExplorerOeffnen,
  Formulare,
  SchulungsVideos,
  Handbuch,
  SupportOnline,
  BestellungInternet,
  UpdatesOnline,
  SupportMail,
  UpdateMail,
  VersionsInfo,
  OrdnerInfo,
  Kalender,
  Rechner,
  Dokumente,
};

enum class Menue { Datei, DateiDienstgeber, Lohndaten, Berichte, Elda, Extras, Hilfe };

struct MenueEintrag {
  Menue menue;
  const char* objectName;
  const char* caption;   // with its accelerator; "" for the previous-year item (set at show)
  const char* shortcut;  // "Ctrl+F", "F1" or empty
  Aktion aktion;
  Bericht bericht;  // only for Aktion::Bericht
  bool trennerDavor;
};

struct MenueKopf {
  Menue menue;
  const char* objectName;
  const char* caption;
};

struct ToolbarEintrag {
  const char* objectName;
  const char* hint;
  const char* kurz;  // the short text drawn on the button
  Aktion aktion;
  Bericht bericht;
};

enum class Spalte { Abrechnung, Berichte, Hilfe };

struct DashboardEintrag {
  std::string objectName;
  const char* caption;
  Spalte spalte;
  Aktion aktion;
  Bericht bericht;
};

// The menus in the order of the menu bar, and their items for this year's
// build (the documentation item exists only in the newest build).
const std::vector<MenueKopf>& MenueKoepfe();
std::vector<MenueEintrag> MenueTabelle(const YearValues& year);
const std::vector<ToolbarEintrag>& ToolbarTabelle();
const std::vector<DashboardEintrag>& DashboardTabelle();

// Items that need no window of their own: messages, questions, shell starts,
// the lock release and the password change. False for the items that open a
// window; the main window runs those itself.
bool FuehreAus(AppState& state, Aktion aktion);

// The notice before the video window of the ELDA help items.
void HilfeEldaHinweis(AppState& state);

// "Tipp: ..." before the employee window while DEMO is open.
void DemoTipp(AppState& state);

// "Lohndaten &freigeben": backup, notice, then the lock files of the current
// employer in the order .SAB, .SAD, .SPE, .SST, .SKO. Every file that stays
// is named in a message of its own; true when none stayed.
bool LohndatenFreigeben(AppState& state);

// The caption of the backup switch for the current marker file.
std::string AutobackupCaption();
// Switches the automatic backup; the new caption comes back.
std::string AutobackupUmschalten(AppState& state);

// Double click on the picture: true when it is hidden for good now.
bool BildAusblenden(AppState& state);
bool BildAusgeblendet();

bool EntwicklerWerkzeuge();

// "Jahr 2013 bearbeiten ..." for the 2014 build.
std::string VorjahrCaption(const YearValues& year);

// The notice of the new payroll year around the turn of the year, if due.
std::optional<std::string> NeuesJahrHinweis(const YearValues& year, const platform::DateTime& now);

// Developer tools: the length of a text in characters, and the part of it
// from the 1-based position `von` with the length `laenge` (both typed texts;
// a text that is not a number throws ConversionError).
std::string TextLaenge(const std::string& text);
std::string TeilText(const std::string& text, const std::string& von, const std::string& laenge);

// "mailto:" address with a subject, encoded for the mail program.
std::string MailtoAdresse(const std::string& adresse, const std::string& betreff);

}  // namespace lohn
