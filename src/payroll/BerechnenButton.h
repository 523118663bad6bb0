#pragma once
// "Berechnen" (BerechnenButon) of the employee window: checks the selection
// and every input, shows notices on doubtful settings, takes the employer's
// lock files, saves the employee, calculates the month and saves its
// payroll, and releases the lock files on every way out.

#include <string>
#include <vector>

#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormModel.h"
#include "platform/Dialogs.h"

namespace lohn {

inline constexpr const char* kMeldungBerechnungAuswahl =
    "Selektieren Sie bitte vor der Berechnung Monat, Jahr und Dienstnehmer!";
// The payroll's key must be whole numbers before anything is calculated.
inline constexpr const char* kMeldungSchluesselFehlt =
    "Folgende Felder müssen Zahlenwerte enthalten; PersNr., Monat, Jahr";
inline constexpr const char* kMeldungBeitragsgruppeVor2003 =
    "ACHTUNG! Die Beitragsgruppen haben sich ab 2003 geändert. - Bitte selektieren Sie die "
    "Beitragsgruppe für diesen Dienstnehmer neu - und klicken Sie dann nochmals auf "
    "\"Berechnen\"!  (Diese Neuselektion muß je Dienstnehmer nur einmal durchgeführt werden.)";
inline constexpr const char* kFrageUeberschreiben =
    "Wollen Sie die vorhandene Abrechnung wirklich neu berechnen und überschreiben?";
inline constexpr const char* kMeldungNegativerNettobetrag =
    "Abrechnung mit negativem Nettobetrag kann nicht gespeichert werden. Wählen Sie vorherige "
    "Abrechnungen aus um diese ggf. zu korrigieren.";
inline constexpr const char* kMeldungExekutionOhneBetrag =
    "HINWEIS: Das Optionskästchen \"Exekution\" ist markiert aber im Eingabefeld \"Exekution\" "
    "wurde kein gültiger Betrag erfasst!";
inline constexpr const char* kFrageUpdateInfo =
    "Wollen Sie sich jetzt über ein Update ihrer Software informieren? (Internetverbindung "
    "erforderlich)";

// The 55 amount fields that the click converts, in this order, before it
// writes anything.
const std::vector<std::string>& BerechnenZahlenfelder();

// The contribution-group names of the years before 2003 that are still
// found in old employee records.
bool IstBeitragsgruppeVor2003(const std::string& text);

// Notices only; nothing is changed.
void ShowGeschaeftsfuehrerHint(platform::Dialogs& dlg, const PersFormModel& f);
void ShowGeringfuegigHint(platform::Dialogs& dlg, const PersFormModel& f);

// The SV days that the click takes over from the part-month salary
// calculator: its day field, or "30" when that holds no days.
std::string TeilGehaltTageFuerBerechnung(const PersFormModel& f);

// The click. True when the month was calculated (saved or, with a negative
// net, only shown); false when the click stopped before.
bool BerechnenButonClick(PersFormKontext& k);

}  // namespace lohn
