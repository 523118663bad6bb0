#pragma once
#include <QDialog>

#include "frame/Kalender.h"
#include "platform/Clock.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

// The month calendar; each opener creates its own and shows it non-modally.
class TKalenderForm : public QDialog {
  Q_OBJECT
 public:
  explicit TKalenderForm(const platform::Clock& clock, QWidget* parent = nullptr);

  lohn::KalenderDatum Datum() const;

  QCalendarWidget* Calendar1;
  QLabel* Monat;
  QLabel* Jahr;
  QPushButton* Button1;
  QPushButton* Button2;

 private:
  void Schritt(int delta);
  void Calendar1Change();
};
