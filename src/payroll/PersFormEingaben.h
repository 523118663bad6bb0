#pragma once
// What the employee window does with the user's entries as he moves through
// it: fields that widen while they have the focus, filters that reduce a
// text to a number, notices on an implausible social position, remark or
// refund group, and the buttons beside these fields.
//
// The filters of typing run on the user's typing only and the rules of
// leaving only when the user leaves a field: a record that the program
// shows or a new employee keeps its texts as they were set. No rule here
// writes a file or refuses a save.

#include <span>
#include <string_view>

#include "payroll/PersFormModel.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

namespace lohn {

inline constexpr const char* kHinweisLehrlingUmlagen =
    "Hinweis: Für Lehrlinge (Feld \"Soziale Stellung\" = 1) sind die Umlagen KU, WF, SW, NB und "
    "IE nicht zu berechen. Prüfen Sie bitte die Einstellungen der Checkboxen für \"Umlagen\".";
inline constexpr const char* kHinweisAngestellterMitArbeiter =
    "Hinweis: Soziale Stellung 3 = Angestellter und Checkbox \"Arbeiter\" angehakt (weiter unten "
    "neben der Beitragsgruppe) ist nicht plausibel.";
inline constexpr const char* kHinweisArbeiterBeiAngestelltem =
    "Hinweis: Soziale Stellung 3 = Angestellter und Checkbox \"Arbeiter\" angehakt ist nicht "
    "plausibel.";
inline constexpr const char* kHinweisSozialeStellung =
    "Hinweis: Soziale Stellung ist nicht plausibel. Wählen Sie bitte 1 = Lehrling, 2 = Arbeiter "
    "oder 3 = Angestellte.";
inline constexpr const char* kMeldungBemerkungZuLang =
    "Maximale Textlänge im Feld Bemerkung ist 100 Zeichen!";
inline constexpr const char* kMeldungRueckverrechnungsgruppe =
    "Die Beitragsgruppe ist nicht gültig! - Geben Sie einen der folgende Werte ein (N25a N25b "
    "N25c) oder entfernen Sie alle Zeichen aus dem Feld!";
inline constexpr const char* kFrageBeitragsgruppenRechner =
    "Soll jetzt das e-SERVICE von Elda zur Ermittlung der richtigen Beitragsgruppe geöffnet "
    "werden? (Internetverbindung erforderlich) - Bei [nein] wird die BEITRAGSGRUPPEN-TABELLE "
    "geöffnet!";
inline constexpr const char* kBeitragsgruppenTabelle = "HTML/Beitragsgruppen.pdf";
inline constexpr const char* kBeitragssenkungInfo = "HTML/ALV-Beitrag200807.pdf";

// A field that is wider while it has the focus than its place in the
// layout, which keeps the width on leaving.
struct BreitesFeld {
  const char* name;
  int betreten;
  int verlassen;
  const char* muster = nullptr;  // a text the field shows whole in both widths
};
std::span<const BreitesFeld> BreiteFelder();

// Gives the widening fields their width and attaches the filters of typing
// (user-only). Run once per model.
void PersFormEingabenAnbinden(platform::Dialogs& dlg, PersFormModel& f);

// A widening field entered (`fokus`) takes its wider width, left its
// narrower one.
void PersFormEingabeBreite(PersFormModel& f, std::string_view name, bool fokus);
// The user left a field: its rule. A text that is no number after filtering
// throws ConversionError and stays as filtered.
void PersFormEingabeVerlassen(platform::Dialogs& dlg, PersFormModel& f, std::string_view name);

// "?" beside the contribution group: the online calculator of the groups
// (Yes) or the table of the groups (No).
void SpeedButton29Click(platform::Dialogs& dlg, platform::Shell& shell);

}  // namespace lohn
