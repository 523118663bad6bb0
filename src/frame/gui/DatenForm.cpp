#include "frame/gui/DatenForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "frame/Daten.h"
#include "frame/Videos.h"
#include "frame/gui/ClickLabel.h"

namespace {
void FillFileList(QListWidget* list, const std::string& folder) {
  list->clear();
  for (const auto& name : lohn::LohnDatenDateien(folder))
    list->addItem(QString::fromStdString(name));
}
}  // namespace

TDatenForm::TDatenForm(lohn::AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("DatenForm");
  setWindowTitle("Daten");

  auto* label1 = new QLabel("Ihre Lohn-Daten befinden sich im Verzeichnis:", this);
  label1->setObjectName("Label1");
  DirectoryListBox1 = new QListWidget(this);
  DirectoryListBox1->setObjectName("DirectoryListBox1");
  auto* label3 = new QLabel("Lohn-Daten auf Ihrem PC", this);
  label3->setObjectName("Label3");
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName("FileListBox1");
  ZiellaufwerkLabel = new QLabel(this);
  ZiellaufwerkLabel->setObjectName("ZiellaufwerkLabel");
  FileListBox2 = new QListWidget(this);
  FileListBox2->setObjectName("FileListBox2");

  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText("Daten kopieren");
  SpeedButton1->setToolTip("Daten kopieren");
  Button2 = new QPushButton("Aktualisieren", this);
  Button2->setObjectName("Button2");
  Button3 = new QPushButton("Wiederherstellung der Daten", this);
  Button3->setObjectName("Button3");
  auto* explorerPicture = new ClickLabel({}, this);
  explorerPicture->setObjectName("Image1");
  explorerPicture->setPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(24, 24));
  Label2 = new ClickLabel("Windows Explorer öffnen", this);
  Label2->setObjectName("Label2");
  Label2->ShowAsLink();
  Label14 = new ClickLabel("Ziellaufwerk konfigurieren", this);
  Label14->setObjectName("Label14");
  Label14->ShowAsLink();
  SpeedButton2 = new QToolButton(this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setText("Handbuch");
  SpeedButton2->setToolTip("Handbuch");
  Button1 = new QPushButton("Schließen", this);
  Button1->setObjectName("Button1");

  auto* lists = new QGridLayout;
  lists->addWidget(label1, 0, 0, 1, 2);
  lists->addWidget(DirectoryListBox1, 1, 0, 1, 2);
  lists->addWidget(label3, 2, 0);
  lists->addWidget(ZiellaufwerkLabel, 2, 1);
  lists->addWidget(FileListBox1, 3, 0);
  lists->addWidget(FileListBox2, 3, 1);
  auto* explorerRow = new QHBoxLayout;
  explorerRow->addWidget(explorerPicture);
  explorerRow->addWidget(Label2);
  explorerRow->addStretch();
  explorerRow->addWidget(Label14);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(SpeedButton1);
  buttons->addWidget(Button2);
  buttons->addWidget(Button3);
  buttons->addStretch();
  buttons->addWidget(SpeedButton2);
  buttons->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(explorerRow);
  layout->addLayout(buttons);

  connect(SpeedButton1, &QToolButton::clicked, this,
          [this] { lohn::DatenKopieren(state_, [this] { Aktualisieren(); }); });
  connect(Button2, &QPushButton::clicked, this, &TDatenForm::Aktualisieren);
  connect(Button3, &QPushButton::clicked, this,
          [this] { lohn::WiederherstellungDerDaten(state_); });
  connect(Label2, &ClickLabel::clicked, this, [this] { lohn::DatenOrdnerOeffnen(state_); });
  connect(explorerPicture, &ClickLabel::clicked, this,
          [this] { lohn::DatenOrdnerOeffnen(state_); });
  connect(Label14, &ClickLabel::clicked, this, [this] { lohn::ZiellaufwerkKonfigurieren(state_); });
  connect(SpeedButton2, &QToolButton::clicked, this,
          [this] { state_.services.shell.Open(lohn::kHandbuchFile); });
  connect(Button1, &QPushButton::clicked, this, &QDialog::close);

  FillDirectoryList();
  Aktualisieren();
}

// The data folder and the folders above it, the data folder last and marked.
// The list only shows the folder: moving the data folder while the program
// runs would hide every employer's files from it.
void TDatenForm::FillDirectoryList() {
  DirectoryListBox1->clear();
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  int depth = 0;
  for (const auto& part : std::filesystem::path(lohn::DatenOrdner())) {
    if (part.empty()) continue;
    auto* item = new QListWidgetItem(
        closed, QString(depth * 2, ' ') + QString::fromStdString(part.string()));
    DirectoryListBox1->addItem(item);
    ++depth;
  }
  if (auto* last = DirectoryListBox1->item(DirectoryListBox1->count() - 1)) {
    last->setIcon(open);
    DirectoryListBox1->setCurrentItem(last);
  }
}

void TDatenForm::Aktualisieren() {
  FillFileList(FileListBox1, lohn::DatenOrdner());
  const std::string ziel = lohn::Ziellaufwerk();
  ZiellaufwerkLabel->setText(QString::fromStdString(ziel));
  FillFileList(FileListBox2, ziel);
}
