#include "frame/gui/Hauptmenue.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "store/AutoBackup.h"
#include "store/FileUtil.h"
#include "store/ProgramState.h"

THauptmenue::THauptmenue(lohn::AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state) {
  setObjectName("Hauptmenue");
  auto* central = new QWidget(this);
  DienstgeberLabel = new QLabel(central);
  DienstgeberLabel->setObjectName("DienstgeberLabel");
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(DienstgeberLabel);
  layout->addStretch();
  setCentralWidget(central);

  QMenu* datei = menuBar()->addMenu("&Datei");
  QAction* beenden = datei->addAction("B&eenden");
  beenden->setObjectName("Beenden1");
  connect(beenden, &QAction::triggered, this, &THauptmenue::BeendenClick);
  resize(800, 560);
  FormCreate();
}

void THauptmenue::FormCreate() {
  DienstgeberLabel->setText(QString::fromStdString(state_.DataFileStem));
}

void THauptmenue::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  FormShow();
}

void THauptmenue::FormShow() {
  setWindowTitle("Quandrel Lohnverrechnung - Version " + QString::number(state_.year.year));
}

void THauptmenue::BeendenClick() {
  lohn::SaveProgramState(state_);
  close();
}

void THauptmenue::closeEvent(QCloseEvent* e) {
  if (!closed_) {
    closed_ = true;
    FormClose();
  }
  e->accept();
}

void THauptmenue::FormClose() {
  try {
    lohn::RunAutoBackup(state_);
  } catch (const std::exception&) {
    state_.dialogs().ShowMessage("Daten-Verbindung ist nicht mehr verfügbar!");
  }
  if (lohn::FileExists(lohn::kStopAutoBackupFile))
    state_.dialogs().ShowMessage(
        "Führen Sie bitte regelmässig eine Datensicherung durch! Sehen Sie dazu die Hinweise im "
        "Handbuch unter Hilfe.");
}
