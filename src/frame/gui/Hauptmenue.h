#pragma once
#include <QMainWindow>

#include "store/AppState.h"

class QLabel;

// The main window.
class THauptmenue : public QMainWindow {
  Q_OBJECT
 public:
  THauptmenue(lohn::AppState& state, QWidget* parent = nullptr);

  QLabel* DienstgeberLabel;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void FormCreate();
  void FormShow();
  void FormClose();
  void BeendenClick();

  lohn::AppState& state_;
  bool closed_ = false;
};
