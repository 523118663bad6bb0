#pragma once
#include <QDialog>

#include "payroll/BuchgBeleg.h"
#include "store/AppState.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class ClickLabel;

// "Dokumente": the employer's documents folder, its files, and opening a
// document by personnel number or from the list.
class TBuchgBelegForm : public QDialog {
  Q_OBJECT
 public:
  TBuchgBelegForm(lohn::AppState& state, QWidget* parent);

  QLineEdit* PfadEdit;
  QListWidget* FileListBox1;
  QLineEdit* BuchungNrEdit;
  QComboBox* DateiTypCombobox;
  QPushButton* AnzeigenButton;
  QPushButton* OeffnenButton;
  QToolButton* SpeedButton1;
  ClickLabel* Label1;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton3;
  QToolButton* SpeedButton4;

 private:
  void ListeZeigen();
  void OeffnenButtonClick();

  lohn::AppState& state_;
  lohn::BuchgBeleg beleg_;
};

// Every opener of the documents window: a new one, child of the opener,
// shown modally.
void ZeigeBuchgBelegForm(lohn::AppState& state, QWidget* parent);
