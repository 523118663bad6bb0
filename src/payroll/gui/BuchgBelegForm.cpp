#include "payroll/gui/BuchgBelegForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "frame/Videos.h"
#include "frame/gui/ClickLabel.h"
#include "store/TextRoutines.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TBuchgBelegForm::TBuchgBelegForm(lohn::AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), beleg_(lohn::BuchgBelegFormCreate(state)) {
  setObjectName("BuchgBelegForm");
  setWindowTitle("Dokumente");
  setModal(true);

  auto werkzeug = [&](const char* name, const char* hint, QStyle::StandardPixmap bild) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setIcon(style()->standardIcon(bild));
    return b;
  };
  SpeedButton1 = werkzeug("SpeedButton1", "Ordner öffnen ...", QStyle::SP_DirOpenIcon);
  Label1 = new ClickLabel("Ordner öffnen ...", this);
  Label1->setObjectName("Label1");
  Label1->setToolTip("Ordner öffnen ...");
  PfadEdit = new QLineEdit(this);
  PfadEdit->setObjectName("PfadEdit");
  PfadEdit->setToolTip("Adresse des Ordners");
  PfadEdit->setReadOnly(true);
  SpeedButton3 = werkzeug("SpeedButton3", "Ordnerinhalt aktualisieren", QStyle::SP_BrowserReload);
  SpeedButton2 = werkzeug("SpeedButton2", "Handbuch", QStyle::SP_MessageBoxQuestion);
  SpeedButton4 = werkzeug("SpeedButton4", "Schließen", QStyle::SP_DialogCloseButton);
  auto* oben = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton1, Label1, PfadEdit, SpeedButton3,
                                                    SpeedButton2, SpeedButton4})
    oben->addWidget(w, w == PfadEdit ? 1 : 0);

  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setToolTip("Beleg öffnen mit Doppelklick");
  OeffnenButton = new QPushButton("markiertes Dokument öffnen", this);
  OeffnenButton->setObjectName("OeffnenButton");
  OeffnenButton->setAutoDefault(false);

  BuchungNrEdit = new QLineEdit(this);
  BuchungNrEdit->setObjectName("BuchungNrEdit");
  BuchungNrEdit->setToolTip("Buchungsnummer");
  DateiTypCombobox = new QComboBox(this);
  DateiTypCombobox->setObjectName("DateiTypCombobox");
  DateiTypCombobox->setToolTip("bevorzugter Dateityp");
  DateiTypCombobox->setEditable(true);
  for (const std::string& t : lohn::BelegDateiTypen()) DateiTypCombobox->addItem(Q(t));
  AnzeigenButton = new QPushButton("Dokument öffnen", this);
  AnzeigenButton->setObjectName("AnzeigenButton");
  AnzeigenButton->setAutoDefault(false);
  auto* nummer = new QHBoxLayout;
  nummer->addWidget(new QLabel("Dokument öffnen mit Personalnummer:", this));
  nummer->addWidget(BuchungNrEdit);
  nummer->addWidget(DateiTypCombobox);
  nummer->addWidget(AnzeigenButton);

  auto* v = new QVBoxLayout(this);
  v->addLayout(oben);
  v->addWidget(new QLabel("Wählen Sie als Dokumentnamen die Personalnummern", this));
  v->addWidget(FileListBox1, 1);
  v->addWidget(OeffnenButton, 0, Qt::AlignLeft);
  v->addLayout(nummer);
  resize(560, 420);

  PfadEdit->setText(Q(beleg_.PfadEdit));
  BuchungNrEdit->setText(Q(beleg_.BuchungNrEdit));
  DateiTypCombobox->setCurrentText(Q(beleg_.DateiTypCombobox));
  ListeZeigen();

  connect(BuchungNrEdit, &QLineEdit::textEdited, this, [this](const QString& t) {
    beleg_.BuchungNrEdit = lohn::FilterDigitsAllowEmpty(t.toStdString());
    if (BuchungNrEdit->text() != Q(beleg_.BuchungNrEdit))
      BuchungNrEdit->setText(Q(beleg_.BuchungNrEdit));
  });
  connect(DateiTypCombobox, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { beleg_.DateiTypCombobox = t.toStdString(); });
  connect(AnzeigenButton, &QPushButton::clicked, this,
          [this] { lohn::oeffneBeleg(state_, beleg_, beleg_.BuchungNrEdit); });
  connect(OeffnenButton, &QPushButton::clicked, this, &TBuchgBelegForm::OeffnenButtonClick);
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this,
          &TBuchgBelegForm::OeffnenButtonClick);
  connect(SpeedButton1, &QToolButton::clicked, this,
          [this] { lohn::OeffneBelegOrdner(state_, beleg_); });
  connect(Label1, &ClickLabel::clicked, this, [this] { lohn::OeffneBelegOrdner(state_, beleg_); });
  connect(SpeedButton3, &QToolButton::clicked, this, [this] {
    lohn::BelegListeLesen(beleg_);
    ListeZeigen();
  });
  connect(SpeedButton2, &QToolButton::clicked, this,
          [this] { state_.services.shell.Open(lohn::kHandbuchFile); });
  connect(SpeedButton4, &QToolButton::clicked, this, &QDialog::close);
}

void TBuchgBelegForm::ListeZeigen() {
  FileListBox1->clear();
  for (const std::string& name : beleg_.FileListBox1) FileListBox1->addItem(Q(name));
}

void TBuchgBelegForm::OeffnenButtonClick() {
  std::optional<std::string> markiert;
  if (QListWidgetItem* item = FileListBox1->currentItem(); item && item->isSelected())
    markiert = item->text().toStdString();
  lohn::OeffneMarkiertenBeleg(state_, beleg_, markiert);
}

void ZeigeBuchgBelegForm(lohn::AppState& state, QWidget* parent) {
  TBuchgBelegForm form(state, parent);
  form.exec();
}
