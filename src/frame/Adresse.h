#pragma once
// The rules of the employer data window: what it shows, what it warns about
// when a field is left, the hints, and the save of record 1.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/AppState.h"

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
// employer's record 1 when there is one.
AdresseFields LoadAdresseFields(const AppState& state);

// The warning when a field is left with a wrong length; only a warning.
std::optional<std::string> AdresseExitWarning(std::string_view control, const std::string& text);

// The status-bar text when a field is entered: "Hinweis: <hint>" or " ".
std::string AdresseEnterHint(std::string_view control);

// "&Speichern": writes record 1 under the .SAD lock and reloads the employer
// globals. False when nothing was written (lock present, file missing, write
// failed; the message has been shown), so the window keeps what was typed.
bool SaveAdresse(AppState& state, const AdresseFields& fields);

}  // namespace lohn
