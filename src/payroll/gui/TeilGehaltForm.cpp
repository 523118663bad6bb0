#include "payroll/gui/TeilGehaltForm.h"

TTeilGehaltForm::TTeilGehaltForm(lohn::PersFormKontext& k, QWidget* parent)
    : TRechnerForm(
          k, [&k](lohn::RechnerFeldBesucher& v) { k.rechner.teilGehalt.texte.Felder(v); },
          "TeilGehaltForm", "Gehalt berechnen", parent) {
  Edit("MonatsGehaltEdit", "Monatsgehalt");
  Edit("TageEdit", "Anzahl Tage");
  Edit("Tage_MonatEdit", "Tage/Monat");
  Edit("GehaltEdit", "Gehalt");
  Abschliessen(false);
  FokusBeimZeigen("TageEdit");
}
