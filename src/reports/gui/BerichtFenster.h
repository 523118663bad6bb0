#pragma once
#include <QObject>
#include <QPointer>
#include <map>

#include "output/gui/DruckShowForm.h"
#include "output/gui/DruckansichtL16_2007Form.h"
#include "reports/BerichtKontext.h"
#include "reports/gui/DZForm.h"
#include "reports/gui/DruOptForm.h"
#include "store/AppState.h"

// The windows of the report run: the options window and the DZ table
// (created on first use and kept), and a new viewer for every report. They
// are windows of their own over the modal window that is open, else over
// the main window, so that they take input while the employee window is
// open. Installs itself as the context's hooks.
class BerichtFenster : public QObject {
  Q_OBJECT
 public:
  BerichtFenster(lohn::AppState& state, lohn::BerichtKontext& kontext, QWidget* hauptfenster);
  ~BerichtFenster() override;

  TDruOptForm* Optionen() const { return optionen_; }
  TDZForm* DzTabelle() const { return dz_; }
  TDruckShowForm* Ansicht(int handle) const;
  // The L16 preview of the current or last run.
  TDruckansichtL16_2007Form* L16Vorschau() const { return l16_; }

 private:
  QWidget* Eltern() const;
  // Puts a kept window over the current parent and shows it on top.
  void Zeige(QWidget* fenster);
  int OeffneAnsicht(const lohn::BerichtAnsicht& ansicht, const lohn::AnsichtGroesse& groesse);
  void SchliesseAnsicht(int handle);

  lohn::AppState& state_;
  lohn::BerichtKontext& kontext_;
  QPointer<QWidget> hauptfenster_;
  QPointer<TDruOptForm> optionen_;
  QPointer<TDZForm> dz_;
  std::map<int, QPointer<TDruckShowForm>> ansichten_;
  QPointer<TDruckansichtL16_2007Form> l16_;
  int naechste_ = 0;
};
