#include "frame/gui/WartenForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
// Our own pictures: a coin stack as logo and a ledger page.
QPixmap LogoPicture() {
  QPixmap pm(64, 64);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(QColor(218, 165, 32));
    p.setPen(QColor(140, 100, 10));
    p.drawEllipse(QRectF(10, 40 - i * 9, 44, 16));
  }
  return pm;
}

QPixmap LedgerPicture() {
  QPixmap pm(220, 120);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setPen(QColor(0, 90, 140));
  p.drawRect(10, 10, 200, 100);
  for (int y = 30; y < 110; y += 15) p.drawLine(10, y, 210, y);
  p.drawLine(150, 10, 150, 110);
  p.setFont(QFont("DejaVu Sans", 9, QFont::Bold));
  p.drawText(16, 25, "Lohn / Gehalt");
  p.drawText(156, 25, "EUR");
  return pm;
}
}  // namespace

TWartenForm::TWartenForm(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setObjectName("WartenForm");
  setWindowTitle(" Quandrel Lohnverrechnung");
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  auto* logo = new QLabel(this);
  logo->setObjectName("Image1");
  logo->setPixmap(LogoPicture());
  auto* picture = new QLabel(this);
  picture->setObjectName("Image2");
  picture->setPixmap(LedgerPicture());
  auto* label = new QLabel("Quandrel wird gestartet ...", this);
  label->setObjectName("Label1");
  auto* row = new QHBoxLayout;
  row->addWidget(logo);
  row->addWidget(picture);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(label, 0, Qt::AlignHCenter);
  Timer1 = new QTimer(this);
  Timer1->setInterval(700);
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &TWartenForm::Timer1Timer);
}

void TWartenForm::Timer1Timer() { close(); }
