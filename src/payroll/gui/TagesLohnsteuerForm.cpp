#include "payroll/gui/TagesLohnsteuerForm.h"

TTagesLohnsteuerForm::TTagesLohnsteuerForm(lohn::PersFormKontext& k, QWidget* parent)
    : TRechnerForm(
          k, [&k](lohn::RechnerFeldBesucher& v) { k.rechner.tagesLohnsteuer.texte.Felder(v); },
          "TagesLohnsteuerForm", "Lohnsteuer für Tageslohn berechnen", parent) {
  Edit("BruttoBezugEdit", "Grundlage LST");
  Edit("TageEdit", "Tage");
  Check("AlleinErzVerdCheckBox", "Allein-Erzieher oder -Verdiener");
  Edit("TagesLohnEdit", "Tageslohn");
  Edit("TagesLohnsteuerEdit", "Tages-Lohnsteuer");
  Abschliessen(true);
}
