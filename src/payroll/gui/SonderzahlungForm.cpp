#include "payroll/gui/SonderzahlungForm.h"

#include <QFormLayout>
#include <QLineEdit>

TSonderzahlungForm::TSonderzahlungForm(lohn::PersFormKontext& k, QWidget* parent)
    : TRechnerForm(
          k, [&k](lohn::RechnerFeldBesucher& v) { k.rechner.sonderzahlung.texte.Felder(v); },
          "SonderzahlungForm", "Sonderzahlung berechnen", parent) {
  Edit("BruttoLfdEdit", "Brutto lfd. Monat");
  Edit("BruttoDurchschnittEdit", "Brutto im Durchschnitt");
  Edit("AnzahlMonateEdit", "SZ für Anzahl Monate");
  Check("DurchschnittCheckBox", "berechnen mit Brutto im Durchschnitt");
  Edit("SonderZahlungEdit", "Sonderzahlung");
  Abschliessen(false);
  FokusBeimZeigen("AnzahlMonateEdit");
  Anzeigen();
}

void TSonderzahlungForm::Angezeigt() {
  auto* zeilen = findChild<QFormLayout*>();
  const bool durchschnitt = k_.rechner.sonderzahlung.texte.DurchschnittCheckBox;
  for (auto [name, benutzt] : {std::pair{"BruttoLfdEdit", !durchschnitt},
                               std::pair{"BruttoDurchschnittEdit", durchschnitt}})
    if (QWidget* l = zeilen->labelForField(findChild<QLineEdit*>(name))) l->setEnabled(benutzt);
}
