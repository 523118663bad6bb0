#pragma once
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <string>

#include "reports/DgaDaten.h"
#include "store/AppState.h"

// "DGA-Daten erfassen": the Vienna levy of the year, five series by twelve
// months (Edit1..Edit60) over a DgaDaten; OK and "Speichern" save them
// into <stem>DGAOpt.dat and close the window.
class TDGAdatenForm : public QDialog {
  Q_OBJECT
 public:
  TDGAdatenForm(lohn::AppState& state, lohn::DgaDaten& daten, std::string stem,
                QWidget* parent = nullptr);
  ~TDGAdatenForm() override;

  QLineEdit* Feld(int feld) const { return felder_.at(feld - 1); }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Speichern();

  lohn::AppState& state_;
  lohn::DgaDaten& daten_;
  std::string stem_;
  std::array<QLineEdit*, lohn::kDgaFelder> felder_{};
};
