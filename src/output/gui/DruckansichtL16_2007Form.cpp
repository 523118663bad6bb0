#include "output/gui/DruckansichtL16_2007Form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "frame/HauptmenueLogik.h"
#include "frame/Videos.h"
#include "frame/gui/ClickLabel.h"
#include "frame/gui/KalenderForm.h"
#include "frame/gui/Werkzeugknopf.h"
#include "output/DruckShow.h"
#include "output/gui/SendenAnDruckerForm.h"
#include "payroll/gui/BuchgBelegForm.h"
#include "platform/qt/QtPainterCanvas.h"
#include "platform/qt/QtPrintCanvas.h"

namespace {

QScrollArea* Rahmen(QWidget* eltern, const char* name, QLabel*& bild, const char* bildName) {
  auto* box = new QScrollArea(eltern);
  box->setObjectName(name);
  box->setBackgroundRole(QPalette::Dark);
  bild = new QLabel(box);
  bild->setObjectName(bildName);
  bild->setScaledContents(true);
  box->setWidget(bild);
  return box;
}

}  // namespace

TDruckansichtL16_2007Form::TDruckansichtL16_2007Form(lohn::AppState& state, QWidget* parent,
                                                     CanvasFactory canvasFactory)
    : QDialog(parent), state_(state), canvasFactory_(std::move(canvasFactory)) {
  setObjectName("DruckansichtL16_2007Form");
  setWindowTitle("Jahreslohnzettel mit Formular L16");
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  if (!canvasFactory_)
    canvasFactory_ = [](QWidget* w) { return std::make_shared<platform::QtPrintCanvas>(w); };

  SpeedButton1 = Werkzeugknopf(this, "SpeedButton1", "+", "vergrössert die Vorschau");
  SpeedButton2 = Werkzeugknopf(this, "SpeedButton2", "-", "verkleinert die Vorschau");
  SpeedButton3 = Werkzeugknopf(this, "SpeedButton3", "Drucker", "Drucker einrichten");
  SpeedButton4 = Werkzeugknopf(this, "SpeedButton4", "Schließen", "Bericht schließen");
  SpeedButton5 =
      Werkzeugknopf(this, "SpeedButton5", "Ganze Seite", "Vorschau auf ganze Seite anpassen");
  SpeedButton6 = Werkzeugknopf(this, "SpeedButton6", "Kalender", "Kalender");
  SpeedButton7 = Werkzeugknopf(this, "SpeedButton7", "Rechner", "Rechner");
  SpeedButton8 = Werkzeugknopf(this, "SpeedButton8", "Dokumente", "gescannte Dokumente anzeigen");
  SpeedButton9 = Werkzeugknopf(this, "SpeedButton9", "Handbuch", "Handbuch");
  SpeedButton10 =
      Werkzeugknopf(this, "SpeedButton10", "Drucken S1", "druckt die Seite 1 des Formulars L16");
  SpeedButton11 =
      Werkzeugknopf(this, "SpeedButton11", "Drucken S2", "druckt die Seite 2 des Formulars L16");
  SpeedButton12 = Werkzeugknopf(this, "SpeedButton12", "Seite 1", "Vorschau Seite 1");
  SpeedButton13 = Werkzeugknopf(this, "SpeedButton13", "Seite 2", "Vorschau Seite 2");
  Label1 = new ClickLabel("ELDA", this);
  Label1->setObjectName("Label1");
  Label1->ShowAsLink();
  Label3 = new ClickLabel("Notizen", this);
  Label3->setObjectName("Label3");
  Label3->ShowAsLink();
  Button4 = new QPushButton("Test XY Positionen", this);
  Button4->setObjectName("Button4");
  Button4->setVisible(false);

  auto* v = new QVBoxLayout(this);
  auto* leiste = new QHBoxLayout;
  for (QToolButton* b : {SpeedButton10, SpeedButton11, SpeedButton3, SpeedButton12, SpeedButton13,
                         SpeedButton5, SpeedButton1, SpeedButton2})
    leiste->addWidget(b);
  leiste->addStretch(1);
  leiste->addWidget(Button4);
  for (QToolButton* b : {SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9})
    leiste->addWidget(b);
  leiste->addWidget(Label1);
  leiste->addSpacing(8);
  leiste->addWidget(Label3);
  leiste->addSpacing(8);
  leiste->addWidget(SpeedButton4);
  v->addLayout(leiste);
  auto* seiten = new QHBoxLayout;
  ScrollBox1 = Rahmen(this, "ScrollBox1", Image1, "Image1");
  ScrollBox2 = Rahmen(this, "ScrollBox2", Image2, "Image2");
  seiten->addWidget(ScrollBox1, 1);
  seiten->addWidget(ScrollBox2, 1);
  v->addLayout(seiten, 1);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  v->addWidget(StatusBar1);
  Image1->installEventFilter(this);
  Image2->installEventFilter(this);

  for (std::size_t i = 0; i < 2; ++i) {
    seiten_[i].nummer = int(i) + 1;
    Zeichne(i);
  }

  connect(SpeedButton1, &QToolButton::clicked, this, [this] { Zoom(true); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { Zoom(false); });
  connect(SpeedButton3, &QToolButton::clicked, this, &TDruckansichtL16_2007Form::DruckerEinrichten);
  connect(SpeedButton4, &QToolButton::clicked, this, &QWidget::close);
  connect(SpeedButton5, &QToolButton::clicked, this, &TDruckansichtL16_2007Form::Nebeneinander);
  connect(SpeedButton6, &QToolButton::clicked, this, [this] {
    auto* kalender = new TKalenderForm(state_.services.clock, this);
    kalender->setAttribute(Qt::WA_DeleteOnClose);
    kalender->show();
  });
  using lohn::Aktion;
  connect(SpeedButton7, &QToolButton::clicked, this,
          [this] { lohn::FuehreAus(state_, Aktion::Rechner); });
  connect(SpeedButton8, &QToolButton::clicked, this, [this] { ZeigeBuchgBelegForm(state_, this); });
  connect(SpeedButton9, &QToolButton::clicked, this,
          [this] { state_.services.shell.Open(lohn::kHandbuchFile); });
  connect(SpeedButton10, &QToolButton::clicked, this, [this] { Drucke(0); });
  connect(SpeedButton11, &QToolButton::clicked, this, [this] { Drucke(1); });
  connect(SpeedButton12, &QToolButton::clicked, this, [this] { Einzelseite(0); });
  connect(SpeedButton13, &QToolButton::clicked, this, [this] { Einzelseite(1); });
  connect(Label1, &ClickLabel::clicked, this,
          [this] { state_.services.shell.Open(lohn::kInfoEldaSeite); });
  connect(Label3, &ClickLabel::clicked, this, [this] { lohn::FuehreAus(state_, Aktion::Notizen); });
  connect(Button4, &QPushButton::clicked, this, &TDruckansichtL16_2007Form::Button4Click);
  Einzelseite(0);
}

void TDruckansichtL16_2007Form::Setze(const lohn::L16Blatt& blatt) {
  for (std::size_t i = 0; i < 2; ++i) {
    seiten_[i] = blatt.seiten[i];
    Zeichne(i);
  }
  Anzeigen();
}

void TDruckansichtL16_2007Form::Zeige(const lohn::L16Blatt& blatt) {
  Setze(blatt);
  setWindowState(windowState() | Qt::WindowMaximized);
  exec();
}

void TDruckansichtL16_2007Form::Zeichne(std::size_t seite) {
  QImage& bild = bilder_[seite];
  bild = QImage(lohn::kL16Breite, lohn::kL16Hoehe, QImage::Format_RGB32);
  bild.fill(Qt::white);
  QPainter p(&bild);
  platform::QtPainterCanvas canvas(p, bild.size(), &bitmaps_);
  lohn::ZeichneL16Seite(canvas, seiten_[seite]);
}

void TDruckansichtL16_2007Form::Anzeigen() {
  const QSize natuerlich(lohn::kL16Breite, lohn::kL16Hoehe);
  const QSize nebeneinander(groesse_.breite, groesse_.hoehe);
  const QSize g = nebeneinander_ ? nebeneinander : natuerlich;
  Image1->setPixmap(QPixmap::fromImage(bilder_[0]));
  Image2->setPixmap(QPixmap::fromImage(bilder_[1]));
  Image1->resize(g);
  Image2->resize(g);
}

void TDruckansichtL16_2007Form::Einzelseite(int seite) {
  nebeneinander_ = false;
  ScrollBox1->setVisible(seite == 0);
  ScrollBox2->setVisible(seite == 1);
  // Zoom belongs to the side-by-side view.
  for (QToolButton* b : {SpeedButton1, SpeedButton2}) {
    b->setEnabled(false);
    b->setToolTip({});
  }
  Anzeigen();
}

void TDruckansichtL16_2007Form::Nebeneinander() {
  nebeneinander_ = true;
  ScrollBox1->setVisible(true);
  ScrollBox2->setVisible(true);
  // Each page as wide as its box, in the page's proportions.
  const int breite =
      std::max(1, (width() - 30) / 2 - ScrollBox1->verticalScrollBar()->sizeHint().width());
  groesse_ = {breite, breite * lohn::kL16Hoehe / lohn::kL16Breite};
  SpeedButton1->setEnabled(true);
  SpeedButton1->setToolTip("vergrössert die Vorschau");
  SpeedButton2->setEnabled(true);
  SpeedButton2->setToolTip("verkleinert die Vorschau");
  Anzeigen();
}

void TDruckansichtL16_2007Form::Zoom(bool vergroessern) {
  if (!nebeneinander_) return;
  if (const auto neu = lohn::L16Zoom(groesse_, vergroessern)) {
    groesse_ = *neu;
    Anzeigen();
  }
}

void TDruckansichtL16_2007Form::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  Button4->setVisible(lohn::EntwicklerWerkzeuge());
  Einzelseite(0);
}

void TDruckansichtL16_2007Form::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  if (nebeneinander_) Nebeneinander();
}

bool TDruckansichtL16_2007Form::eventFilter(QObject* objekt, QEvent* e) {
  if (e->type() != QEvent::MouseButtonPress || (objekt != Image1 && objekt != Image2))
    return QDialog::eventFilter(objekt, e);
  // Positions on the form are marked only in the developer mode.
  if (!Button4->isVisible()) return false;
  auto* bild = static_cast<QLabel*>(objekt);
  const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
  const int x = p.x() * lohn::kL16Breite / std::max(1, bild->width());
  const int y = p.y() * lohn::kL16Hoehe / std::max(1, bild->height());
  const std::size_t seite = bild == Image1 ? 0 : 1;
  seiten_[seite].texte.push_back(
      {x, y, std::to_string(x) + ":" + std::to_string(y), lohn::kL16Lila, 11});
  Zeichne(seite);
  Anzeigen();
  return true;
}

void TDruckansichtL16_2007Form::Button4Click() {
  for (std::size_t seite = 0; seite < 2; ++seite) {
    for (int i = 1; i <= 50; ++i)
      seiten_[seite].texte.push_back({25 * i, 40 * i,
                                      std::to_string(25 * i) + ":" + std::to_string(40 * i),
                                      lohn::kL16Blau, 11});
    Zeichne(seite);
  }
  Anzeigen();
}

platform::PrintCanvas& TDruckansichtL16_2007Form::Drucker() {
  if (!drucker_) drucker_ = canvasFactory_(this);
  return *drucker_;
}

void TDruckansichtL16_2007Form::DruckerEinrichten() {
  if (auto* qt = dynamic_cast<platform::QtPrintCanvas*>(&Drucker())) {
    QPageSetupDialog dialog(&qt->printer(), this);
    dialog.exec();
  }
}

void TDruckansichtL16_2007Form::Drucke(int seite) {
  platform::PrintCanvas& canvas = Drucker();
  if (!canvas.BeginDoc(seite == 0 ? "Quandrel ZR S1" : "Quandrel ZR S2")) return;
  // The progress window keeps the other windows from input meanwhile.
  setEnabled(false);
  {
    TsendenAnDruckerForm fortschritt;
    fortschritt.Seite(1);
    lohn::ZeichneL16Seite(canvas, seiten_[std::size_t(seite)]);
    canvas.EndDoc();
  }
  setEnabled(true);
}
