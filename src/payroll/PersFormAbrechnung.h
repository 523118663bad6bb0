#pragma once
// One month's payroll of one employee in the employee window: clearing and
// showing it, saving the window as the payroll record (after a calculation),
// deleting it, and the core of the employee window that holds the fields, the
// wage-type lines, the calculation's working values and the record buffer.
//
// The key of the payroll on screen (Personal-Nr, month, year, Teilabrechnung)
// and the key it was loaded with always agree: whoever changes a key field
// sets the key first and then reloads once (AbrechnungNeuLaden); the
// Teilabrechnung field does this itself on every change, by the user or by
// code.

#include <cstdint>
#include <optional>

#include "payroll/Hilfsrechner.h"
#include "payroll/LohnartenModel.h"
#include "payroll/PersFormModel.h"
#include "store/AbrechnungRecord.h"
#include "store/AppState.h"
#include "store/RecordFile.h"

namespace lohn {

// What the gross-to-net calculation leaves for the payroll save; kept until
// its next run. Owned by the employee window, never global.
struct BerechnungsWerte {
  // Special payments above the annual ceiling, counted with the year's
  // earlier special payments (0 .. SueberschreitungEdit).
  double SzUeberJahresgrenze = 0;
  // The same counted with the SV-free special payment and the earlier
  // SV-liable ones (0 .. SueberschreitungEdit); stored in the record.
  double ueberMaxSVBeitrGrdlSZUeberJSechstel_SV = 0;
  // SzUeberJahresgrenze - ueberMaxSVBeitrGrdlSZUeberJSechstel_SV.
  double SzUeberJahresgrenzeDifferenz = 0;
  // SV-free special payment outside the sixth and not above the ceiling.
  double SZSVfreiDifferenz = 0;
  // The annual sixth with all its digits; JahressechstelEdit shows it with two.
  double Jahressechstel = 0;
};

// Which payroll the month fields show.
struct AngezeigteAbrechnung {
  // The shown-payroll flag: the last load found a stored record.
  bool gespeichert = false;
  // The key of that load; none when a key field was empty or not a number.
  std::optional<AbrechnungKey> schluessel;
  // The stored record's image as that load read it (none: there was none),
  // for the save to notice what another program changed meanwhile.
  GelesenesBild bild;
};

// The employee window without widgets: its fields, the wage-type window's
// lines, the working values of the calculation, the shown payroll and the
// record buffer that the save fills. One for the whole run; the window and
// the core handlers work on it.
struct PersFormKontext {
  // Hooks the month payroll, the wage-type lines and the registration panel
  // into the field model.
  // PersFormCreate is still to be run on `form`.
  explicit PersFormKontext(AppState& state);
  PersFormKontext(const PersFormKontext&) = delete;
  PersFormKontext& operator=(const PersFormKontext&) = delete;

  AppState& state;
  PersFormModel form;
  LohnartenModel lohnarten;
  BerechnungsWerte werte;
  AngezeigteAbrechnung angezeigt;
  AbrechnungRecord CurrentAbrechnung;
  // The four calculators' texts, kept between their openings.
  Hilfsrechner rechner;
};

// The key as the window's fields hold it (PersNrEdit, MonatComboBox,
// JahrComboBox, AbrechngComboBox); none when a field is empty or not a whole
// number.
std::optional<AbrechnungKey> AbrechnungsSchluesselAusFeldern(const PersFormModel& f);

// Shows the stored payroll of the key in the fields, if there is one, and
// sets the shown-payroll state; the month fields must have been cleared
// before. Empties the employee list's text in every case.
void LoadAbrechnungToForm(PersFormKontext& k);
// After a key field changed: month fields cleared, the payroll of the new key
// loaded once, the employee list's text emptied.
void AbrechnungNeuLaden(PersFormKontext& k);
// AbrechngComboBox changed (by the user or by code): digits only, at most
// "1", then AbrechnungNeuLaden for the corrected key.
void AbrechngComboBoxChange(PersFormKontext& k);
// After the month or the year changed: back to the main payroll ("0") and the
// payroll of the new period loaded once.
void PeriodeNeuLaden(PersFormKontext& k);

// Whether the calculate button has to ask before overwriting: a stored
// payroll is shown for the key now in the fields. When the fields hold
// another key than the last load (a number typed afterwards), the payroll
// file decides (one pass).
bool GespeicherteAbrechnungAngezeigt(PersFormKontext& k);

// Before the payroll of `key` is written: true when the record as it stands
// in the file now (`jetzt`, null: none) is the one the window read, when the
// window read none of this key, or when the user wants to save anyway. A no
// shows the stored payroll again and gives false.
bool AbrechnungSpeichernTrotzAenderung(PersFormKontext& k, const AbrechnungKey& key,
                                       const std::uint8_t* jetzt);

// Builds CurrentAbrechnung from the window, the wage-type lines and the
// working values, and saves it into <stem>.ABR (replacing the record of the
// same key, else appending). Called by the calculate button after the
// calculation, under its lock files; takes none itself.
// - A key that is not complete: "Folgende Felder müssen Zahlenwerte
//   enthalten; PersNr., Monat, Jahr", nothing saved, false.
// - A field that does not convert, or a wage-type line that does not fit:
//   throws ConversionError; CurrentAbrechnung and the file stay as they were.
// - The store could not write: it has told the user; false.
// On success the window shows the stored payroll of its key (the next
// calculation asks before overwriting it); true.
bool SaveAbrechnungFromForm(PersFormKontext& k);
// The same for a caller that has just read <stem>.ABR in one pass under its
// lock files: `position` is the number of the key's last record there (none:
// the file has none), so the save needs no further pass.
bool SaveAbrechnungFromForm(PersFormKontext& k, std::optional<std::size_t> position);

// "Abr. löschen" (Button6): deletes the payroll of the selected key under
// the lock files .SAB and .SPE after asking; clears the month fields.
void Button6Click(PersFormKontext& k);

// "mehr Lohnarten ..." (SpeedButton24): true when the wage-type window may
// open (family name, month and year given); otherwise tells the user.
bool SpeedButton24Click(PersFormKontext& k);

// The wage-type totals into the employee window's fields
// `LohnartenSummeEdit` and `LohnartenFreiLabel` (empty while a quantity or
// rate is not a number).
void LohnartenSummenZeigen(PersFormKontext& k);

}  // namespace lohn
