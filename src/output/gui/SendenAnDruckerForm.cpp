#include "output/gui/SendenAnDruckerForm.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

TsendenAnDruckerForm::TsendenAnDruckerForm(QWidget* parent) : QDialog(parent) {
  setObjectName("sendenAnDruckerForm");
  setWindowTitle("Bericht an den Drucker senden");
  setWindowModality(Qt::ApplicationModal);
  auto* v = new QVBoxLayout(this);
  for (const char* text : {"der Bericht wird an den", "Drucker gesendet ..."}) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    v->addWidget(l);
  }
  InfoLabel = new QLabel(this);
  InfoLabel->setObjectName("InfoLabel");
  v->addWidget(InfoLabel);
  // The title bar shows the caption whole: its text (bold in many window
  // frames) beside the icon and the frame's buttons.
  QFont titel = font();
  titel.setBold(true);
  const int captionBreite = QFontMetrics(titel).horizontalAdvance(windowTitle()) + 160;
  setFixedSize(sizeHint().expandedTo(QSize(std::max(280, captionBreite), 0)));
}

void TsendenAnDruckerForm::Seite(int seite) {
  InfoLabel->setText(QStringLiteral("sende Seite %1").arg(seite));
  if (!isVisible()) {
    if (QScreen* schirm = QGuiApplication::primaryScreen())
      move(schirm->availableGeometry().center() - rect().center());
    show();
  }
  QCoreApplication::processEvents();
}
