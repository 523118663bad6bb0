#pragma once
#include "payroll/gui/RechnerForm.h"

// "Ersatzleistungen für Urlaubsentgelt berechnen": compensation for holiday
// not taken.
class TUrlaubsAbfindungForm : public TRechnerForm {
  Q_OBJECT
 public:
  TUrlaubsAbfindungForm(lohn::PersFormKontext& k, QWidget* parent);

 protected:
  bool MitErgebnis() const override { return !k_.rechner.urlaubsAbfindung.ohneErgebnis; }
  bool Berechnen() override { return lohn::UrlaubsAbfindungBerechnen(k_); }
  bool Uebernehmen() override {
    return lohn::UrlaubsAbfindungUebernehmen(k_, [this] { accept(); });
  }
  void Abbrechen() override { lohn::RechnerAbbrechen(k_.rechner.urlaubsAbfindung); }
  void Verlassen(std::string_view name) override { lohn::UrlaubsAbfindungFeldVerlassen(k_, name); }
};
