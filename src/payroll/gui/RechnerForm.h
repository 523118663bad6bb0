#pragma once
#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "payroll/Hilfsrechner.h"
#include "payroll/PersFormAbrechnung.h"

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the four calculators of the employee window share: fields bound by
// name to the calculator's texts in the employee window's core, shown on
// every show and after every handler, the highlighted fields, and the
// buttons "Berechnen", "Übernehmen" and "Abbrechen". Every way of closing
// without taking over restores what the opening proposed.
class TRechnerForm : public QDialog {
  Q_OBJECT
 public:
  // The calculator's texts into the widgets.
  void Anzeigen();

  QPushButton* BerechnenButton = nullptr;
  QPushButton* UebernehmenButton = nullptr;
  QPushButton* AbbrechenButton = nullptr;

 public slots:
  void done(int result) override;

 protected:
  TRechnerForm(lohn::PersFormKontext& k, std::function<void(lohn::RechnerFeldBesucher&)> felder,
               const char* name, const char* titel, QWidget* parent);

  // A line of the form: caption and an edit, check box or shown value.
  QLineEdit* Edit(const char* name, const char* caption, const char* hint = "");
  QCheckBox* Check(const char* name, const char* caption);
  QLabel* Wert(const char* name, const char* caption);
  // The note on the coloured fields and the buttons; `extras`: "Kalender",
  // "Rechner" and "Handbuch" as well.
  void Abschliessen(bool extras);
  // The field that gets the focus, its text selected, on every show.
  void FokusBeimZeigen(const char* name) { fokus_ = name; }

  // False while the last "Berechnen" failed on a text: "Übernehmen" is off.
  virtual bool MitErgebnis() const = 0;
  virtual bool Berechnen() = 0;
  // True when the result was taken over; the window may have closed itself.
  virtual bool Uebernehmen() = 0;
  virtual void Abbrechen() = 0;
  virtual void Geaendert(std::string_view) {}
  virtual void Verlassen(std::string_view) {}
  // After the texts were shown: what else follows them.
  virtual void Angezeigt() {}

  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

  lohn::PersFormKontext& k_;

 private:
  void Setze(const std::string& name, const QString& text);
  void SetzeHaken(const std::string& name, bool on);

  std::function<void(lohn::RechnerFeldBesucher&)> felder_;
  QFormLayout* zeilen_;
  std::map<std::string, QWidget*> widgets_;
  std::map<QObject*, std::string> namen_;
  const char* fokus_ = nullptr;
  bool anzeigen_ = false;
};
