#pragma once
#include <QTimer>
#include <QWidget>

// The splash window while the program starts; its timer closes it.
class TWartenForm : public QWidget {
  Q_OBJECT
 public:
  explicit TWartenForm(QWidget* parent = nullptr);
  QTimer* Timer1;

 private:
  void Timer1Timer();
};
