#include "output/gui/PDFvorbereitenForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TPDFvorbereitenForm::TPDFvorbereitenForm(QWidget* parent) : QWidget(parent, Qt::Dialog) {
  setObjectName("PDFvorbereitenForm");
  setWindowTitle("PDF-Datei erstellen");
  Label1 = new QLabel("die PDF-Datei wird erstellt ...", this);
  Label1->setObjectName("Label1");
  QFont fett = Label1->font();
  fett.setBold(true);
  Label1->setFont(fett);
  Label2 = new QLabel("schreibe Zeile", this);
  Label2->setObjectName("Label2");
  ZeileLabel = new QLabel(" ", this);
  ZeileLabel->setObjectName("ZeileLabel");
  ZeileLabel->setMinimumWidth(120);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(Label2);
  zeile->addWidget(ZeileLabel, 1);
  auto* v = new QVBoxLayout(this);
  v->addWidget(Label1);
  v->addLayout(zeile);
}

void TPDFvorbereitenForm::Zeige(const QString& text) {
  ZeileLabel->setText(text);
  // Paint without taking input: a click meanwhile must not start a second
  // route or close the viewer under it.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
