#pragma once
#include "payroll/gui/RechnerForm.h"

// "Sonderzahlung berechnen": a special payment for a number of months.
class TSonderzahlungForm : public TRechnerForm {
  Q_OBJECT
 public:
  TSonderzahlungForm(lohn::PersFormKontext& k, QWidget* parent);

 protected:
  bool MitErgebnis() const override { return !k_.rechner.sonderzahlung.ohneErgebnis; }
  bool Berechnen() override { return lohn::SonderzahlungBerechnen(k_); }
  bool Uebernehmen() override { return lohn::SonderzahlungUebernehmen(k_); }
  void Abbrechen() override { lohn::RechnerAbbrechen(k_.rechner.sonderzahlung); }
  void Verlassen(std::string_view name) override { lohn::SonderzahlungFeldVerlassen(k_, name); }
  // The caption of the input not in use is disabled.
  void Angezeigt() override;
};
