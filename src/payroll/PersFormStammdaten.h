#pragma once
// The employee's master data in the employee window: the employee list, a
// new employee, choosing and showing an employee, the window back into the
// record, saving under the employer's lock file, the SV-number check and
// deleting an employee with all his payroll records.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "payroll/PersFormModel.h"
#include "store/AppState.h"
#include "store/Numbers.h"
#include "store/PersonalRecord.h"

namespace lohn {

// A field's text that does not convert, with the field's name: the handler
// that shows the message puts the focus there, so that the user sees which
// field it is (its hint shows in the status bar).
class FeldKonversionsFehler : public ConversionError {
 public:
  FeldKonversionsFehler(std::string_view feld, const ConversionError& e)
      : ConversionError(e.what()), feld(feld) {}
  std::string feld;
};

// Runs `umwandeln`; a ConversionError it throws names the field `feld`.
template <class Umwandlung>
auto ImFeld(std::string_view feld, Umwandlung umwandeln) {
  try {
    return umwandeln();
  } catch (const FeldKonversionsFehler&) {
    throw;
  } catch (const ConversionError& e) {
    throw FeldKonversionsFehler(feld, e);
  }
}

// Shows the error's message; a field that it names gets the focus, and the
// message names the field's caption and the window where it has one.
void ZeigeKonversionsFehler(platform::Dialogs& dlg, PersFormModel& f, const ConversionError& e);

// A window amount as a record stores it ("1.234,50" too, StrToBetrag).
// Throws FeldKonversionsFehler when the text is not a number or too large
// for the record's 6-byte real.
double FeldBetrag(const PersFormModel& f, std::string_view name);
// A stored amount as the window shows it: two decimals, "," before them.
std::string BetragText(double v);

// Visitors of a record's field list (one call per field, by control name):
// record -> window, amounts with two decimals and whole numbers without ...
struct ZeigeFelder {
  PersFormModel& f;
  void Text(const char* name, const std::string& v, std::size_t) { f.SetText(name, v); }
  void Ganz(const char* name, std::int32_t v) { f.SetText(name, std::to_string(v)); }
  void Betrag(const char* name, double v) { f.SetText(name, BetragText(v)); }
  void Haken(const char* name, bool v) { f.SetChecked(name, v); }
};
// ... and window -> record, texts cut to their capacity; a text that does not
// convert stops with its ConversionError.
struct LeseFelder {
  const PersFormModel& f;
  void Text(const char* name, std::string& v, std::size_t n);
  void Ganz(const char* name, std::int32_t& v);
  void Betrag(const char* name, double& v) { v = FeldBetrag(f, name); }
  void Haken(const char* name, bool& v) { v = f.Checked(name); }
};

// The employee list's entry "<family name> | Nr. <Personal-Nr>".
std::string PersonalNrListEntry(std::string_view famName, std::int32_t persNr);
// The text after the first " | Nr. " of an entry; empty without one.
std::string PersonalNrFromListEntry(std::string_view entry);

// Rebuilds the employee list from <stem>.PER: an empty first entry, then one
// entry per employee, sorted by name. A file that cannot be read gives the
// empty entry alone.
void FillPersonalNrList(AppState& state, PersFormModel& f);

// Prepares a new employee: the defaults of every master-data field, the
// month fields cleared, the next free Personal-Nr proposed. Writes no file.
void NewPersonal(AppState& state, PersFormModel& f);
// "neuen Dienstnehmer anlegen" (Button1, SpeedButton21).
void Button1Click(AppState& state, PersFormModel& f);

// The user chose or typed an entry of the employee list.
void PersonalNrComboBoxChange(AppState& state, PersFormModel& f);
// Shows the employee with this number and the payroll of the chosen period,
// then applies the age-60 rule; nothing changes when there is no such
// employee.
void SelectPersonal(AppState& state, PersFormModel& f, std::int32_t persNr);
// The same with the employee's record image at hand; the window keeps it as
// read, for the save to compare with.
void ZeigePersonal(AppState& state, PersFormModel& f, const std::vector<std::uint8_t>& bild);
// The fields of a record into the window.
void ShowPersonalRecord(PersFormModel& f, const PersonalRecord& r);
// The window into CurrentPersonal. Throws ConversionError for a field that
// does not convert (CurrentPersonal then stays as it was). An empty or "0"
// ELDA reference becomes the Personal-Nr, also in the field.
const PersonalRecord& FormToPersonalRecord(PersFormModel& f);
// FormToPersonalRecord, save into <stem>.PER (replace or insert), refill the
// list. True when the record was written. While a part payroll is shown
// (part number above 0), the pay fields (Gehalt/Std-Lohn, Zulage,
// Überstd-Satz, Mehrstd-Satz, Zuschl. %) keep what the employee file holds
// for him; the other master data are saved from the window. When another program changed
// the record since the window read it (or created or deleted it), the user is
// asked first; a no writes nothing and shows the stored record again.
bool SavePersonalFromForm(AppState& state, PersFormModel& f);
// Shows the stored record of this number again; a new employee when there
// is none any more.
void PersonalNeuLaden(AppState& state, PersFormModel& f, std::int32_t persNr);
// "<Vorname> <Familienname>" as the window shows them.
std::string PersonalAnzeigeName(const PersFormModel& f);
// Refuses an employee without family name; otherwise checks both SV numbers,
// fills empty number fields, saves and then warns about a wrong SV number.
// The caller holds the lock file. True when the record was saved.
bool ValidatePersonalBeforeSave(AppState& state, PersFormModel& f);
// "Dienstnehmer speichern" (Button2, SpeedButton22). True when the employee
// was saved (also with a warning about his SV number).
bool Button2Click(AppState& state, PersFormModel& f);
// "den Dienstnehmer mit Abrechnungsdaten LÖSCHEN" (Button5, SpeedButton23).
// His registration panel's data file goes with him.
void Button5Click(AppState& state, PersFormModel& f);

// An Austrian SV number (SVNRTTMMJJ) with its check digit, a replacement
// number "0000" + date of birth, or an empty text.
bool CheckSvNummer(std::string_view text);

}  // namespace lohn
