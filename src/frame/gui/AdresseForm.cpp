#include "frame/gui/AdresseForm.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "frame/Videos.h"
#include "frame/gui/FeldWechsel.h"
#include "frame/gui/HilfeForm.h"
#include "store/TextRoutines.h"

namespace {
constexpr const char* kGemeindeKzPage = "https://www.statistik.at/";
}

QLineEdit* TAdresseForm::AddEdit(const char* name) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->installEventFilter(this);
  return e;
}

TAdresseForm::TAdresseForm(lohn::AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("AdresseForm");
  setWindowTitle("Dienstgeber-Daten bearbeiten");
  setModal(true);

  AnredeComboBox = new QComboBox(this);
  AnredeComboBox->setObjectName("AnredeComboBox");
  AnredeComboBox->setEditable(true);
  for (const std::string& a : lohn::AnredeItems())
    AnredeComboBox->addItem(QString::fromStdString(a));
  AnredeComboBox->installEventFilter(this);
  NameEdit = AddEdit("NameEdit");
  StrasseEdit = AddEdit("StrasseEdit");
  LandEdit = AddEdit("LandEdit");
  PlzEdit = AddEdit("PlzEdit");
  OrtEdit = AddEdit("OrtEdit");
  Telefon1Edit = AddEdit("Telefon1Edit");
  Telefon2Edit = AddEdit("Telefon2Edit");
  Telefon3Edit = AddEdit("Telefon3Edit");
  Fax1Edit = AddEdit("Fax1Edit");
  Fax2Edit = AddEdit("Fax2Edit");
  NotizEdit = AddEdit("NotizEdit");
  BankEdit = AddEdit("BankEdit");
  VersTraegerCodeEdit = AddEdit("VersTraegerCodeEdit");
  BlzEdit = AddEdit("BlzEdit");
  BankKontoEdit = AddEdit("BankKontoEdit");

  Button1 = new QPushButton("&Speichern", this);
  Button1->setObjectName("Button1");
  Button2 = new QPushButton("&Abbrechen", this);
  Button2->setObjectName("Button2");
  Button3 = new QPushButton("...", this);
  Button3->setObjectName("Button3");
  Button3->setToolTip("Codes anzeigen");
  Button3->setMaximumWidth(32);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText("Handbuch");
  SpeedButton2 = new QToolButton(this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setText("Abbrechen");
  SpeedButton3 = new QToolButton(this);
  SpeedButton3->setObjectName("SpeedButton3");
  SpeedButton3->setText("Standorte   ");
  Label7 = new QLabel("<a href=\"#\">Gemeindekennziffer abfragen</a>", this);
  Label7->setObjectName("Label7");
  Label7->setToolTip("Abfrage der Gemeindekennziffer");
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);

  auto* plzRow = new QHBoxLayout;
  PlzEdit->setMaximumWidth(80);
  plzRow->addWidget(PlzEdit);
  plzRow->addWidget(OrtEdit);
  auto* codeRow = new QHBoxLayout;
  codeRow->addWidget(VersTraegerCodeEdit);
  codeRow->addWidget(Button3);
  auto* blzRow = new QHBoxLayout;
  blzRow->addWidget(BlzEdit);
  blzRow->addWidget(Label7);
  auto* form = new QFormLayout;
  form->addRow("Anrede, Titel", AnredeComboBox);
  form->addRow("Name", NameEdit);
  form->addRow("Straße", StrasseEdit);
  form->addRow("Landeskennung", LandEdit);
  form->addRow("PLZ, Ort", plzRow);
  form->addRow("Tel./Fax", Telefon1Edit);
  form->addRow("e-Mail", Telefon2Edit);
  form->addRow("SV-Beitrags-Kontonummer", Telefon3Edit);
  form->addRow("Steuernummer (7-stellig)", Fax1Edit);
  form->addRow("Versicherungsträger", Fax2Edit);
  form->addRow("Finanzamt Nr.", NotizEdit);
  form->addRow("DVR-Nr.", BankEdit);
  form->addRow("Versicherungsträger Code (ELDA)", codeRow);
  form->addRow("Gemeindekennziffer", blzRow);
  form->addRow(
      "Finanzamt- und Steuernummer des Übermittlers der KommStErkl. XML\n(2+7 = 9 Stellen)",
      BankKontoEdit);
  auto* tools = new QHBoxLayout;
  tools->addWidget(SpeedButton1);
  tools->addWidget(SpeedButton3);
  tools->addStretch();
  tools->addWidget(SpeedButton2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);

  connect(Button1, &QPushButton::clicked, this, &TAdresseForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(SpeedButton2, &QToolButton::clicked, this, &QDialog::reject);
  connect(SpeedButton1, &QToolButton::clicked, this,
          [this] { state_.services.shell.Open(lohn::kHandbuchFile); });
  connect(SpeedButton3, &QToolButton::clicked, this,
          [this] { state_.services.shell.StartProgram("Brelvan", {state_.DataFileStem}); });
  connect(Label7, &QLabel::linkActivated, this,
          [this] { state_.services.shell.Open(kGemeindeKzPage); });
  // The codes window belongs to the dialog: a window beside a modal dialog
  // takes no input.
  connect(Button3, &QPushButton::clicked, this, [this] {
    ZeigeHilfeText(state_.dialogs(), "VersicherungsTraeger.txt", "INFO: Versicherungsträger", this,
                   QPoint(5, 5));
  });
  connect(PlzEdit, &QLineEdit::textEdited, this, &TAdresseForm::PlzEditChange);

  ShowFields(lohn::LoadAdresseFields(state_, &gelesen_));
}

void TAdresseForm::ShowFields(const lohn::AdresseFields& f) {
  AnredeComboBox->setEditText(QString::fromStdString(f.AnredeComboBox));
  const std::pair<QLineEdit*, const std::string*> edits[] = {
      {NameEdit, &f.NameEdit},
      {StrasseEdit, &f.StrasseEdit},
      {LandEdit, &f.LandEdit},
      {PlzEdit, &f.PlzEdit},
      {OrtEdit, &f.OrtEdit},
      {Telefon1Edit, &f.Telefon1Edit},
      {Telefon2Edit, &f.Telefon2Edit},
      {Telefon3Edit, &f.Telefon3Edit},
      {Fax1Edit, &f.Fax1Edit},
      {Fax2Edit, &f.Fax2Edit},
      {NotizEdit, &f.NotizEdit},
      {BankEdit, &f.BankEdit},
      {VersTraegerCodeEdit, &f.VersTraegerCodeEdit},
      {BlzEdit, &f.BlzEdit},
      {BankKontoEdit, &f.BankKontoEdit}};
  for (auto& [edit, text] : edits) edit->setText(QString::fromStdString(*text));
}

lohn::AdresseFields TAdresseForm::Fields() const {
  lohn::AdresseFields f;
  auto t = [](const QLineEdit* e) { return e->text().toStdString(); };
  f.AnredeComboBox = AnredeComboBox->currentText().toStdString();
  f.NameEdit = t(NameEdit);
  f.StrasseEdit = t(StrasseEdit);
  f.LandEdit = t(LandEdit);
  f.PlzEdit = t(PlzEdit);
  f.OrtEdit = t(OrtEdit);
  f.Telefon1Edit = t(Telefon1Edit);
  f.Telefon2Edit = t(Telefon2Edit);
  f.Telefon3Edit = t(Telefon3Edit);
  f.Fax1Edit = t(Fax1Edit);
  f.Fax2Edit = t(Fax2Edit);
  f.NotizEdit = t(NotizEdit);
  f.BankEdit = t(BankEdit);
  f.VersTraegerCodeEdit = t(VersTraegerCodeEdit);
  f.BlzEdit = t(BlzEdit);
  f.BankKontoEdit = t(BankKontoEdit);
  return f;
}

void TAdresseForm::PlzEditChange() {
  QString filtered = QString::fromStdString(lohn::FilterDigits(PlzEdit->text().toStdString()));
  if (filtered != PlzEdit->text()) PlzEdit->setText(filtered);
}

bool TAdresseForm::eventFilter(QObject* watched, QEvent* event) {
  if (!IstFeldwechsel(event)) return QDialog::eventFilter(watched, event);
  std::string name = watched->objectName().toStdString();
  if (event->type() == QEvent::FocusIn) {
    StatusBar1->showMessage(QString::fromStdString(lohn::AdresseEnterHint(name)));
  } else if (event->type() == QEvent::FocusOut) {
    if (name == "BankEdit") StatusBar1->showMessage(" ");
    QLineEdit* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit && watched == AnredeComboBox) edit = AnredeComboBox->lineEdit();
    if (edit) {
      // A pasted tab or line break becomes a blank.
      const std::string text = edit->text().toStdString();
      const std::string sauber = lohn::OhneSteuerzeichen(text);
      if (sauber != text) edit->setText(QString::fromStdString(sauber));
      if (auto warning = lohn::AdresseExitWarning(name, sauber))
        state_.dialogs().ShowMessage(*warning);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TAdresseForm::Button1Click() {
  bool neuLaden = false;
  if (lohn::SaveAdresse(state_, Fields(), &gelesen_, &neuLaden))
    accept();
  else if (neuLaden)
    ShowFields(lohn::LoadAdresseFields(state_, &gelesen_));
}
