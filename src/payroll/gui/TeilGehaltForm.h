#pragma once
#include "payroll/gui/RechnerForm.h"

// "Gehalt berechnen": the salary for part of a month.
class TTeilGehaltForm : public TRechnerForm {
  Q_OBJECT
 public:
  TTeilGehaltForm(lohn::PersFormKontext& k, QWidget* parent);

 protected:
  bool MitErgebnis() const override { return !k_.rechner.teilGehalt.ohneErgebnis; }
  bool Berechnen() override { return lohn::TeilGehaltBerechnen(k_); }
  bool Uebernehmen() override { return lohn::TeilGehaltUebernehmen(k_); }
  void Abbrechen() override { lohn::RechnerAbbrechen(k_.rechner.teilGehalt); }
  void Geaendert(std::string_view name) override { lohn::TeilGehaltFeldGeaendert(k_, name); }
  void Verlassen(std::string_view name) override { lohn::TeilGehaltFeldVerlassen(k_, name); }
};
