#pragma once
// The insurance area of the employee window: the contribution group is
// checked when the user leaves it and sets the boxes that follow from it;
// the pay-kind boxes exclude each other; the automatic provision-fund amount
// needs the provision-fund box; the surcharge for marginal employment.

#include "payroll/PersFormModel.h"
#include "platform/Dialogs.h"

namespace lohn {

inline constexpr const char* kMeldungBeitragsgruppeNichtVerfuegbar =
    "die eingegebene Beitragsgruppe ist nicht verfügbar, wählen Sie bitte eine andere "
    "Beitragsgruppe aus.";
// The group that replaces one that is not known.
inline constexpr const char* kErsatzBeitragsgruppe = "A1";
inline constexpr const char* kHinweisMeistensStdLohn =
    "Prüfen Sie bitte die Checkboxen für \"Gehalt\" oder \"Std-Lohn\" - für die ausgewählte "
    "Beitragsgruppe ist meistens \"Std-Lohn\" zutreffend!";
inline constexpr const char* kHinweisMeistensGehalt =
    "Prüfen Sie bitte die Checkboxen für \"Gehalt\" oder \"Std-Lohn\" - für die ausgewählte "
    "Beitragsgruppe ist meistens \"Gehalt\" zutreffend!";
inline constexpr const char* kFrageUmlagenEntfernen =
    "Diese Beitragsgruppe ist von den Umlagen befreit. Soll die Selektion bei den Umlagen jetzt "
    "entfernt werden?";
inline constexpr const char* kHinweisBmvgHaken =
    "Hinweis: Die Checkbox \"BMVG\" links unten bei den DN-Daten muss ebenfalls aktiviert sein "
    "um Beiträge für den Dienstnehmer zu berechnen.";
inline constexpr const char* kHinweisBmvgWirdAktiviert =
    "Die Checkbox \"BMVG\" wird nun für diesen DN aktiviert!";

// Leaving BeitragsgruppeComboBox, also when the group did not change: blanks
// around it are dropped, an unknown group is reported and becomes "A1";
// then "Arbeiter" and "geringf.Besch." follow the group, a hint points at a
// pay kind that rarely fits it, and for a levy-exempt group the user is
// asked whether to untick KU, SW, WF, IE and NB. The pay kinds stay as
// they are.
void BeitragsgruppeComboBoxExit(platform::Dialogs& dlg, PersFormModel& f);

// The user's clicks on the pay kinds: the other box becomes the opposite.
void ArbeiterCheckBoxClick(PersFormModel& f);
void AngestellterCheckBoxClick(PersFormModel& f);
// The user ticking "auto": the amount is only charged with "BMVG" ticked,
// which this ticks, telling so.
void BMVGberechnenCheckBoxClick(platform::Dialogs& dlg, PersFormModel& f);
// "...": the surcharge of 2.5 % of the provision-fund amount.
void Button8Click(platform::Dialogs& dlg, PersFormModel& f);

// Attaches the three click rules to the user's own changes of the boxes, so
// that showing a stored employee never flips them.
void VersicherungsRegelnAnhaengen(platform::Dialogs& dlg, PersFormModel& f);

}  // namespace lohn
