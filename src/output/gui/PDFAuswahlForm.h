#pragma once
#include <QDialog>

#include "store/AppState.h"

class ClickLabel;
class QPlainTextEdit;
class QPushButton;

// The one-time notice before the first PDF: PDF printers, or the simple PDF
// of the program itself. Whichever way it closes, the PDF route goes on.
class TPDFAuswahlForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPDFAuswahlForm(lohn::AppState& state, QWidget* parent = nullptr);

  QPlainTextEdit* Memo1;
  ClickLabel* Label1;
  QPushButton* integriertesPDFButton;
  QPushButton* BitBtn1;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Label1Click();
  void BitBtn1Click();

  lohn::AppState& state_;
};
