#include "frame/gui/KalenderForm.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

TKalenderForm::TKalenderForm(const platform::Clock& clock, QWidget* parent) : QDialog(parent) {
  setObjectName("KalenderForm");
  setWindowTitle("Kalender");

  Calendar1 = new QCalendarWidget(this);
  Calendar1->setObjectName("Calendar1");
  // The month is stepped with the window's own buttons only.
  Calendar1->setNavigationBarVisible(false);
  Calendar1->setLocale(QLocale(QLocale::German, QLocale::Austria));
  Calendar1->setFirstDayOfWeek(Qt::Monday);
  Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

  Button1 = new QPushButton("<<<", this);
  Button1->setObjectName("Button1");
  Button1->setToolTip("1 Monat zurück");
  Button2 = new QPushButton(">>>", this);
  Button2->setObjectName("Button2");
  Button2->setToolTip("1 Monat nach vor");
  Monat = new QLabel(this);
  Monat->setObjectName("Monat");
  Jahr = new QLabel(this);
  Jahr->setObjectName("Jahr");
  auto* slash = new QLabel("/", this);
  slash->setObjectName("Label1");

  auto* row = new QHBoxLayout;
  row->addWidget(Button1);
  row->addStretch();
  row->addWidget(Monat);
  row->addWidget(slash);
  row->addWidget(Jahr);
  row->addStretch();
  row->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(Calendar1);

  connect(Button1, &QPushButton::clicked, this, [this] { Schritt(-1); });
  connect(Button2, &QPushButton::clicked, this, [this] { Schritt(+1); });
  connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TKalenderForm::Calendar1Change);

  auto heute = lohn::KalenderHeute(clock);
  Calendar1->setSelectedDate(QDate(heute.year, heute.month, heute.day));
  Calendar1Change();
}

lohn::KalenderDatum TKalenderForm::Datum() const {
  QDate d = Calendar1->selectedDate();
  return {d.year(), d.month(), d.day()};
}

void TKalenderForm::Schritt(int delta) {
  auto d = lohn::KalenderMonatSchritt(Datum(), delta);
  Calendar1->setSelectedDate(QDate(d.year, d.month, d.day));
  Calendar1Change();
}

void TKalenderForm::Calendar1Change() {
  auto d = Datum();
  Calendar1->setCurrentPage(d.year, d.month);
  Monat->setText(QString::fromStdString(lohn::KalenderMonatText(d)));
  Jahr->setText(QString::fromStdString(lohn::KalenderJahrText(d)));
}
