#pragma once
#include <QDialog>
#include <map>

#include "frame/Adresse.h"
#include "store/AppState.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;

// "Dienstgeber-Daten bearbeiten": the employer's own record.
class TAdresseForm : public QDialog {
  Q_OBJECT
 public:
  TAdresseForm(lohn::AppState& state, QWidget* parent = nullptr);

  QComboBox* AnredeComboBox;
  QLineEdit *NameEdit, *StrasseEdit, *LandEdit, *PlzEdit, *OrtEdit, *Telefon1Edit, *Telefon2Edit,
      *Telefon3Edit, *Fax1Edit, *Fax2Edit, *NotizEdit, *BankEdit, *VersTraegerCodeEdit, *BlzEdit,
      *BankKontoEdit;
  QPushButton *Button1, *Button2, *Button3;
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3;
  QLabel* Label7;
  QStatusBar* StatusBar1;

  lohn::AdresseFields Fields() const;
  void ShowFields(const lohn::AdresseFields& f);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Button1Click();
  void PlzEditChange();
  QLineEdit* AddEdit(const char* name);

  lohn::AppState& state_;
  // Record 1 as this window read it.
  lohn::GelesenesBild gelesen_;
};
