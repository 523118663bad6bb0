#pragma once
// The registration panel of the employee window: its code lists become
// codes, the kind of registration colours the fields it needs and those
// that do not apply, dates and texts are cleaned when a field is left, the
// day list, the per-employee data file and the create button.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "payroll/PersFormModel.h"
#include "platform/Clock.h"
#include "store/AppState.h"

namespace lohn {

inline constexpr const char* kEldaPanelLesefehler =
    "Die Versichertenmeldungsdaten konnten nicht gelesen werden.";
inline constexpr const char* kEldaErstellungsfehler =
    "Bei der Erstellung der Daten ist ein Fehler aufgetreten, starten Sie das Programm bitte neu!";

// Number of values in the panel's data file.
inline constexpr int kEldaPanelWerte = 42;

// The panel's fields in the order of its data file; check boxes end in "_CB".
const std::vector<const char*>& EldaPanelDateiFelder();
// The date fields that have a "heute" button ("Heute<Feld>"), ADAT first.
const std::vector<const char*>& EldaDatumsfelder();

// Every ";" becomes ",".
std::string ReplaceSemicolons(std::string_view text);
// D.M.YYYY or D.M.YY (20YY) as DD.MM.YYYY, day and month checked against
// the calendar; "" and "0" stay. Anything else throws ConversionError
// "'<text>' ist kein gültiges Datum". `tagNull`: the day "00" of a casual
// employment's month is taken too.
std::string NormalizeDateText(std::string_view text, bool tagNull = false);
// Today as DD.MM.YYYY.
std::string TodayAsDottedDate(const platform::Clock& clock);
// An amount of the panel: the number's characters, then converted as the
// window's amounts are (StrToBetrag). Throws ConversionError.
double EldaPanelBetrag(std::string_view text);

// ADAT as the kind of registration wants it: for "05" and "15" the day
// becomes "00", for any other kind a day "00" becomes "01"; the rest is
// normalised. Throws ConversionError, the text is then unchanged.
std::string AdatFuerArt(std::string_view adat, std::string_view art);

// Attaches the panel's rules (code lists, colours, kind of registration) to
// the model, sets its start colours and plugs the data file into the
// window's save and select steps. Once per model.
void EldaPanelAnbinden(PersFormModel& f);

// The colours of every field switched by the kind of registration back to
// their plain state.
void ResetEldaFieldColours(PersFormModel& f);
// DN_Satzart changed: colours, AECD, the ADAT rule. A date that does not
// convert is reported by the ConversionError thrown after the colours are
// set.
void DN_SatzartChange(PersFormModel& f);

// Leaving one of the panel's fields (dates, amounts, whole numbers, texts).
// Throws ConversionError; the field then keeps its text.
void EldaPanelFeldVerlassen(PersFormModel& f, std::string_view name);

// "An-/Abmelden ..." (BitBtn1): the panel over the window.
void BitBtn1Click(PersFormModel& f);
// A "heute" button beside a date field.
void HeuteClick(AppState& state, PersFormModel& f, std::string_view feld);
// The day panel: opened by TageButton, OK, the "X" beside the count and
// "Beenden".
void TageButtonClick(PersFormModel& f);
void TagePanelOKButtonClick(PersFormModel& f);
void AnzTageLoeschenButtonClick(PersFormModel& f);
void TagePanelBeendenButtonClick(PersFormModel& f);

// "<stem>_EldaVM_<nr>.DAT"; none when the Personal-Nr is no whole number.
std::optional<std::string> EldaPanelDataFile(const std::string& stem, std::string_view persNr);
// Writes the panel's 42 values of the employee in PersNrEdit, replacing the
// file whole; a failure is reported and keeps the old file. False then.
bool SaveEldaPanelData(AppState& state, PersFormModel& f);
// Reads that file into the panel, when there is one (the first 42 values).
void LoadEldaPanelData(AppState& state, PersFormModel& f);

// "Daten für ELDA erstellen" (BitBtn2): saves the employee and, when the
// save succeeded, writes the registration file.
void BitBtn2Click(AppState& state, PersFormModel& f);

}  // namespace lohn
