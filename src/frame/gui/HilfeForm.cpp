#include "frame/gui/HilfeForm.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "frame/Hilfe.h"
#include "platform/qt/QtPrintCanvas.h"

THilfeForm::THilfeForm(std::string helpFileName, std::vector<std::string> lines, QWidget* parent,
                       CanvasFactory canvasFactory)
    : QDialog(parent),
      helpFileName_(std::move(helpFileName)),
      lines_(std::move(lines)),
      canvasFactory_(std::move(canvasFactory)) {
  setObjectName("HilfeForm");
  setWindowTitle("Hilfe");
  if (!canvasFactory_)
    canvasFactory_ = [](QWidget* w) { return std::make_shared<platform::QtPrintCanvas>(w); };

  HilfeListBox = new QListWidget(this);
  HilfeListBox->setObjectName("HilfeListBox");
  // The reference lists line their columns up with blanks.
  HilfeListBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText("an den Drucker senden");
  SpeedButton1->setToolTip("an den Drucker senden");
  SpeedButton2 = new QToolButton(this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setText("Fenster schliessen");
  SpeedButton2->setToolTip("Fenster schliessen");

  auto* row = new QHBoxLayout;
  row->addWidget(SpeedButton1);
  row->addWidget(SpeedButton2);
  row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(HilfeListBox);
  resize(640, 480);

  connect(SpeedButton1, &QToolButton::clicked, this, &THilfeForm::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &QDialog::close);

  for (const auto& line : lines_) HilfeListBox->addItem(QString::fromStdString(line));
}

void THilfeForm::SpeedButton1Click() {
  auto canvas = canvasFactory_(this);
  lohn::PrintHilfeText(*canvas, helpFileName_, lines_, HilfeListBox->font().family().toStdString());
}

THilfeForm* ZeigeHilfeText(platform::Dialogs& dialogs, const std::string& file,
                           const QString& title, QWidget* parent, std::optional<QPoint> pos) {
  auto lines =
      lohn::LoadHilfeText(file, dialogs, QCoreApplication::applicationDirPath().toStdString());
  if (!lines) return nullptr;
  auto* hilfe = new THilfeForm(file, std::move(*lines), parent);
  hilfe->setAttribute(Qt::WA_DeleteOnClose);
  hilfe->setWindowTitle(title);
  if (pos) hilfe->move(*pos);
  hilfe->show();
  return hilfe;
}
