#pragma once
// The rules of the employer data window: what it shows, what it warns about
// when a field is left, the hints, and the save of record 1.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/AppState.h"
#include "store/RecordFile.h"

namespace lohn {

// The texts of the window's controls, named like the controls.
struct AdresseFields {
  std::string AnredeComboBox = "Firma";
  std::string NameEdit;
  std::string StrasseEdit;
  std::string LandEdit;
  std::string PlzEdit = "0";
  std::string OrtEdit;
  std::string Telefon1Edit;
  std::string Telefon2Edit;
  std::string Telefon3Edit;
  std::string Fax1Edit;
  std::string Fax2Edit;
  std::string NotizEdit;
  std::string BankEdit;
  std::string VersTraegerCodeEdit;
  std::string BlzEdit;
  std::string BankKontoEdit;
};

const std::vector<std::string>& AnredeItems();

// FormCreate: the defaults with the current stem as name, overwritten by the
// employer's record 1 when there is one. `gelesen` gets that record's image
// (none without one), for the save to compare with.
AdresseFields LoadAdresseFields(const AppState& state, GelesenesBild* gelesen = nullptr);

// The warning when a field is left with a wrong length; only a warning.
std::optional<std::string> AdresseExitWarning(std::string_view control, const std::string& text);

// The status-bar text when a field is entered: "Hinweis: <hint>" or " ".
std::string AdresseEnterHint(std::string_view control);

// "&Speichern": writes record 1 under the .SAD lock and reloads the employer
// globals. False when nothing was written (lock present, file missing, write
// failed; the message has been shown), so the window keeps what was typed.
// With `gelesen` (the image the window read), a record 1 that another program
// changed meanwhile is written only when the user agrees; a no writes nothing
// and sets *neuLaden, for the window to show the stored record again. After a
// save `gelesen` holds the image written.
bool SaveAdresse(AppState& state, const AdresseFields& fields, GelesenesBild* gelesen = nullptr,
                 bool* neuLaden = nullptr);

}  // namespace lohn
