#pragma once
#include "payroll/gui/RechnerForm.h"

// "Lohnsteuer für Tageslohn berechnen".
class TTagesLohnsteuerForm : public TRechnerForm {
  Q_OBJECT
 public:
  TTagesLohnsteuerForm(lohn::PersFormKontext& k, QWidget* parent);

 protected:
  bool MitErgebnis() const override { return !k_.rechner.tagesLohnsteuer.ohneErgebnis; }
  bool Berechnen() override { return lohn::TagesLohnsteuerBerechnen(k_); }
  bool Uebernehmen() override {
    return lohn::TagesLohnsteuerUebernehmen(k_, [this] { accept(); });
  }
  void Abbrechen() override { lohn::RechnerAbbrechen(k_.rechner.tagesLohnsteuer); }
  void Geaendert(std::string_view name) override { lohn::TagesLohnsteuerFeldGeaendert(k_, name); }
};
