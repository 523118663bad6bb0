#include "frame/gui/Hauptmenue.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>
#include <map>

#include "frame/Daten.h"
#include "frame/gui/AdresseForm.h"
#include "frame/gui/ClickLabel.h"
#include "frame/gui/DatOpenForm.h"
#include "frame/gui/KalenderForm.h"
#include "frame/gui/VideosForm.h"
#include "payroll/gui/BuchgBelegForm.h"
#include "payroll/gui/PersForm.h"
#include "reports/BerichtKontext.h"
#include "reports/Berichte.h"
#include "reports/gui/BerichtFenster.h"
#include "store/AutoBackup.h"
#include "store/DienstgeberStore.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/ProgramState.h"

using lohn::Aktion;

namespace {

const QColor kHoverFarbe(0xFF, 0xFF, 0x88);  // light yellow
const QColor kPanelFarbe(0xE6, 0xEC, 0xF4);
const QColor kKopfFarbe(0x1F, 0x4E, 0x79);

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

void SetFarben(QWidget* w, const QColor& back, const QColor& text = Qt::black) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, back);
  // A disabled label keeps the platform's grey text.
  pal.setColor(QPalette::Active, QPalette::WindowText, text);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, text);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

// A dashboard label: a link that reports when the mouse comes over it.
class HoverLabel : public ClickLabel {
 public:
  using ClickLabel::ClickLabel;
  std::function<void()> onEnter;

 protected:
  void enterEvent(QEnterEvent* e) override {
    ClickLabel::enterEvent(e);
    if (onEnter) onEnter();
  }
};

// The dashboard picture; only a double click counts.
class PictureLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onDoubleClick;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
  }
};

// Our own dashboard picture: a pay slip with a coin stack and a calculator.
QPixmap DashboardBild() {
  QPixmap pm(220, 150);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xD5, 0xE3, 0xF0));
  p.drawRoundedRect(QRectF(0, 0, 220, 150), 12, 12);
  // The pay slip.
  p.setBrush(Qt::white);
  p.setPen(QColor(0x8A, 0x9B, 0xAE));
  p.drawRect(QRectF(18, 14, 110, 124));
  p.setPen(Qt::NoPen);
  p.setBrush(kKopfFarbe);
  p.drawRect(QRectF(18, 14, 110, 18));
  p.setPen(QColor(0xA8, 0xB4, 0xC2));
  for (int y = 44; y < 128; y += 12) {
    p.drawLine(26, y, 88, y);
    p.drawLine(98, y, 120, y);
  }
  p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 2));
  p.drawLine(96, 128, 122, 128);
  // The coin stack.
  for (int i = 0; i < 5; ++i) {
    p.setPen(QColor(0x9C, 0x6B, 0x00));
    p.setBrush(QColor(0xE8, 0xB9, 0x2E));
    p.drawEllipse(QRectF(140, 112 - i * 9, 56, 20));
  }
  p.setPen(QPen(QColor(0x9C, 0x6B, 0x00), 2));
  p.setFont(QFont("DejaVu Sans", 12, QFont::Bold));
  p.drawText(QRectF(140, 76, 56, 20), Qt::AlignCenter, QString::fromUtf8("€"));
  // The calculator.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x45, 0x4F, 0x5A));
  p.drawRoundedRect(QRectF(150, 14, 52, 60), 5, 5);
  p.setBrush(QColor(0xC8, 0xE6, 0xC9));
  p.drawRect(QRectF(156, 19, 40, 12));
  p.setBrush(QColor(0xEC, 0xEF, 0xF1));
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) p.drawRect(QRectF(157 + c * 13, 36 + r * 12, 10, 8));
  return pm;
}

// A small play sign beside "Schulungs-Videos".
QPixmap VideoBild() {
  QPixmap pm(30, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xC6, 0x28, 0x28));
  p.drawRoundedRect(QRectF(0, 0, 30, 22), 5, 5);
  QPainterPath tri;
  tri.moveTo(11, 5);
  tri.lineTo(22, 11);
  tri.lineTo(11, 17);
  tri.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(tri);
  return pm;
}

// A speed button's face: its short text on a tile of its group's colour.
QIcon ToolIcon(const lohn::ToolbarEintrag& t) {
  QColor farbe(0x2E, 0x6D, 0xA4);  // employers and employees
  switch (t.aktion) {
    case Aktion::Bericht:
      farbe = QColor(0x3C, 0x8D, 0x40);
      break;
    case Aktion::Beenden:
      farbe = QColor(0xB0, 0x30, 0x30);
      break;
    case Aktion::DatenSichern:
    case Aktion::Kalender:
    case Aktion::Rechner:
    case Aktion::Dokumente:
    case Aktion::Handbuch:
    case Aktion::SchulungsVideos:
      farbe = QColor(0xC7, 0x77, 0x00);
      break;
    default:
      break;
  }
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(farbe);
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  p.setPen(Qt::white);
  QString text = Q(t.kurz);
  QFont f("DejaVu Sans", text.size() > 3 ? 7 : 9, QFont::Bold);
  p.setFont(f);
  p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, text);
  return QIcon(pm);
}

}  // namespace

THauptmenue::THauptmenue(lohn::AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), berichte_(std::make_unique<lohn::BerichtKontext>(state)) {
  setObjectName("Hauptmenue");
  state_.berichte = berichte_.get();
  lohn::RegistriereBerichte(*berichte_);
  berichtFenster_ = new BerichtFenster(state_, *berichte_, this);
  BuildMenus();
  BuildToolbar();
  setCentralWidget(BuildDashboard());
  statusBar()->setObjectName("StatusBar1");
  resize(940, 640);
  FormCreate();
  BerichteFreigeben();
}

THauptmenue::~THauptmenue() {
  // The report windows go before the context whose hooks and model they use.
  delete berichtFenster_;
  if (state_.berichte == berichte_.get()) state_.berichte = nullptr;
}

void THauptmenue::Anschliessen(QObject* element, Aktion aktion, lohn::Bericht bericht) {
  if (aktion == Aktion::Bericht) berichtElemente_.emplace_back(element, bericht);
  auto ausfuehren = [this, aktion, bericht] { Ausfuehren(aktion, bericht); };
  if (auto* a = qobject_cast<QAction*>(element))
    connect(a, &QAction::triggered, this, ausfuehren);
  else if (auto* l = qobject_cast<ClickLabel*>(element))
    connect(l, &ClickLabel::clicked, this, ausfuehren);
}

void THauptmenue::BerichteFreigeben() {
  for (auto [element, bericht] : berichtElemente_) {
    const bool frei = berichte_->Registriert(bericht);
    if (auto* a = qobject_cast<QAction*>(element))
      a->setEnabled(frei);
    else if (auto* w = qobject_cast<QWidget*>(element))
      w->setEnabled(frei);
  }
}

void THauptmenue::BuildMenus() {
  std::map<lohn::Menue, QMenu*> menus;
  for (const lohn::MenueKopf& k : lohn::MenueKoepfe()) {
    QMenu* m = k.menue == lohn::Menue::DateiDienstgeber
                   ? menus.at(lohn::Menue::Datei)->addMenu(Q(k.caption))
                   : menuBar()->addMenu(Q(k.caption));
    m->setObjectName(k.objectName);
    menus[k.menue] = m;
  }
  for (const lohn::MenueEintrag& e : lohn::MenueTabelle(state_.year)) {
    QMenu* m = menus.at(e.menue);
    QAction* trenner = nullptr;
    if (e.trennerDavor) {
      trenner = m->addSeparator();
      trenner->setObjectName(QString(e.objectName) + "Trenner");
    }
    QAction* a = m->addAction(Q(e.caption));
    a->setObjectName(e.objectName);
    if (*e.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
    if (e.aktion == Aktion::AutobackupUmschalten) Autobackupausschalten1 = a;
    if (e.aktion == Aktion::Vorjahr) {
      // Shown with its caption when the window is shown.
      Vorjahr1 = a;
      VorjahrTrenner = trenner;
      a->setVisible(false);
      if (trenner) trenner->setVisible(false);
    }
    Anschliessen(a, e.aktion, e.bericht);
  }
}

void THauptmenue::BuildToolbar() {
  QToolBar* bar = addToolBar("Symbolleiste");
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  bar->setIconSize(QSize(32, 32));
  for (const lohn::ToolbarEintrag& t : lohn::ToolbarTabelle()) {
    if (t.aktion == Aktion::Bericht && t.bericht == lohn::Bericht::LohnGehaltszettel)
      bar->addSeparator();
    if (t.aktion == Aktion::DatenSichern || t.aktion == Aktion::Beenden) bar->addSeparator();
    QAction* a = bar->addAction(ToolIcon(t), Q(t.hint));
    a->setObjectName(t.objectName);
    a->setToolTip(Q(t.hint));
    a->setStatusTip(Q(t.hint));
    Anschliessen(a, t.aktion, t.bericht);
  }
}

QFrame* THauptmenue::Panel(const QString& name, const QString& heading) {
  auto* panel = new QFrame;
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::StyledPanel);
  SetFarben(panel, kPanelFarbe);
  panel->setMouseTracking(true);
  panel->installEventFilter(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setSpacing(3);
  auto* kopf = new QLabel(heading, panel);
  kopf->setObjectName(name + "Kopf");
  QFont f = kopf->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.15);
  kopf->setFont(f);
  SetFarben(kopf, kPanelFarbe, kKopfFarbe);
  layout->addWidget(kopf);
  return panel;
}

QLabel* THauptmenue::DashboardLabel(const lohn::DashboardEintrag& e, QWidget* parent) {
  auto* label = new HoverLabel(Q(e.caption), parent);
  label->setObjectName(Q(e.objectName));
  label->setContentsMargins(6, 2, 6, 2);
  SetFarben(label, Qt::white);
  label->onEnter = [this, label] { Hover(label); };
  DashboardLabels.push_back(label);
  if (e.aktion == Aktion::SchulungsVideos)
    connect(label, &ClickLabel::clicked, this, [label] { SetFarben(label, Qt::white, Qt::gray); });
  Anschliessen(label, e.aktion, e.bericht);
  return label;
}

QWidget* THauptmenue::BuildDashboard() {
  auto* central = new QWidget(this);
  central->setObjectName("DashboardPanel");
  SetFarben(central, Qt::white);
  central->setMouseTracking(true);
  central->installEventFilter(this);
  auto* layout = new QVBoxLayout(central);

  // The current employer; a click opens the data folder.
  auto* kopf = new QHBoxLayout;
  auto* dgText = new QLabel("Dienstgeber:", central);
  dgText->setObjectName("DienstgeberTextLabel");
  auto* dg = new ClickLabel({}, central);
  dg->setToolTip("Datenordner öffnen");
  connect(dg, &ClickLabel::clicked, this, [this] { lohn::DatenOrdnerOeffnen(state_); });
  DienstgeberLabel = dg;
  DienstgeberLabel->setObjectName("DienstgeberLabel");
  QFont gross = DienstgeberLabel->font();
  gross.setBold(true);
  gross.setPointSizeF(gross.pointSizeF() * 1.4);
  DienstgeberLabel->setFont(gross);
  SetFarben(DienstgeberLabel, Qt::white, kKopfFarbe);
  EldaModulLabel = new QLabel(central);
  EldaModulLabel->setObjectName("EldaModulLabel");
  kopf->addWidget(dgText);
  kopf->addWidget(DienstgeberLabel);
  kopf->addStretch();
  kopf->addWidget(EldaModulLabel);
  layout->addLayout(kopf);

  auto* spalten = new QHBoxLayout;
  QFrame* abrechnung = Panel("AbrechnungPanel", "Lohnverrechnung");
  QFrame* berichte = Panel("BerichtePanel", "Berichte");
  QFrame* hilfe = Panel("HilfePanel", "Hilfe und Service");
  auto* berichteGrid = new QGridLayout;
  static_cast<QVBoxLayout*>(berichte->layout())->addLayout(berichteGrid);

  int reihe[2] = {0, 0};
  auto unterKopf = [&](int spalte, const char* text) {
    auto* l = new QLabel(Q(text), berichte);
    l->setObjectName(spalte == 0 ? "MonatsberichteKopf" : "JahresberichteKopf");
    SetFarben(l, kPanelFarbe, Qt::darkGray);
    berichteGrid->addWidget(l, reihe[spalte]++, spalte);
  };
  unterKopf(0, "monatlich");
  unterKopf(1, "jährlich und Listen");
  QLabel* videos = nullptr;
  for (const lohn::DashboardEintrag& e : lohn::DashboardTabelle()) {
    switch (e.spalte) {
      case lohn::Spalte::Abrechnung:
        abrechnung->layout()->addWidget(DashboardLabel(e, abrechnung));
        break;
      case lohn::Spalte::Berichte: {
        // Monthly reports on the left, the yearly reports and lists on the right.
        using B = lohn::Bericht;
        bool monatlich =
            e.bericht == B::LohnGehaltszettel || e.bericht == B::Ueberweisungsliste ||
            e.bericht == B::Beitragsnachweisung || e.bericht == B::LohnsteuerDbDzKommSt ||
            e.bericht == B::ArbeitsUndLohnbestaetigung || e.bericht == B::DienstnehmerZeiten;
        int spalte = monatlich ? 0 : 1;
        berichteGrid->addWidget(DashboardLabel(e, berichte), reihe[spalte]++, spalte);
        break;
      }
      case lohn::Spalte::Hilfe: {
        QLabel* label = DashboardLabel(e, hilfe);
        if (e.objectName == "HandbuchPunkteLabel") {
          HandbuchPunkteLabel = label;  // placed under the picture below
        } else if (e.aktion == Aktion::SchulungsVideos) {
          videos = label;
          auto* reihe = new QHBoxLayout;
          auto* bild = new ClickLabel({}, hilfe);
          bild->setObjectName("VideosImage");
          bild->setPixmap(VideoBild());
          connect(bild, &ClickLabel::clicked, this, [this, videos] {
            SetFarben(videos, Qt::white, Qt::gray);
            ShowVideos();
          });
          reihe->addWidget(bild);
          reihe->addWidget(label, 1);
          static_cast<QVBoxLayout*>(hilfe->layout())->addLayout(reihe);
        } else {
          hilfe->layout()->addWidget(label);
        }
        break;
      }
    }
  }
  static_cast<QVBoxLayout*>(abrechnung->layout())->addStretch();
  berichteGrid->setRowStretch(std::max(reihe[0], reihe[1]), 1);
  auto* hilfeLayout = static_cast<QVBoxLayout*>(hilfe->layout());
  hilfeLayout->addStretch();
  auto* bild = new PictureLabel(hilfe);
  bild->setObjectName("Image1");
  bild->setPixmap(DashboardBild());
  bild->setToolTip("Doppelklick blendet das Bild aus");
  bild->onDoubleClick = [this] { Image1DblClick(); };
  Image1 = bild;
  hilfeLayout->addWidget(Image1, 0, Qt::AlignHCenter);
  if (HandbuchPunkteLabel) hilfeLayout->addWidget(HandbuchPunkteLabel);

  spalten->addWidget(abrechnung, 3);
  spalten->addWidget(berichte, 6);
  spalten->addWidget(hilfe, 3);
  layout->addLayout(spalten, 1);

  EntwicklerPanel = BuildEntwicklerPanel();
  layout->addWidget(EntwicklerPanel);
  tempClipBoardEdit = new QLineEdit(central);
  tempClipBoardEdit->setObjectName("tempClipBoardEdit");
  tempClipBoardEdit->hide();
  return central;
}

QFrame* THauptmenue::BuildEntwicklerPanel() {
  auto* panel = new QFrame;
  panel->setObjectName("EntwicklerPanel");
  auto* row = new QHBoxLayout(panel);
  Button2 = new QPushButton("Test", panel);
  Button2->setObjectName("Button2");
  Button4 = new QPushButton("X", panel);
  Button4->setObjectName("Button4");
  auto* laengeLabel = new QLabel("Datensatzlänge testen >", panel);
  laengeLabel->setObjectName("checkStringLengthLabel");
  checkStringLengthEdit = new QLineEdit(panel);
  checkStringLengthEdit->setObjectName("checkStringLengthEdit");
  DevTestPanel = new QFrame(panel);
  DevTestPanel->setObjectName("DevTestPanel");
  auto* dev = new QHBoxLayout(DevTestPanel);
  dev->setContentsMargins(0, 0, 0, 0);
  Edit1 = new QLineEdit(DevTestPanel);
  Edit1->setObjectName("Edit1");
  auto* vonLabel = new QLabel("Von Zeichen", DevTestPanel);
  Edit2 = new QLineEdit(DevTestPanel);
  Edit2->setObjectName("Edit2");
  auto* laengeLabel2 = new QLabel("Länge", DevTestPanel);
  Edit3 = new QLineEdit(DevTestPanel);
  Edit3->setObjectName("Edit3");
  Edit2->setMaximumWidth(60);
  Edit3->setMaximumWidth(60);
  Button5 = new QPushButton(">>>", DevTestPanel);
  Button5->setObjectName("Button5");
  for (QWidget* w :
       std::initializer_list<QWidget*>{vonLabel, Edit2, laengeLabel2, Edit3, Button5, Edit1})
    dev->addWidget(w);
  for (QWidget* w : std::initializer_list<QWidget*>{Button2, Button4, laengeLabel,
                                                    checkStringLengthEdit, DevTestPanel})
    row->addWidget(w);
  connect(Button2, &QPushButton::clicked, this, &THauptmenue::Button2Click);
  connect(Button4, &QPushButton::clicked, this, &THauptmenue::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &THauptmenue::Button5Click);
  panel->hide();
  return panel;
}

void THauptmenue::FormCreate() {
  state_.ReportFileName = lohn::kReportFileName;
  lohn::LoadDienstgeberDaten(state_);
  DienstgeberLabel->setText(Q(state_.DataFileStem));
  EldaModulLabel->clear();
  // Once hidden, the picture stays hidden; "Handbuch ..." moves up into its place.
  if (lohn::BildAusgeblendet()) Image1->hide();
}

void THauptmenue::showEvent(QShowEvent* e) {
  BerichteFreigeben();
  QMainWindow::showEvent(e);
  // Restoring a minimised window is no new start: the notices stay away.
  if (!e->spontaneous()) FormShow();
  // The employee window, opened most, is built while this one waits.
  if (!persFormVorgebaut_) {
    persFormVorgebaut_ = true;
    QTimer::singleShot(0, this, [this] { PersFormVorbauen(state_, this); });
  }
}

void THauptmenue::FormShow() {
  setWindowTitle("Quandrel Lohnverrechnung - Version " + QString::number(state_.year.year));
  EntwicklerPanel->setVisible(lohn::EntwicklerWerkzeuge());
  Autobackupausschalten1->setText(Q(lohn::AutobackupCaption()));
  Vorjahr1->setText(Q(lohn::VorjahrCaption(state_.year)));
  Vorjahr1->setVisible(true);
  if (VorjahrTrenner) VorjahrTrenner->setVisible(true);
  if (auto hinweis = lohn::NeuesJahrHinweis(state_.year, state_.services.clock.Now()))
    state_.dialogs().ShowMessage(*hinweis);
}

void THauptmenue::Ausfuehren(Aktion aktion, lohn::Bericht bericht) {
  switch (aktion) {
    case Aktion::Bericht:
      lohn::BerichtPunktOeffnen(state_, bericht);
      break;
    case Aktion::DienstgeberNeu:
    case Aktion::DienstgeberAuswaehlen:
      DienstgeberAuswaehlenClick();
      break;
    case Aktion::DienstgeberDaten:
      DienstgeberDatenClick();
      break;
    case Aktion::AutobackupUmschalten:
      Autobackupausschalten1->setText(Q(lohn::AutobackupUmschalten(state_)));
      break;
    case Aktion::Beenden:
      BeendenClick();
      break;
    case Aktion::DienstnehmerUndAbrechnung:
      DienstnehmerUndAbrechnungClick();
      break;
    case Aktion::HilfeElda:
      lohn::HilfeEldaHinweis(state_);
      ShowVideos();
      break;
    case Aktion::SchulungsVideos:
      ShowVideos();
      break;
    case Aktion::Kalender:
      KalenderClick();
      break;
    case Aktion::OrdnerInfo:
      OrdnerInfoClick();
      break;
    case Aktion::Dokumente:
      ZeigeBuchgBelegForm(state_, this);
      break;
    default:
      lohn::FuehreAus(state_, aktion);
      break;
  }
}

void THauptmenue::DienstgeberAuswaehlenClick() {
  const std::string vorher = state_.DataFileStem;
  ShowDatOpenForm(state_, this);
  DienstgeberLabel->setText(Q(state_.DataFileStem));
  // The open options belong to the employer left.
  if (state_.DataFileStem != vorher) berichte_->DienstgeberGewechselt();
}

void THauptmenue::DienstgeberDatenClick() {
  TAdresseForm form(state_, this);
  form.exec();
}

void THauptmenue::DienstnehmerUndAbrechnungClick() {
  lohn::DemoTipp(state_);
  ShowPersForm();
}

void THauptmenue::ShowPersForm() { ::ShowPersForm(state_, this); }

void THauptmenue::ShowVideos() {
  if (!videos_) videos_ = new TVideosForm(state_.services.shell, this);
  videos_->show();
  videos_->raise();
}

void THauptmenue::KalenderClick() {
  auto* kalender = new TKalenderForm(state_.services.clock, this);
  kalender->setAttribute(Qt::WA_DeleteOnClose);
  kalender->show();
}

void THauptmenue::OrdnerInfoClick() {
  tempClipBoardEdit->setText(QCoreApplication::applicationDirPath());
  QApplication::clipboard()->setText(tempClipBoardEdit->text());
  state_.dialogs().ShowMessage(tempClipBoardEdit->text().toStdString());
}

void THauptmenue::Image1DblClick() {
  if (lohn::BildAusblenden(state_)) Image1->hide();
}

void THauptmenue::Button2Click() {
  state_.dialogs().ShowMessage(lohn::TextLaenge(checkStringLengthEdit->text().toStdString()));
}

void THauptmenue::Button4Click() { checkStringLengthEdit->clear(); }

void THauptmenue::Button5Click() {
  try {
    Edit1->setText(Q(lohn::TeilText(checkStringLengthEdit->text().toStdString(),
                                    Edit2->text().toStdString(), Edit3->text().toStdString())));
  } catch (const lohn::ConversionError& e) {
    state_.dialogs().ShowMessage(e.what());
  }
}

void THauptmenue::Hover(QLabel* over) {
  for (QLabel* label : DashboardLabels) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window,
                 label == over && label->isEnabled() ? kHoverFarbe : QColor(Qt::white));
    label->setPalette(pal);
  }
}

bool THauptmenue::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) Hover(nullptr);
  return QMainWindow::eventFilter(watched, e);
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
