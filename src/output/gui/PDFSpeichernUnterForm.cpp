#include "output/gui/PDFSpeichernUnterForm.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/BerichtPdf.h"
#include "store/TextRoutines.h"

TPDFSpeichernUnterForm::TPDFSpeichernUnterForm(lohn::AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("PDFSpeichernUnterForm");
  setWindowTitle("Speichern unter");

  DateiNameEdit = new QLineEdit(this);
  DateiNameEdit->setObjectName("DateiNameEdit");
  DateiNameEdit->setToolTip("geben Sie den gewünschten Dateinamen ein");
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->addItem("*.PDF");
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setToolTip("Doppelklick öffnet existierendes PDF-Dokument");
  DirectoryListBox1 = new QListWidget(this);
  DirectoryListBox1->setObjectName("DirectoryListBox1");
  DirectoryListBox1->setToolTip("Zielverzeichnis ist das Arbeitsverzeichnis von Quandrel");
  DirectoryListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  Button1 = new QPushButton("Speichern", this);
  Button1->setObjectName("Button1");
  QFont fett = Button1->font();
  fett.setBold(true);
  Button1->setFont(fett);
  Button1->setDefault(true);
  Button2 = new QPushButton("Abbrechen", this);
  Button2->setObjectName("Button2");

  auto* felder = new QFormLayout;
  felder->addRow("Dateiname:", DateiNameEdit);
  felder->addRow("Dateityp:", ComboBox1);
  auto* listen = new QHBoxLayout;
  listen->addWidget(FileListBox1, 1);
  auto* ordner = new QVBoxLayout;
  ordner->addWidget(new QLabel("Zielverzeichnis (nicht änderbar):", this));
  ordner->addWidget(DirectoryListBox1);
  listen->addLayout(ordner, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(Button1);
  knoepfe->addWidget(Button2);
  auto* v = new QVBoxLayout(this);
  v->addLayout(felder);
  v->addLayout(listen, 1);
  v->addLayout(knoepfe);
  resize(560, 320);

  connect(FileListBox1, &QListWidget::currentItemChanged, this,
          &TPDFSpeichernUnterForm::FileListBox1Change);
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this,
          &TPDFSpeichernUnterForm::FileListBox1DblClick);
  connect(DateiNameEdit, &QLineEdit::textChanged, this,
          &TPDFSpeichernUnterForm::DateiNameEditChange);
  connect(Button1, &QPushButton::clicked, this, &TPDFSpeichernUnterForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TPDFSpeichernUnterForm::reject);
}

void TPDFSpeichernUnterForm::showEvent(QShowEvent* e) {
  datei_.reset();
  FileListBox1->clear();
  for (const std::string& d : lohn::PdfDateien()) FileListBox1->addItem(QString::fromStdString(d));
  DirectoryListBox1->clear();
  DirectoryListBox1->addItem(QDir::toNativeSeparators(QDir::currentPath()));
  if (DateiNameEdit->text().isEmpty()) DateiNameEdit->setText(lohn::kPdfVorschlag);
  DateiNameEdit->setFocus();
  QDialog::showEvent(e);
}

void TPDFSpeichernUnterForm::FileListBox1Change(QListWidgetItem* item) {
  if (item)
    DateiNameEdit->setText(
        QString::fromStdString(lohn::getNameFromPfad(item->text().toStdString())));
}

// The listed name is the real one: "bericht.pdf" stays "bericht.pdf".
void TPDFSpeichernUnterForm::FileListBox1DblClick(QListWidgetItem* item) {
  if (item) state_.services.shell.Open(item->text().toStdString());
}

void TPDFSpeichernUnterForm::DateiNameEditChange(const QString& text) {
  QString feld = QString::fromStdString(lohn::PdfNameImFeld(text.toStdString()));
  if (feld != text) DateiNameEdit->setText(feld);
}

void TPDFSpeichernUnterForm::Button1Click() {
  datei_ = lohn::PdfDateiName(DateiNameEdit->text().toStdString());
  if (!datei_) {
    state_.dialogs().ShowMessage(lohn::kPdfLeererName);
    return;
  }
  accept();
}

// "Abbrechen" and the close box alike: no file, and the next time the
// proposal again.
void TPDFSpeichernUnterForm::reject() {
  datei_.reset();
  DateiNameEdit->clear();
  QDialog::reject();
}
