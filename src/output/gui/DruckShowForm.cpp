#include "output/gui/DruckShowForm.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kKleinsterGrad = 6;
constexpr int kGroesterGrad = 18;
const QSize kGroesse(1000, 640);

}  // namespace

TDruckShowForm::TDruckShowForm(const lohn::BerichtAnsicht& ansicht,
                               const lohn::AnsichtGroesse& groesse, QWidget* parent)
    : QWidget(parent, Qt::Window), bytes_(ansicht.bytes), excel_(ansicht.excel) {
  setObjectName("DruckShowForm");
  setWindowTitle("Bericht");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* v = new QVBoxLayout(this);
  auto* leiste = new QHBoxLayout;
  auto* gradText = new QLabel("Schriftgröße", this);
  SchriftgradComboBox = new QComboBox(this);
  SchriftgradComboBox->setObjectName("SchriftgradComboBox");
  SchriftgradComboBox->setToolTip("Schriftgröße (Standard-Drucker)");
  SchriftgradComboBox->setEditable(false);
  for (int g = kKleinsterGrad; g <= kGroesterGrad; ++g)
    SchriftgradComboBox->addItem(QString::number(g));
  gradText->setBuddy(SchriftgradComboBox);
  SpeedButton5 = new QToolButton(this);
  SpeedButton5->setObjectName("SpeedButton5");
  SpeedButton5->setText("Bericht schließen");
  SpeedButton5->setToolTip("Bericht schließen");
  SpeedButton5->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  SpeedButton5->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton5->setAutoRaise(true);
  leiste->addWidget(gradText);
  leiste->addWidget(SchriftgradComboBox);
  leiste->addStretch(1);
  leiste->addWidget(SpeedButton5);
  v->addLayout(leiste);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setToolTip("Klicken Sie hier um zu scrollen ...");
  ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The report's columns stand side by side; long lines scroll, never wrap.
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ListBox1->setUniformItemSizes(true);
  QStringList zeilen;
  zeilen.reserve(int(ansicht.zeilen.size()));
  for (const std::string& z : ansicht.zeilen) zeilen << QString::fromStdString(z);
  ListBox1->addItems(zeilen);
  if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
  v->addWidget(ListBox1, 1);

  // The combo box holds the size the report is printed with; the list may
  // show it a little larger.
  SchriftgradComboBox->setCurrentIndex(
      std::clamp(groesse.schriftgrad, kKleinsterGrad, kGroesterGrad) - kKleinsterGrad);
  SetzeSchriftgrad(groesse.listenSchrift);
  connect(SchriftgradComboBox, &QComboBox::currentIndexChanged, this,
          &TDruckShowForm::SchriftgradComboBoxChange);
  connect(SpeedButton5, &QToolButton::clicked, this, &QWidget::close);

  QSize g = kGroesse;
  if (QScreen* schirm = screen()) g = g.boundedTo(schirm->availableGeometry().size() * 9 / 10);
  resize(g);
}

void TDruckShowForm::SetzeSchriftgrad(int punkte) {
  punkte = std::clamp(punkte, kKleinsterGrad, kGroesterGrad);
  QFont f = ListBox1->font();
  f.setPointSize(punkte);
  ListBox1->setFont(f);
}

void TDruckShowForm::SchriftgradComboBoxChange() {
  SetzeSchriftgrad(SchriftgradComboBox->currentText().toInt());
}
