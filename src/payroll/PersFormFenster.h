#pragma once
// The employee window as a whole: what its creation, show and close do, the
// side panels, the field resets that several buttons share, the status-bar
// hints, the input filters of the window's extra fields, the two free-text
// files per employee and the openers of manuals, videos and info lists.
// Everything works on the field model; the window only mirrors it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "payroll/PersFormModel.h"
#include "platform/Shell.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr int kPersFormBreite = 990;           // with the side panel
inline constexpr int kPersFormBreiteOhneMenue = 810;  // side panel hidden
inline constexpr int kPersFormBreiteMitMenue = 1006;  // side panel shown again with ">"

// "Dienstnehmer und Abrechnungsdaten 2014".
std::string PersFormTitel(const YearValues& year);

// Creation: memo and fixed lists, the starting switches, the employee list
// and a new employee. Attaches the rules that need the program state (the
// employee list's choice); run it once per model.
// Without `mitDaten` the window is only built: its employee list stays
// empty and no new employee is prepared until it is opened (the data
// files are not read).
void PersFormCreate(AppState& state, PersFormModel& f, bool mitDaten = true);
// Each show: clears the registration panel, sets the width by the side panel.
void PersFormShow(PersFormModel& f);
// Closing: a registration panel still open is closed first.
void PersFormClose(PersFormModel& f);
// The registration panel's close button.
void Button9Click(PersFormModel& f);

// Side panels.
void Label191Click(PersFormModel& f);       // " << ": hide the side panel
void Label193Click(PersFormModel& f);       // ">": show it again
void SpeedButton37Click(PersFormModel& f);  // "mehr Felder ..."
void Label194Click(PersFormModel& f);       // " X " on the extra fields
void Label195Click(PersFormModel& f);       // " ? " on the extra fields
void Label196Click(PersFormModel& f);       // "X" on the commuter-euro info

// Sets the month fields to their empty state (also the wage-type lines).
void ClearAbrechnungFields(PersFormModel& f);
// The fields that ClearAbrechnungFields sets to "0", in its order.
std::span<const char* const> MonatsfelderNull();
// Every empty number field of the window becomes "0,00", "0" or "01".
void NormalizeNumericFields(PersFormModel& f);
// Empties the registration panel's fields, its kind of registration and
// change code included.
void ResetEldaPanel(PersFormModel& f);

// The number fields that the save converts before anything else, in order.
const std::vector<std::string>& SpeichernZahlenfelder();

// Entering a field: the status bar shows "Hinweis: " and the field's hint
// (or is emptied for the address fields and the net amounts).
void PersFormFeldBetreten(PersFormModel& f, std::string_view name);
// Entering a field also widens it where it widens (PersFormEingaben).
// Leaving a field: its width back, the rules of PersFormEingaben, the input
// filters of the window's extra fields and the check of the contribution
// group; nothing but the width when the program's own focus request moved
// the focus away.
void PersFormFeldVerlassen(AppState& state, PersFormModel& f, std::string_view name);
// A text typed or chosen by the user; a text that does not convert is
// reported and stays in the field.
void PersFormBenutzerText(AppState& state, PersFormModel& f, std::string_view name,
                          std::string text);
void PersFormBenutzerHaken(AppState& state, PersFormModel& f, std::string_view name, bool on);

// The per-employee free texts printed on the pay slip.
enum class FreiText { Vorschuss, Spesen };
// "<stem>_<PersNr>_Vorschuss.TXT" or "<stem>_<PersNr>_Spesen.TXT".
std::string FreiTextDateiName(std::string_view stem, std::string_view persNr, FreiText art);
// Label56 / Label55: creates the file with its first words when it is
// missing and opens it in the editor of .TXT files.
void OeffneFreiText(AppState& state, PersFormModel& f, FreiText art);

// Manuals, videos and the commuter-euro video, by the control that opens them.
struct PersFormOeffner {
  enum class Art { Dokument, Programm };
  const char* control;
  Art art;
  const char* ziel;  // relative to the working directory, or a web address
};
const std::vector<PersFormOeffner>& PersFormOeffnerListe();
// False when the control opens nothing.
bool PersFormOeffnen(platform::Shell& shell, std::string_view control);

// The info lists shown in the help-text window.
struct PersFormInfo {
  const char* control;
  const char* datei;
  const char* titel;
};
const std::vector<PersFormInfo>& PersFormInfoListe();

// Label192 on the registration panel.
extern const char* const kAufloesungsabgabeHinweis;

}  // namespace lohn
