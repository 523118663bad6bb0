#include "frame/gui/DatOpenForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "frame/DienstgeberVerwaltung.h"
#include "frame/Videos.h"
#include "frame/gui/AdresseForm.h"
#include "store/DienstgeberStore.h"
#include "store/ProgramState.h"

TDatOpenForm::TDatOpenForm(lohn::AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("DatOpenForm");
  setWindowTitle("  Dienstgeber auswählen");
  setModal(true);

  auto* current = new QLabel("derzeit ausgewählter Dienstgeber:", this);
  Label4 = new QLabel(QString::fromStdString(state.DataFileStem), this);
  Label4->setObjectName("Label4");
  QFont bold = Label4->font();
  bold.setBold(true);
  Label4->setFont(bold);

  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setToolTip("selektieren Sie einen Dienstgeber");
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setToolTip("Kurzbezeichnung - max 8 Zeichen ohne Sonderzeichen");

  Button1 = new QPushButton("&Anlegen", this);
  Button1->setObjectName("Button1");
  Button1->setToolTip("einen neuen Dienstgeber anlegen");
  Button3 = new QPushButton("A&uswählen", this);
  Button3->setObjectName("Button3");
  Button3->setToolTip("auswählen und bearbeiten des selektierten Dienstgebers");
  Button4 = new QPushButton("&Löschen", this);
  Button4->setObjectName("Button4");
  Button4->setToolTip("löschen des selektierten Dienstgebers mit allen Daten");
  Button2 = new QPushButton("&Abbrechen", this);
  Button2->setObjectName("Button2");
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText("Abbrechen");
  SpeedButton2 = new QToolButton(this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setText("Handbuch");
  for (QPushButton* b : {Button1, Button3, Button4}) b->setEnabled(false);
  for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(current);
  top->addWidget(Label4);
  top->addStretch();
  top->addWidget(SpeedButton2);
  top->addWidget(SpeedButton1);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Dienstgeber:", this), 0, 0);
  grid->addWidget(FileListBox1, 1, 0, 4, 1);
  grid->addWidget(Button3, 1, 1);
  grid->addWidget(Button4, 2, 1);
  grid->addWidget(new QLabel("Kurzbezeichnung:", this), 5, 0);
  grid->addWidget(Edit1, 6, 0);
  grid->addWidget(Button1, 6, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addLayout(bottom);

  connect(FileListBox1, &QListWidget::itemClicked, this, [this] { FileListBox1Click(); });
  // Choosing with the arrow keys counts like a click.
  connect(FileListBox1, &QListWidget::itemSelectionChanged, this, [this] {
    if (!FileListBox1->selectedItems().isEmpty()) FileListBox1Click();
  });
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TDatOpenForm::FileListBox1DblClick);
  connect(Edit1, &QLineEdit::textEdited, this, &TDatOpenForm::Edit1Change);
  connect(Button1, &QPushButton::clicked, this, &TDatOpenForm::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &TDatOpenForm::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TDatOpenForm::Button4Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(SpeedButton1, &QToolButton::clicked, this, &QDialog::reject);
  connect(SpeedButton2, &QToolButton::clicked, this,
          [this] { state_.services.shell.Open(lohn::kHandbuchFile); });
  FillFileList();
  resize(460, 380);
}

void TDatOpenForm::FillFileList() {
  FileListBox1->clear();
  for (const std::string& stem : lohn::ListDienstgeber())
    FileListBox1->addItem(QString::fromStdString(stem + ".ABR"));
}

std::string TDatOpenForm::SelectedFile() const {
  QListWidgetItem* item = FileListBox1->currentItem();
  return item && item->isSelected() ? item->text().toStdString() : std::string();
}

void TDatOpenForm::FileListBox1Click() {
  Button1->setEnabled(false);
  Button3->setEnabled(true);
  Button4->setEnabled(true);
}

void TDatOpenForm::FileListBox1DblClick(QListWidgetItem*) {
  if (Button3->isEnabled()) Button3Click();
}

void TDatOpenForm::Edit1Change(const QString& text) {
  if (auto msg = lohn::CheckDienstgeberNameTyping(text.toStdString()))
    state_.dialogs().ShowMessage(*msg);
  Button3->setEnabled(false);
  Button4->setEnabled(false);
  Button1->setEnabled(true);
  Button1->setDefault(true);
}

void TDatOpenForm::Button1Click() {
  std::string name = Edit1->text().toStdString();
  if (name.empty()) {
    state_.dialogs().ShowMessage("Bitte geben Sie einen Namen für den neuen Dienstgeber ein!");
    return;
  }
  bool created = false;
  if (auto refusal = lohn::CheckNewDienstgeberName(name)) {
    state_.dialogs().ShowMessage(*refusal);
  } else {
    bool exists = false;
    created = lohn::CreateDienstgeber(state_, name, &exists);
    if (created) {
      Label4->setText(QString::fromStdString(state_.DataFileStem));
      lohn::SaveProgramState(state_);
      if (state_.dialogs().AskYesNo(
              "Wollen Sie jetzt gleich die Daten des neuen Dienstgebers bearbeiten?")) {
        TAdresseForm form(state_, this);
        form.exec();
      }
    }
  }
  lohn::LoadDienstgeberDaten(state_);
  lohn::EnsureDokumenteFolder(state_.DataFileStem);
  if (created) accept();
}

void TDatOpenForm::Button3Click() {
  if (lohn::ChooseDienstgeber(state_, SelectedFile())) {
    Label4->setText(QString::fromStdString(state_.DataFileStem));
    accept();
  }
}

void TDatOpenForm::Button4Click() {
  if (lohn::DeleteDienstgeber(state_, SelectedFile())) {
    reopen_ = true;
    accept();
  }
}

void ShowDatOpenForm(lohn::AppState& state, QWidget* parent) {
  for (;;) {
    TDatOpenForm form(state, parent);
    form.exec();
    if (!form.reopenAfterDelete()) break;
  }
}
