#pragma once
// The gross-to-net calculation of one month's payroll of one employee. It
// works on the employee window's fields: it reads the typed texts, writes
// every intermediate and final result back as a two-decimal text, and later
// steps read the written texts again, so each amount is rounded where it
// passes through a field. The calculate button runs it; the payroll save
// builds the record from the same fields and the working values it leaves.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "payroll/Jahressechstel.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormModel.h"
#include "platform/Dialogs.h"
#include "store/AbrechnungRecord.h"

namespace lohn {

inline constexpr const char* kMeldungGehaltOderStdLohn =
    "Checkbox Gehalt ODER StdLohn muß angekreuzt sein";
inline constexpr const char* kMeldungStundenlohnUebernommen =
    "ACHTUNG: Ab Version 2004 muss für Arbeiter der Stundenlohn im Feld \"Gehalt/Std-Lohn\" "
    "erfasst werden. Der Stundenlohn wurde aus dem Feld \"Überstd-Satz\" übernommen. Bitte "
    "überprüfen Sie den Wert und speichern Sie die Daten des Dienstnehmers!";

// "0,00" into the results that the wage and special-payment steps fill only
// in some cases, so that none of them shows a value of an earlier run.
void ClearResultFields(PersFormModel& f);

// What the calculation needs before it starts: exactly one pay kind ticked
// and a known contribution group (or "-"). Otherwise the message is shown
// and the result is false. The calculate button asks this before its
// overwrite question and the employee save.
bool BerechnungMoeglich(platform::Dialogs& dlg, const PersFormModel& f);

// The whole calculation, every result written into the fields and the
// working values into k.werte. `frueher` are the employee's payroll records
// of the year (only months before the current one count). The wage-type
// totals come from k.lohnarten.
//
// Refuses, with the message shown and no field or working value changed,
// when neither or both pay kinds are ticked or the contribution group is
// unknown; false then, and there is nothing to save. A field that does not
// convert throws ConversionError (the calculate button converts all inputs
// before it calls this).
bool CalculateAbrechnung(PersFormKontext& k, std::span<const AbrechnungRecord> frueher);

}  // namespace lohn
