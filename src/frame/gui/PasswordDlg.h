#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// The login window at start.
class TPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPasswordDlg(QWidget* parent = nullptr);
  // The text of the password edit after OK; empty after "Abbrechen".
  QString EnteredPassword() const { return entered_; }

  QComboBox* NameComboBox;
  QLineEdit* Password;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  void OKBtnClick();
  void CancelBtnClick();
  QString entered_;
};
