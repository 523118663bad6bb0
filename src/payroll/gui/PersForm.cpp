#include "payroll/gui/PersForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

#include "elda/EldaPanel.h"
#include "frame/HauptmenueLogik.h"
#include "frame/gui/AdresseForm.h"
#include "frame/gui/ClickLabel.h"
#include "frame/gui/FeldAnzeige.h"
#include "frame/gui/FeldWechsel.h"
#include "frame/gui/Fensterlage.h"
#include "frame/gui/HilfeForm.h"
#include "frame/gui/KalenderForm.h"
#include "frame/gui/VideosForm.h"
#include "payroll/BerechnenButton.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormEingaben.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormNavigation.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormVersicherung.h"
#include "payroll/gui/BuchgBelegForm.h"
#include "payroll/gui/PersFormLohnarten.h"
#include "payroll/gui/SonderzahlungForm.h"
#include "payroll/gui/TagesLohnsteuerForm.h"
#include "payroll/gui/TeilGehaltForm.h"
#include "payroll/gui/UrlaubsAbfindungForm.h"
#include "reports/BerichtKontext.h"
#include "reports/FehlendeAbrechnungen.h"

using lohn::PersAspekt;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

// Geometry of the panels that open over the window.
const QRect kMehrPanel(340, 226, 360, 225);
const QRect kPendlerEuroInfo(664, 256, 320, 300);
const QRect kEldaPanel(342, 32, 638, 532);
const QRect kTagePanel(72, 146, 369, 329);

constexpr int kMenueBreite = 176;

// A field's background as the model gives it, as a property that the
// window's style rules colour (kFarbRegeln). The window's colour has none:
// the window's own rules hold (a read-only field shows the button colour).
const char* FarbName(lohn::FeldFarbe farbe) {
  switch (farbe) {
    case lohn::FeldFarbe::Knopf:
      return "knopf";
    case lohn::FeldFarbe::Hervorhebung:
      return "hervorhebung";
    case lohn::FeldFarbe::Pflicht:
      return "pflicht";
    case lohn::FeldFarbe::Weiss:
      return "weiss";
    case lohn::FeldFarbe::Fenster:
      break;
  }
  return "";
}

QString FarbRegeln() {
  QString regeln;
  for (auto farbe : {lohn::FeldFarbe::Knopf, lohn::FeldFarbe::Hervorhebung,
                     lohn::FeldFarbe::Pflicht, lohn::FeldFarbe::Weiss}) {
    const QString wert = farbe == lohn::FeldFarbe::Knopf
                             ? QString("palette(button)")
                             : QColor::fromRgb(QRgb(lohn::FeldFarbeRgb(farbe))).name();
    for (const char* art : {"QLineEdit", "QComboBox"})
      regeln += QString("%1[feldFarbe=\"%2\"] { background: %3; }").arg(art, FarbName(farbe), wert);
  }
  return regeln;
}

// A property that a style rule reads takes effect when the control is
// styled; a control not styled yet will be, once, with it.
void NeuGestalten(QWidget* w) {
  if (!w->testAttribute(Qt::WA_WState_Polished)) return;
  w->style()->unpolish(w);
  w->style()->polish(w);
}

void ZeigeFarbe(QWidget* w, lohn::FeldFarbe farbe) {
  const QString name = FarbName(farbe);
  if (w->property("feldFarbe").toString() == name) return;
  w->setProperty("feldFarbe", name);
  NeuGestalten(w);
}

// The toolbar's report buttons: each runs the main window's item of its
// report, and is usable once that report is registered.
constexpr std::pair<const char*, lohn::Bericht> kBerichtKnoepfe[] = {
    {"SpeedButton8", lohn::Bericht::LohnGehaltszettel},
    {"SpeedButton14", lohn::Bericht::Ueberweisungsliste},
    {"SpeedButton9", lohn::Bericht::JahreslohnzettelL16},
    {"SpeedButton10", lohn::Bericht::Beitragsnachweisung},
    {"SpeedButton11", lohn::Bericht::LohnsteuerDbDzKommSt},
    {"SpeedButton12", lohn::Bericht::Kommunalsteuererklaerung},
    {"SpeedButton13", lohn::Bericht::Lohnkonten},
    {"SpeedButton27", lohn::Bericht::JahreslohnzettelElda},
    {"SpeedButton32", lohn::Bericht::UrlaubsUndZeitkonten},
};

constexpr double kSchriftGrad = 7.5;

// A control that a style rule names takes its font from the rules, not from
// the window; the window's own parts say its size once more. Windows opened
// over this one keep their own font.
void KleineSchrift(QWidget* w) {
  w->setStyleSheet(QString("* { font-size: %1pt; }").arg(kSchriftGrad));
}

// The longest texts that the fields show whole: amounts up to ten million;
// hours, days and rates.
constexpr const char* kBetragMuster = "9999999,99";
constexpr const char* kStundenMuster = "9999,99";
constexpr const char* kDatumMuster = "00.00.0000";
constexpr const char* kMonatMuster = "September";

// Room a window frame and title take before the window system tells.
constexpr int kRahmenReserve = 40;

QGridLayout* Raster(QWidget* bereich) { return static_cast<QGridLayout*>(bereich->layout()); }

// A control stays at the left of a wider cell; a field that takes the
// column's width and a text that wraps fill it.
Qt::Alignment Links(QWidget* w) {
  auto* l = qobject_cast<QLabel*>(w);
  if ((l && l->wordWrap()) || w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored) return {};
  return Qt::AlignLeft;
}

// Adds one line to a grid, one widget per column from the first on; nullptr
// leaves a cell empty.
void Zeile(QGridLayout* g, std::initializer_list<QWidget*> zellen) {
  const int z = g->count() == 0 ? 0 : g->rowCount();
  int s = 0;
  for (QWidget* w : zellen) {
    if (w) g->addWidget(w, z, s, Links(w));
    ++s;
  }
}

// The layout among `l` and the layouts in it that holds `w` directly, with
// its place there.
QLayout* HaltendesLayout(QLayout* l, QWidget* w, int& platz) {
  if (!l) return nullptr;
  if ((platz = l->indexOf(w)) >= 0) return l;
  for (int i = 0; i < l->count(); ++i)
    if (QLayout* innen = HaltendesLayout(l->itemAt(i)->layout(), w, platz)) return innen;
  return nullptr;
}

// What a cell shows as a caption: a label's text, or the text of the field
// that names the line (the special payments name theirs in a field).
QString BeschriftungIn(QLayoutItem* item) {
  QWidget* w = item ? item->widget() : nullptr;
  if (!w) return {};
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* c = w->findChild<QComboBox*>()) return c->currentText();
  return {};
}

// The caption the clerk sees beside a field: a label before it in a cell of
// several controls, else the nearest caption to its left in its grid line.
QString BeschriftungVon(QWidget* w) {
  for (QWidget* zelle = w; zelle->parentWidget(); zelle = zelle->parentWidget()) {
    int i = -1;
    QLayout* layout = HaltendesLayout(zelle->parentWidget()->layout(), zelle, i);
    if (!layout) return {};
    if (auto* g = qobject_cast<QGridLayout*>(layout)) {
      int zeile = 0, spalte = 0, zeilen = 0, spalten = 0;
      g->getItemPosition(i, &zeile, &spalte, &zeilen, &spalten);
      for (int k = spalte - 1; k >= 0; --k)
        if (QString t = BeschriftungIn(g->itemAtPosition(zeile, k)); !t.isEmpty()) return t;
      return {};
    }
    for (int k = i - 1; k >= 0; --k)
      if (auto* l = qobject_cast<QLabel*>(layout->itemAt(k)->widget()); l && !l->text().isEmpty())
        return l->text();
  }
  return {};
}

// A widget over the columns `von` to `bis` of a new line.
void Spanne(QGridLayout* g, QWidget* w, int von = 0, int bis = -1) {
  const int z = g->count() == 0 ? 0 : g->rowCount();
  g->addWidget(w, z, von, 1, bis < 0 ? -1 : bis - von + 1, Links(w));
}

// A widget in a further column of the line added last.
void Neben(QGridLayout* g, QWidget* w, int spalte) {
  g->addWidget(w, g->rowCount() - 1, spalte, Links(w));
}

// Keeps the columns at their width and gives what is left to the last one;
// its fields stay at the left of their cells.
void Abschliessen(QGridLayout* g) { g->setColumnStretch(g->columnCount() - 1, 1); }

// While it lives, the building blocks make their controls on `w`: each is
// made where it stays, styled once.
class Auf {
 public:
  Auf(QWidget*& eltern, QWidget* w) : eltern_(eltern), vorher_(eltern) { eltern_ = w; }
  Auf(const Auf&) = delete;
  Auf& operator=(const Auf&) = delete;
  ~Auf() { Ende(); }
  void Ende() { eltern_ = vorher_; }

 private:
  QWidget*& eltern_;
  QWidget* vorher_;
};

// The tab order follows the order of making. A scroll area made before the
// areas on it takes the place behind them, where the tab leads from their
// last field.
void HinterDieBereiche(QScrollArea* flaeche) {
  QWidget* fenster = flaeche->window();
  QWidget* vorher = fenster->previousInFocusChain();
  while (vorher != fenster && vorher->focusPolicy() == Qt::NoFocus)
    vorher = vorher->previousInFocusChain();
  QWidget::setTabOrder(vorher, flaeche);
}

}  // namespace

// ---------------------------------------------------------------------------
// Building blocks

void TPersForm::Registriere(QWidget* w, const std::string& name) {
  w->setObjectName(Q(name));
  if (!widgets_.emplace(name, w).second)
    throw std::logic_error("Steuerelement doppelt im Dienstnehmerfenster: " + name);
}

QWidget* TPersForm::Control(std::string_view name) const {
  auto it = widgets_.find(name);
  if (it == widgets_.end())
    throw std::logic_error("Steuerelement fehlt im Dienstnehmerfenster: " + std::string(name));
  return it->second;
}

// Without a width the edit takes what its column offers; names and
// addresses are no measure of the column.
QLineEdit* TPersForm::Edit(const char* name, int width) {
  auto* e = Benenne(new QLineEdit(eltern_), name);
  if (width > 0) {
    e->setFixedWidth(width);
  } else {
    e->setSizePolicy(QSizePolicy::Ignored, e->sizePolicy().verticalPolicy());
    e->setMinimumWidth(FeldBreite("WWWWW"));
  }
  return e;
}

// The text, the frame, the edit's inner margins on both sides and the cursor.
int TPersForm::FeldBreite(const QString& muster) const {
  const int rahmen = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  return fontMetrics().horizontalAdvance(muster) + 2 * rahmen + 2 * 3 + 2;
}

QLineEdit* TPersForm::Betrag(const char* name) { return Edit(name, FeldBreite(kBetragMuster)); }

QLineEdit* TPersForm::Zahl(const char* name, const char* muster) {
  return Edit(name, FeldBreite(Q(muster)));
}

QComboBox* TPersForm::Combo(const char* name, bool editable) {
  auto* c = Benenne(new QComboBox(eltern_), name);
  c->setEditable(editable);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMaxVisibleItems(20);
  return c;
}

QCheckBox* TPersForm::Check(const char* name, const char* caption) {
  auto* c = Benenne(new QCheckBox(Q(caption), eltern_), name);
  return c;
}

QPushButton* TPersForm::Button(const char* name, const char* caption, const char* hint) {
  auto* b = Benenne(new QPushButton(Q(caption), eltern_), name);
  b->setAutoDefault(false);
  if (*hint) b->setToolTip(Q(hint));
  return b;
}

QToolButton* TPersForm::Speed(const char* name, const char* hint, const QString& text, int icon) {
  auto* b = Benenne(new QToolButton(eltern_), name);
  b->setToolTip(Q(hint));
  b->setAutoRaise(true);
  if (icon >= 0) {
    b->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
  b->setText(text);
  return b;
}

ClickLabel* TPersForm::Link(const char* name, const char* caption, const char* hint) {
  auto* l = Benenne(new ClickLabel(Q(caption), eltern_), name);
  l->ShowAsLink();
  if (*hint) l->setToolTip(Q(hint));
  return l;
}

QLabel* TPersForm::Text(const QString& caption) { return new QLabel(caption, eltern_); }

// Several controls in one cell, side by side from the left.
QWidget* TPersForm::Gruppe(std::initializer_list<QWidget*> widgets) {
  auto* w = new QWidget(eltern_);
  auto* h = new QHBoxLayout(w);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(2);
  for (QWidget* k : widgets) h->addWidget(k);
  h->addStretch(1);
  return w;
}

// A framed area; its lines form a grid, so that the captions of the first
// column take the width of the longest one.
QGroupBox* TPersForm::Bereich(const char* name, const char* title) {
  auto* g = Benenne(new QGroupBox(Q(title), eltern_), name);
  g->setToolTip(Q(title));
  auto* raster = new QGridLayout(g);
  raster->setContentsMargins(3, 1, 3, 2);
  raster->setHorizontalSpacing(3);
  raster->setVerticalSpacing(1);
  return g;
}

// A panel that opens over the window at a fixed place.
QFrame* TPersForm::Ueberlagerung(const char* name, const QRect& geometrie, QWidget* parent) {
  auto* p = Benenne(new QFrame(parent), name);
  p->setFrameShape(QFrame::Panel);
  p->setFrameShadow(QFrame::Raised);
  p->setAutoFillBackground(true);
  p->setGeometry(geometrie);
  if (parent == this) KleineSchrift(p);
  auto* v = new QVBoxLayout(p);
  v->setContentsMargins(6, 4, 6, 4);
  v->setSpacing(3);
  return p;
}

// ---------------------------------------------------------------------------
// Areas

QWidget* TPersForm::BaueWerkzeugleiste() {
  auto* leiste = new QWidget(this);
  KleineSchrift(leiste);
  Auf auf(eltern_, leiste);
  auto* h = new QHBoxLayout(leiste);
  h->setContentsMargins(2, 0, 2, 0);
  h->setSpacing(0);
  auto trenner = [&] { h->addSpacing(8); };
  h->addWidget(Speed("SpeedButton21", "neuen Dienstnehmer anlegen", "Neu", QStyle::SP_FileIcon));
  h->addWidget(
      Speed("SpeedButton22", "Dienstnehmer speichern", "Speichern", QStyle::SP_DialogSaveButton));
  h->addWidget(Speed("SpeedButton23", "den Dienstnehmer mit Abrechnungsdaten LÖSCHEN", "Löschen",
                     QStyle::SP_TrashIcon));
  trenner();
  h->addWidget(Speed("SpeedButton17", "erste Personal Nr.", "|<", QStyle::SP_MediaSkipBackward));
  h->addWidget(Speed("SpeedButton16", "vorherige Personal Nr.", "<", QStyle::SP_MediaSeekBackward));
  h->addWidget(Speed("SpeedButton15", "nächste Personal Nr.", ">", QStyle::SP_MediaSeekForward));
  h->addWidget(Speed("SpeedButton18", "letzte Personal Nr.", ">|", QStyle::SP_MediaSkipForward));
  h->addWidget(Speed("SpeedButton4", "aktueller Monat", "akt. Monat"));
  trenner();
  h->addWidget(Speed("SpeedButton19", "Existenz von Abrechnungsdaten für alle DN checken", "Check",
                     QStyle::SP_FileDialogContentsView));
  h->addWidget(
      Speed("SpeedButton7", "Dienstgeber-Daten bearbeiten", "Dienstgeber", QStyle::SP_DirHomeIcon));
  h->addWidget(
      Speed("SpeedButton20", "Standort-Daten bearbeiten", "Standort", QStyle::SP_DriveNetIcon));
  h->addWidget(
      Speed("SpeedButton6", "gescannte Dokumente öffnen", "Dokumente", QStyle::SP_DirOpenIcon));
  h->addWidget(Speed("SpeedButton2", "Kalender", "Kal."));
  h->addWidget(Speed("SpeedButton3", "Rechner", "Rechner", QStyle::SP_ComputerIcon));
  trenner();
  h->addWidget(Speed("SpeedButton8", "Bericht Lohn / Gehaltszettel", "LZ"));
  h->addWidget(
      Speed("SpeedButton14", "Überweisungs- und Buchungsliste Lohn / Gehaltszettel", "ÜB"));
  h->addWidget(Speed("SpeedButton9", "Jahreslohnzettel mit Formular L16 drucken", "L16"));
  h->addWidget(Speed("SpeedButton10", "Bericht Beitragsnachweisung", "BN"));
  h->addWidget(Speed("SpeedButton11", "Bericht Lohnsteuer DB DZ Kommunalsteuer", "LSt"));
  h->addWidget(Speed("SpeedButton12", "Bericht Kommunalsteuererklärung (jährlich)", "KSt"));
  h->addWidget(Speed("SpeedButton13", "Bericht Lohnkonten", "LK"));
  h->addWidget(Speed("SpeedButton27", "Jahreslohnzettel ELDA-Datenträger erstellen", "ELDA"));
  trenner();
  // The question mark of the message boxes: every style and icon theme has
  // it, unlike a help button's picture.
  h->addWidget(Speed("SpeedButton1", "Hilfe öffnen", "Hilfe", QStyle::SP_MessageBoxQuestion));
  h->addWidget(Speed("SpeedButton33", "Schulungs-Videos ansehen", "Videos", QStyle::SP_MediaPlay));
  h->addWidget(Speed("SpeedButton5", "Beenden und Fenster schließen", "Beenden",
                     QStyle::SP_DialogCloseButton));
  h->addStretch(1);
  auto* dg = Benenne(new QLabel(this), "DG_Label");
  QFont f = dg->font();
  f.setBold(true);
  dg->setFont(f);
  h->addWidget(dg);
  return leiste;
}

QWidget* TPersForm::BauePersonaldaten() {
  QGroupBox* b = Bereich("PersonaldatenGroupBox", "Personaldaten");
  Auf auf(eltern_, b);
  QGridLayout* g = Raster(b);
  auto zeile = [&](const char* caption, std::initializer_list<QWidget*> felder) {
    Zeile(g, {Text(Q(caption)), felder.size() == 1 ? *felder.begin() : Gruppe(felder)});
  };
  // Names, addresses and remarks take the width that the column has.
  auto text = [&](const char* name) { return Edit(name); };
  auto personen = Combo("PersonalNrComboBox");
  // The employees' names are no measure of the column, so the list's size
  // need not be taken from all of them: there is one per employee.
  personen->setSizePolicy(QSizePolicy::Ignored, personen->sizePolicy().verticalPolicy());
  personen->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  // The month list shows a month's name's width: the part payroll has a
  // line of its own.
  zeile("Monat / Jahr", {Combo("MonatComboBox"), Combo("JahrComboBox")});
  zeile("Teil", {Combo("AbrechngComboBox")});
  zeile("Dienstnehmer", {personen});
  zeile("Personal-Nr.", {Zahl("PersNrEdit", "99999")});
  zeile("ELDA-Ref.", {Zahl("GeburtsdatenEdit", "9999999999")});
  zeile("Familienname", {text("FamNameEdit")});
  zeile("Vorname", {text("VornameEdit")});
  zeile("SV-Nummer", {Zahl("SVNrEdit", "9999999999")});
  zeile("SV-Nr. Partner", {Zahl("AustrittsDatumEdit", "9999999999")});
  zeile("Straße", {text("StrasseEdit")});
  zeile("Land/PLZ/Ort", {Zahl("AdresseLandEdit", "WW"), Zahl("PLZEdit", "99999"), text("OrtEdit")});
  zeile("Telefon", {text("TelefonEdit")});
  zeile("BIC", {text("BankEdit")});
  zeile("IBAN", {text("BankKtoNrEdit")});
  zeile("Ein-/Austritt", {text("EintrittsDatumEdit")});
  zeile("Familienstand",
        {Zahl("FamStandEdit", "verheiratet"), Text("Kinder"), Zahl("AnzahlKinderEdit", "99")});
  zeile("Staat", {Zahl("StaatEdit", "WWW")});
  zeile("Beruf", {text("BerufEdit")});
  zeile("Soz. Stellung",
        {Zahl("SozialeStellungEdit", "99"), Speed("SpeedButton36", "Liste Soziale Stellung", "?"),
         Text("SV-Träger"), Zahl("SVtraegerEdit", "99"),
         Speed("SpeedButton35", "SV-Träger Codes anzeigen", "?")});
  zeile("Art Lohnzettel", {Zahl("ArtDesLohnzettelsEdit", "99"),
                           Speed("SpeedButton34", "Liste Art des Lohnzettels anzeigen", "?"),
                           Text("Standort"), Zahl("gehoertZuStandortEdit", "999")});
  auto* kst = Zahl("KostenstelleEdit", "99");
  kst->setMaxLength(2);
  zeile("Kostenstelle", {kst, Speed("SpeedButton26", "Kostenstellen bearbeiten", "...")});
  zeile("Bemerkung", {text("BemerkungenEdit")});
  zeile("Urlaubsanspr.", {Zahl("UrlaubsAnspruchEdit", kStundenMuster)});
  zeile("Resturlaub", {Zahl("RestUrlaubEdit", kStundenMuster)});
  zeile("Zeitkonto", {Zahl("ZeitKontoEdit", kStundenMuster)});
  // The commands stand in the command bar (BaueBefehlsleiste); made here,
  // so that the tab order still leads from the master data to them.
  befehle_.push_back(
      Gruppe({Button("Button1", "Neu", "neuen Dienstnehmer anlegen"),
              Button("Button2", "Speichern", "Dienstnehmer speichern"),
              Button("Button5", "Löschen", "den Dienstnehmer mit Abrechnungsdaten LÖSCHEN")}));
  befehle_.push_back(Gruppe({Button("BitBtn1", "An-/Abmelden ...", "Dienstnehmer an- abmelden ..."),
                             Button("Button3", "Beenden", "Beenden und Fenster schließen")}));
  g->setColumnStretch(1, 1);
  return b;
}

QWidget* TPersForm::BaueFreibetraege() {
  QGroupBox* b = Bereich("FreibetraegeGroupBox", "Freibeträge");
  Auf auf(eltern_, b);
  QGridLayout* g = Raster(b);
  const std::pair<const char*, const char*> zeilen[] = {
      {"Freibetr. § 68", "FreibetragEdit"},
      {"SV-frei", "SVFreibetrEdit"},
      {"FB Mitteilung", "FreibetrLtMitteilgEdit"},
      {"Pendlerpauschale", "NormArbeitszeitEdit"},
      {"Landarbeiter", "LandarbFreiEdit"},
      {"sonst. steuerfrei", "SonstSteuerfrEdit"},
      {"Auslandstätigkeit", "AuslandsTaetEdit"},
      {"freiw. Beiträge", "freiwillBeitrEdit"},
      {"Sachbezüge", "SachbezuegeEdit"},
      {"DB/DZ/KSt-frei", "DbDzKommStFreierBetragEdit"},
      {"Zukunftssicherung", "ZukunftssicherungEdit"},
      {"ausl. Pension", "AuslPensDGEdit"},
      {"Aufrollung", "AufrollungEdit"},
      {"Teilentgelt", "TeilentgeltEdit"},
      {"BGr. vor ATZ", "beitrGrundlVorAltZeilzEdit"},
  };
  for (auto [caption, name] : zeilen) Zeile(g, {Text(Q(caption)), Betrag(name)});
  Zeile(g, {Text("Tage Teilentgelt"), Zahl("TageTeilentgeltEdit", kStundenMuster)});
  Spanne(g,
         Gruppe({Button("SpeedButton37", "mehr Felder ...", "Pendlereuro und Jahreslohnzettel")}));
  Abschliessen(g);
  return b;
}

QWidget* TPersForm::BaueFixeLohnarten() {
  QGroupBox* b = Bereich("FixeLohnartenGroupBox", "fixe Lohnarten");
  Auf auf(eltern_, b);
  QGridLayout* g = Raster(b);
  Zeile(g, {Text("Gehalt/Std-Lohn"), Betrag("GehaltEdit")});
  Zeile(g, {Text("Zulage"), Betrag("ZulageEdit")});
  Zeile(g, {Text("Überstd-Satz"), Betrag("StundenlohnEdit")});
  Zeile(g, {Text("Mehrstd-Satz"), Betrag("MehrstdSatzEdit")});
  Zeile(g, {Text("Zuschl. %"), Zahl("MehrstdZuschlagEdit", kStundenMuster)});
  Spanne(g, Gruppe({Check("AngestellterCheckBox", "Gehalt"),
                    Check("ArbeiterCheckBox", "Std-Lohn (Zeitlohn)")}));
  Abschliessen(g);
  return b;
}

QWidget* TPersForm::BaueEigenschaften() {
  QGroupBox* b = Bereich("EigenschaftenGroupBox", "Eigenschaften des DN");
  Auf auf(eltern_, b);
  QGridLayout* g = Raster(b);
  Spanne(g, Gruppe({Link("Label10", "BeitrGruppe", "Beitragsgruppen-Tabelle öffnen"),
                    Combo("BeitragsgruppeComboBox"),
                    Speed("SpeedButton29", "e-Service oder Beitragsgruppen-Tabelle öffnen", "?"),
                    Check("ArbeiterCheckBoxNeu", "Arbeiter")}));
  auto* haken = new QWidget(eltern_);
  auto* raster = new QGridLayout(haken);
  raster->setContentsMargins(0, 0, 0, 0);
  raster->setHorizontalSpacing(4);
  raster->setVerticalSpacing(0);
  const std::pair<const char*, const char*> kaestchen[] = {
      {"GeringfCheckBox", "geringf.Besch."},
      {"TeilzeitCheckBox", "Teilzeit"},
      {"freierDNcheckBox", "freier DN"},
      {"weiblichCheckBox", "weiblich"},
      {"SZanspruchCheckBox", "SZ-Anspruch"},
      {"SZohneAllgBeitrCheckBox", "SZ ohne allg. BGr."},
      {"ueberSechzigCheckBox", "DB,DZ frei"},
      {"GeschaeftsFuehrerCheckBox", "Geschäftsführer"},
      {"grPendlPausch", "Alleinerzieher"},
      {"Alleinverdiener", "Alleinverdiener"},
      {"UeberwiegNachtarbeitCheckBox", "überw. Nachtarbeit"},
      {"KaerntenCheckBox", "LK auch SZ (Ktn.)"},
      {"BMVGcheckBox", "BMVG"},
      {"ExekutionCheckBox", "Exekution"},
      {"DNabgemeldetCheckBox", "DN abgemeldet"},
      {"LstBerechnen", "Lohnsteuer berechnen"},
      {"Lst2009Checkbox", "Lst-Tarif 2009"},
  };
  {
    Auf aufHaken(eltern_, haken);
    int i = 0;
    for (auto [name, caption] : kaestchen) {
      raster->addWidget(Check(name, caption), i / 2, i % 2);
      ++i;
    }
  }
  Spanne(g, haken);

  auto* umlagen = Benenne(new QGroupBox("Umlagen", eltern_), "UmlagenGroupBox");
  umlagen->setToolTip(
      "manche Beitragsgruppen zB. geringfügig Beschäftigte und Lehrlinge sind befreit von "
      "Umlagen");
  auto* uh = new QHBoxLayout(umlagen);
  uh->setContentsMargins(4, 0, 2, 1);
  uh->setSpacing(2);
  {
    Auf aufUmlagen(eltern_, umlagen);
    for (const char* name : {"KU", "WF", "LK", "SW", "EF", "IE", "NB"})
      uh->addWidget(Check(name, name));
  }
  uh->addStretch(1);
  Spanne(g, umlagen);

  Zeile(g, {Text("max. SV-Tage"), Zahl("TageMaxSV", "99")});
  Spanne(g, Gruppe({Speed("SpeedButton28", "Informationen zur Beitragssenkung [PDF] ...", "i"),
                    Text("Beitragssenkung f.niedrige Einkommen")}));
  Zeile(g, {Check("AMPFGautoCheckBox", "auto"), Text("lfd. Bezüge"), Text("Sonderzahlung")});
  Zeile(g, {Text("Rückverr. Gruppe"), Zahl("AMPFG_RueckVerrGruppeEdit", "N25c"),
            Zahl("AMPFG_RueckVerrGruppe_SZEdit", "N25c")});
  Zeile(g, {Text("Rückverr. Betrag"), Betrag("AMPFG_RueckVerrBetragEdit"),
            Betrag("AMPFG_RueckVerrBetrag_SZEdit")});
  Zeile(g, {Text("Rückverr. SV-Grdl."), Betrag("AMPFG_SVGrundlageEdit"),
            Betrag("AMPFG_SVGrundlage_SZEdit")});
  Zeile(g, {Text("Einkommen"), Betrag("Einkommen")});
  Abschliessen(g);
  return b;
}

QWidget* TPersForm::BaueBmvg() {
  // The title is longer than the column; it wraps inside the frame.
  QGroupBox* b = Bereich("BmvgGroupBox", "");
  Auf auf(eltern_, b);
  b->setToolTip("Betriebliches Mitarbeitervorsorgegesetz (Abfertigung neu)");
  QGridLayout* g = Raster(b);
  auto* titel = Text("Betriebliches Mitarbeitervorsorgegesetz (Abfertigung neu)");
  Benenne(titel, "BmvgTitel");
  titel->setWordWrap(true);
  Spanne(g, titel);
  Zeile(g,
        {Text("BMVG-Beitrag"), Betrag("BMVGbetragEdit"), Check("BMVGberechnenCheckBox", "auto")});
  Zeile(g, {Text("MV-Zuschlag"), Betrag("MVzuschlagEdit"),
            Speed("Button8", "MV-Zuschlag berechnen", "...")});
  Zeile(g, {Text("Übertragung"), Betrag("BMVGUebertragungsBetragEdit")});
  Abschliessen(g);
  return b;
}

QWidget* TPersForm::BaueLaufendeLohnarten() {
  // Columns: caption, hours or a first amount, the amount.
  QGroupBox* b = Bereich("LaufendeLohnartenGroupBox", "laufende Lohnarten");
  Auf auf(eltern_, b);
  QGridLayout* g = Raster(b);
  Zeile(g, {nullptr, Text("Stunden"), Text("Betrag")});
  const std::array<std::array<const char*, 3>, 8> stunden = {{
      {"Normalstunden", "NormalstundenEdit", "LohnNormalstundenEdit"},
      {"Mehrstunden", "MehrstundenEdit", "LohnGehaltMehrstundenEdit"},
      {"Überstd. 50 %", "Ueberstunden50Edit", "LohnGehaltUeberstunden50Edit"},
      {"Überstd. 75 %", "Ueberstunden75Edit", "LohnGehaltUeberstunden75Edit"},
      {"Überstd. 100 %", "Ueberstunden100Edit", "LohnGehaltUeberstunden100Edit"},
      {"Überstd. 200 %", "Ueberstunden200Edit", "LohnGehaltUeberstunden200Edit"},
      {"Urlaubsstunden", "UrlaubstundenEdit", "LohnUrlaubstundenEdit"},
      {"Fehlstunden", "FehlstundenEdit", "LohnFehlstundenEdit"},
  }};
  for (const auto& z : stunden) {
    Zeile(g, {Text(Q(z[0])), Zahl(z[1], kStundenMuster), Betrag(z[2])});
    // The surcharges are part of the overtime pay above.
    if (std::string_view(z[1]) == "Ueberstunden200Edit")
      Zeile(g, {Text("davon Zuschl. § 68"), nullptr, Betrag("davonNachtZuschl")});
  }
  Zeile(g, {Text("Brutto"), nullptr, Betrag("BruttoEdit")});
  // Special payments: their own caption takes the place of the first two
  // columns.
  auto art = Combo("SonderZlgComboBox");
  // A button of its own, not a flat tool-bar one: it opens the calculator.
  QToolButton* sz = Speed("SpeedButton31", "Sonderzahlung berechnen", "SZ");
  sz->setAutoRaise(false);
  Spanne(g, Gruppe({art, sz}), 0, 1);
  Neben(g, Betrag("SonderzahlungEdit"), 2);
  Spanne(g, Edit("SZSVfreiTextEdit"), 0, 1);
  Neben(g, Betrag("SZSVfreiEdit"), 2);
  Spanne(g, Edit("SonstSZTextEdit"), 0, 1);
  Neben(g, Betrag("SonstSZEdit"), 2);
  auto paar = [&](const char* l, const char* e1, const char* e2) {
    Zeile(g, {Text(Q(l)), Betrag(e1), Betrag(e2)});
  };
  paar("SV / LSt sonst. SZ", "SonstSZSVEdit", "SonstSZLSTEdit");
  paar("e-card / Sachbezug", "ServiceEntgelt_eCardEdit", "SachbezuegeAbreEdit");
  paar("Brutto ges. / SV-frei", "BruttoGesamtEdit", "SVFreibetragEdit");
  paar("SV-Grundl. lfd/SZ", "SVBeitragsgrundlageEdit", "SVBeitragsGrundlageSonderzahlungEdit");
  paar("SV-DN-Ant. lfd/SZ", "BetragDNAnteilEdit", "BetragDNAnteilSonderZEdit");
  paar("KU / WF", "DN_KU_Edit", "DN_WF_Edit");
  paar("LK / SW", "DN_LK_Edit", "DN_SW_Edit");
  paar("LK / SW SZ", "DN_LK_SZ_Edit", "DN_SW_SZ_Edit");
  paar("SV ges. lfd/SZ", "SV_DN_GesamtEdit", "SV_DN_SZ_GesamtEdit");
  Zeile(g, {Text("DG % / DN %"), Zahl("DGAnteilEdit", kStundenMuster),
            Zahl("DNAnteilEdit", kStundenMuster)});
  Zeile(g, {Text("SV-Abzüge"), nullptr, Betrag("SV_AbzGesEdit")});
  paar("1/6 / Summe SZ", "JahressechstelEdit", "SummeSonderZlgEdit");
  paar("innerh. 1/6 / SV-frei", "InnerhSechstelEdit", "InnerhSechstelSVfreiEdit");
  paar("über 1/6 / fikt. BMG", "SueberschreitungEdit", "fiktiveBMGedit");
  paar("Freibetr. / fr. Beitr.", "FreibetrEdit", "KrankenschEdit");
  paar("Grundl. LSt / LSt", "GrundlageLSTEdit", "LohnsteuerBetragEdit");
  paar("LSt-FB SZ / Summe", "LstFreibetragSZ", "SummeLstFreibetrSZEdit");
  paar("Grundl. / LSt SZ", "GrundlLstSZ", "LstSZ");
  Spanne(g, Check("ohneFreibSZCheckBox", "ohne FB SZ"), 0, 1);
  Zeile(g, {Text("LSt gesamt"), nullptr, Betrag("LstGesamt")});
  Zeile(g, {Text("Netto"), nullptr, Betrag("NettoBetragEdit")});
  // The free-text openers stand where the captions of their amounts would.
  for (auto [name, caption, betrag] :
       {std::array<const char*, 3>{"Label55", "Steuerfr. § 26, § 3 (Diäten-Km)",
                                   "SpesenersatzEdit"},
        std::array<const char*, 3>{"Label56", "Vorschuss (freier Text)", "VorschussEdit"}}) {
    Spanne(g, Link(name, caption, "Text für Lohnzettel frei definieren ..."), 0, 1);
    Neben(g, Betrag(betrag), 2);
  }
  paar("Exekution / Auszahl.", "ExekutionEdit", "AuszahlungsbetragEdit");
  Zeile(g, {Text("SV-Tage"),
            Gruppe({Zahl("SV_Lohn_TageEdit", kStundenMuster),
                    Speed("SpeedButton30", "berechne Gehalt für Teil des Monats", "...")})});
  Zeile(g, {Text("Urlaub / Zeitkonto"), Zahl("UrlaubsKontoTageEdit", kStundenMuster),
            Zahl("ZeitKontoStdEdit", kStundenMuster)});
  befehle_.push_back(
      Gruppe({Button("BerechnenButon", "Berechnen", "Abrechnung berechnen und speichern"),
              Button("Button6", "Abr. löschen", "Abrechnung des Monats löschen"),
              Button("SpeedButton32", "Konto ...", "Konto anzeigen")}));
  Spanne(g,
         Gruppe({Button("TageslohnButton", "Lst. Tageslohn", "Lohnsteuer für Tageslohn berechnen"),
                 Button("Button4", "Urlaubsabfindung",
                        "Ersatzleistungen für Urlaubsentgelt berechnen")}));
  QLineEdit* lohnartenSumme = Betrag("LohnartenSummeEdit");
  lohnartenSumme->setFocusPolicy(Qt::NoFocus);
  Spanne(g, Gruppe({Button("SpeedButton24", "mehr Lohnarten ...", "weitere Lohnarten erfassen"),
                    Speed("SpeedButton25", "weitere Lohnarten erfassen", "..."), lohnartenSumme}));
  auto* lohnartenFrei = Text("");
  Benenne(lohnartenFrei, "LohnartenFreiLabel");
  lohnartenFrei->setWordWrap(true);
  Spanne(g, lohnartenFrei);
  {
    // Working fields, never shown: on the window, outside the area.
    Auf aufFenster(eltern_, this);
    for (const char* name : {"TempEdit", "TempEdit1", "TempEdit2"}) Edit(name, 10);
  }
  Abschliessen(g);
  return b;
}

// The window's commands below the areas: they stay in reach however far
// the areas are scrolled.
QWidget* TPersForm::BaueBefehlsleiste() {
  auto* leiste = Benenne(new QFrame(this), "Befehlsleiste");
  leiste->setFrameShape(QFrame::NoFrame);
  KleineSchrift(leiste);
  auto* h = new QHBoxLayout(leiste);
  h->setContentsMargins(6, 1, 6, 1);
  h->setSpacing(12);
  for (QWidget* gruppe : befehle_) h->addWidget(gruppe, 0);
  h->addStretch(1);
  return leiste;
}

QWidget* TPersForm::BaueMenuePanel() {
  auto* panel = Benenne(new QFrame(eltern_), "MenuePanel");
  Auf auf(eltern_, panel);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFixedWidth(kMenueBreite);
  panel->setToolTip("Handbuch, Schulungsvideos und Kurzhilfe");
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(6, 4, 4, 4);
  v->setSpacing(4);
  auto* zu = Link("Label191", " << ", "Infos ausblenden");
  v->addWidget(zu, 0, Qt::AlignRight);
  v->addWidget(Link("Label166", "Handbuch öffnen"));
  auto* videos = Benenne(new QLabel("Schulungsvideos:", panel), "Label172");
  QFont f = videos->font();
  f.setBold(true);
  videos->setFont(f);
  v->addWidget(videos);
  v->addWidget(Link("Label174", "neuen Mitarbeiter anlegen"));
  v->addWidget(Link("Label173", "eine neue Firma anlegen"));
  v->addWidget(Link("Label175", "eine Abrechnung erstellen"));
  v->addWidget(Link("Label177", "monatl. Bericht Sozialvers."));
  v->addWidget(Link("Label178", "elektronische Übermittlung"));
  v->addWidget(Link("Label169", "mehr Schulungs-Videos"));
  v->addSpacing(8);
  auto* kurz = new QLabel("Kurzhilfe:", panel);
  kurz->setFont(f);
  v->addWidget(kurz);
  v->addWidget(Link("Label176", "Mitarbeiter an-/abmelden"));
  v->addStretch(1);
  return panel;
}

QFrame* TPersForm::BaueMehrPanel() {
  QFrame* p = Ueberlagerung("mehrPanel", kMehrPanel, this);
  Auf auf(eltern_, p);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(" mehr Felder: Pendlereuro und Jahreslohnzettel", p));
  kopf->addStretch(1);
  kopf->addWidget(Link("Label195", " ? "));
  kopf->addWidget(Link("Label194", " X "));
  v->addLayout(kopf);
  auto* g = new QGridLayout;
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(2);
  Zeile(g, {Text("pausch. Reiseaufw. (Jahresbetrag)"), Betrag("PREI_Edit")});
  Zeile(g, {Text("Werkverkehr K-Monate"), Zahl("WERK_Edit", "99")});
  Zeile(g, {Text("Pendler-Euro (Jahresbetrag)"), Betrag("BPEND_Edit")});
  Zeile(g, {Text("Monate-Überlassung-Kfz"), Zahl("UEBMO_Edit", "99")});
  Zeile(g, {Text("Sonderausgaben-Aufrollung"), Betrag("BSROL_Edit")});
  Zeile(g, {Text("Entwicklungshelfer/Innen"), Betrag("ENTW_Edit")});
  Abschliessen(g);
  v->addLayout(g);
  v->addWidget(Check("EPAB_CB", "Erhöhter PAB berücksichtigt"));
  auto* h = new QHBoxLayout;
  h->addWidget(Check("CheckBox32", "monatlich berücksichtigen"));
  h->addStretch(1);
  h->addWidget(Link("Label199", "> Schulungs-Video", "Internetverbindung erforderlich"));
  v->addLayout(h);
  return p;
}

QFrame* TPersForm::BauePendlerEuroInfo() {
  QFrame* p = Ueberlagerung("PendlerEuroInfo", kPendlerEuroInfo, this);
  Auf auf(eltern_, p);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(Text("Pendlereuro"));
  kopf->addStretch(1);
  kopf->addWidget(Link("Label196", "X"));
  v->addLayout(kopf);
  auto* memo = Benenne(new QPlainTextEdit(p), "MemoPendlerEuro");
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  v->addWidget(memo);
  return p;
}

QFrame* TPersForm::BaueTagePanel(QWidget* parent) {
  QFrame* p = Ueberlagerung("TagePanel", kTagePanel, parent);
  Auf auf(eltern_, p);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  v->addWidget(Text(" Bei fallweiser Beschäft. haken Sie bitte jeden Kalendertag an: "));
  auto* raster = new QGridLayout;
  raster->setSpacing(2);
  for (int tag = 1; tag <= 31; ++tag) {
    QString caption = QString("%1").arg(tag, 2, 10, QChar('0'));
    auto* c = Benenne(new QCheckBox(caption, p), lohn::TagCheckBoxName(tag));
    raster->addWidget(c, (tag - 1) / 7, (tag - 1) % 7);
  }
  v->addLayout(raster);
  v->addWidget(Text(" Bei Zeitlohn geben Sie bitte die Anzahl der Tage ein: "));
  auto* h = new QHBoxLayout;
  auto* anzahl = Zahl("AnzTageEdit", "99");
  anzahl->setMaxLength(2);
  h->addWidget(anzahl);
  h->addWidget(Button("AnzTageLoeschenButton", "X"));
  h->addStretch(1);
  v->addLayout(h);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(Button("TagePanelOKButton", "OK"));
  knoepfe->addWidget(Button("TagePanelBeendenButton", "Beenden"));
  v->addLayout(knoepfe);
  return p;
}

QFrame* TPersForm::BaueEldaPanel() {
  QFrame* p = Ueberlagerung("DnEldaPanel", kEldaPanel, this);
  Auf auf(eltern_, p);
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  auto* kopf = new QHBoxLayout;
  auto* titel = new QLabel(" Versicherten-Meldung", p);
  QFont f = titel->font();
  f.setBold(true);
  titel->setFont(f);
  kopf->addWidget(titel);
  kopf->addStretch(1);
  auto* x = Link("Label198", " X ", "schließen");
  x->setStyleSheet("color: #cc0000; font-weight: bold;");
  kopf->addWidget(x);
  v->addLayout(kopf);
  auto* hinweis = Text(
      "Hier erfassen Sie die Daten für die Versichertenmeldungen und klicken auf [Daten für "
      "ELDA erstellen] um die Meldungen mit ELDA Software an die Sozialversicherungsanstalt "
      "zu übertragen. Prüfen Sie dann bitte die Meldebestätigung von ELDA!");
  hinweis->setWordWrap(true);
  v->addWidget(hinweis);

  auto* art = new QHBoxLayout;
  art->addWidget(Text("Art der Meldung:"));
  art->addWidget(Combo("ComboBox1", false));
  auto* satzart = Zahl("DN_Satzart", "WWW");
  satzart->setReadOnly(true);
  art->addWidget(satzart);
  art->addWidget(Check("Testdaten_CB", "ELDA Testdaten"));
  art->addStretch(1);
  v->addLayout(art);

  // Two columns of caption and fields.
  auto* raster = new QGridLayout;
  raster->setHorizontalSpacing(4);
  raster->setVerticalSpacing(2);
  int zeile = 0, spalte = 0;
  auto zelle = [&](const char* caption, QWidget* a, QWidget* b = nullptr) {
    raster->addWidget(Text(Q(caption)), zeile, spalte);
    raster->addWidget(b ? Gruppe({a, b}) : a, zeile, spalte + 1);
    spalte += 2;
    if (spalte == 4) {
      spalte = 0;
      ++zeile;
    }
  };
  // A code with its list of long texts takes a whole line.
  auto breit = [&](const char* caption, QWidget* code, const char* liste) {
    if (spalte != 0) ++zeile;
    raster->addWidget(Text(Q(caption)), zeile, 0);
    raster->addWidget(Gruppe({code, Combo(liste, false)}), zeile, 1, 1, 3);
    spalte = 0;
    ++zeile;
  };
  auto datum = [&](const char* name) { return Zahl(name, kDatumMuster); };
  auto heute = [&](const char* feld) {
    return Button((std::string("Heute") + feld).c_str(), "heute", "heutiges Datum einsetzen");
  };
  auto code = [&](const char* name, const char* muster) {
    auto* e = Zahl(name, muster);
    e->setReadOnly(true);
    return e;
  };
  auto text = [&](const char* name) { return Edit(name, FeldBreite("WWWWWWWWWWW")); };
  zelle("An/Abmeld/Änd.-Datum", datum("ADAT"), heute("ADAT"));
  zelle("Ende Beschäftig. Datum", datum("EBSV"), heute("EBSV"));
  zelle("früherer Fam-Name 1", text("FNA1"));
  zelle("früherer Fam-Name 2", text("FNA2"));
  zelle("Akad. Grad, Titel", text("AKGR"));
  zelle("Staatsangehörigkeit", Zahl("STSL", "WWW"), Text("AUT = Österr."));
  zelle("Richtiges An/Abmeldedatum", datum("RDAT"), heute("RDAT"));
  breit("Gesetzl. Grundlage Code", code("GEGC", "99"), "ComboBox2");
  zelle("Gesetzl. Grundlage Text", text("GEGT"));
  breit("Verwantsch.Verhältnis Code", code("VWVC", "99"), "ComboBox3");
  zelle("Verwantsch.Verhältnis Text", text("VWVT"));
  zelle("Beteiligung", text("BETL"));
  breit("Zugehörigkeit", code("ZUGE", "99"), "ComboBox4");
  zelle("Tabakmonopolgesetz", Check("TAMO_CB", "z.B. Trafik od. TabMG "));
  zelle("Lehrzeitdatum von", datum("LVDA"), heute("LVDA"));
  zelle("Lehrzeitdatum bis", datum("LBDA"), heute("LBDA"));
  zelle("Gesamtentgelt (btto+Sachb)", Betrag("BETR"));
  zelle("Zeitlohn (zeitlich begrenzt)", Check("ABEZ_CB", ""));
  zelle("Sachbezug", Check("SBZC_CB", ""));
  zelle("Tage pro Woche", Zahl("BTAG", "9"));
  zelle("Stunden pro Woche", Zahl("BSTD", "9999"), Text("(1/4 Stunde = 0025)"));
  zelle("Malus", Check("MALU_CB", ""));
  zelle("BG für Malus", Betrag("BGMA"));
  zelle("Beschäftigungsort Int. KFZ-K.", Zahl("BKFZ", "WWW"), Text("A = Österreich"));
  zelle("Besch.Ort Postleitzahl", Zahl("BPLZ", "99999"));
  zelle("Beschäftigungsort Ort", text("BORT"));
  breit("Abmeldegrund Code", code("AGRD", "99"), "ComboBox5");
  zelle("Abmeldegrund Text", text("SAGR"));
  zelle("Kündigungsentschäd. ab", datum("KEAB"), heute("KEAB"));
  zelle("Kündigungsentschäd. bis", datum("KEBI"), heute("KEBI"));
  zelle("Urlaubsersatzleistung ab", datum("UEAB"), heute("UEAB"));
  zelle("Urlaubsersatzleistung bis", datum("UEBI"), heute("UEBI"));
  zelle("Tage fallw. Besch. / Zeitlohn", code("TAGE", "99,99,99,99"),
        Button("TageButton", "Eingabe Tage ..."));
  zelle("Ende 1. Lehrjahr", datum("E1LJ"), heute("E1LJ"));
  zelle("Bauarbeiter Urlaubskasse", Check("BUAK_CB", ""));
  zelle("Werktage Ersatzleistung", Zahl("ERTG", "999"));
  zelle("Nacht-Schwerarb. Anfang", datum("NSGA"), heute("NSGA"));
  zelle("Nacht-Schwerarb. Ende", datum("NSGE"), heute("NSGE"));
  zelle("Änderungscode", code("AECD", "WWWW"));
  zelle("Betr. Vorsorgebeitr. ab", datum("BVAB"), heute("BVAB"));
  zelle("Betr. Vorsorgebeitr. Ende", datum("BVEN"), heute("BVEN"));
  zelle("Auflösungsabgabe", Check("AABG_CB", ""), Link("Label192", "(?)"));
  v->addLayout(raster);
  v->addStretch(1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(Button("BitBtn2", "Daten für ELDA erstellen"));
  knoepfe->addWidget(Button("Button9", "Schließen"));
  v->addLayout(knoepfe);
  BaueTagePanel(p);
  return p;
}

// ---------------------------------------------------------------------------

TPersForm::TPersForm(lohn::AppState& state, QWidget* parent, bool mitDaten)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      kontext_(state),
      model_(kontext_.form) {
  setObjectName("PersForm");
  setModal(true);
  // Dense like a form of its kind: many small fields on one surface. The
  // fields that the calculation fills have the colour of the buttons.
  QFont schrift = font();
  schrift.setPointSizeF(kSchriftGrad);
  setFont(schrift);
  setStyleSheet(
      "QLineEdit { padding: 0px 1px; min-height: 15px; max-height: 16px; }"
      "QLineEdit[readOnly=\"true\"] { background: palette(button); }"
      "QComboBox { padding: 0px 2px; min-height: 15px; max-height: 16px; }"
      "QPushButton { padding: 1px 6px; min-height: 15px; }"
      "QCheckBox { spacing: 2px; }" +
      FarbRegeln());

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(2);
  auto band = [&](const char* name) {
    auto* b = Benenne(new QLabel(this), name);
    b->setFixedHeight(3);
    b->setStyleSheet("background: #2f5f9f;");
    return b;
  };
  v->addWidget(band("Image2"));
  v->addWidget(BaueWerkzeugleiste());

  // The areas scroll when the screen is lower than the window. The surface
  // lies in the scroll area with its style before the areas are built on
  // it: placing a finished surface there would style all of them anew.
  flaeche_ = new QScrollArea(this);
  flaeche_->setFrameShape(QFrame::NoFrame);
  flaeche_->setWidgetResizable(true);
  auto* inhalt = Benenne(new QWidget(this), "Flaeche");
  KleineSchrift(inhalt);
  flaeche_->setWidget(inhalt);
  Auf auf(eltern_, inhalt);
  auto* mitte = new QHBoxLayout(inhalt);
  mitte->setContentsMargins(3, 0, 3, 0);
  mitte->setSpacing(3);
  auto spalte = [&](std::initializer_list<QWidget*> bereiche) {
    auto* l = new QVBoxLayout;
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    for (QWidget* b : bereiche) l->addWidget(b);
    l->addStretch(1);
    mitte->addLayout(l);
  };
  spalte({BauePersonaldaten(), BaueFreibetraege()});
  spalte({BaueFixeLohnarten(), BaueEigenschaften(), BaueBmvg()});
  spalte({BaueLaufendeLohnarten()});
  mitte->addWidget(Link("Label193", ">", "Infos einblenden"), 0, Qt::AlignTop);
  mitte->addStretch(1);
  mitte->addWidget(BaueMenuePanel());
  HinterDieBereiche(flaeche_);
  v->addWidget(flaeche_, 1);
  auf.Ende();
  v->addWidget(BaueBefehlsleiste());
  v->addWidget(band("Image5"));

  auto* status = Benenne(new QStatusBar(this), "StatusBar1");
  status->setSizeGripEnabled(false);
  status->addWidget(new QLabel(status), 1);
  v->addWidget(status);

  BaueMehrPanel();
  BauePendlerEuroInfo();
  BaueEldaPanel();

  // The wage-type window exists before the creation clears its lines.
  lohnarten_ = new TPersFormLohnarten(kontext_.lohnarten, state_.services.shell, this);
  connect(lohnarten_, &TPersFormLohnarten::LohnartenGeaendert, this,
          [this] { lohn::LohnartenSummenZeigen(kontext_); });
  connect(lohnarten_, &TPersFormLohnarten::Geschlossen, this,
          [this] { lohn::LohnartenSummenZeigen(kontext_); });
  // The calculators keep their texts in the window's core.
  teilGehalt_ = new TTeilGehaltForm(kontext_, this);
  sonderzahlung_ = new TSonderzahlungForm(kontext_, this);
  tagesLohnsteuer_ = new TTagesLohnsteuerForm(kontext_, this);
  urlaubsAbfindung_ = new TUrlaubsAbfindungForm(kontext_, this);
  Binden();
  Verbinden();
  lohn::PersFormCreate(state_, model_, mitDaten);
  ListenBreiten();
  Groesse();
}

void TPersForm::ListenBreiten() {
  for (QComboBox* c : findChildren<QComboBox*>()) {
    // The employee list takes its column; the wage-type window sizes its own.
    if (c->window() != this || c->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored) continue;
    int text = c->fontMetrics().horizontalAdvance(c->currentText());
    // The month list is read at a glance, as wide as a month's name.
    if (c->objectName() == "MonatComboBox") text = c->fontMetrics().horizontalAdvance(kMonatMuster);
    for (int i = 0; i < c->count(); ++i)
      text = std::max(text, c->fontMetrics().horizontalAdvance(c->itemText(i)));
    // What the frame and the arrow take, as the style draws them; the
    // text keeps the margins of an edit.
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    opt.frame = true;
    opt.rect = QRect(0, 0, 200, c->sizeHint().height());
    const QRect feld =
        c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    const int breite = opt.rect.width() - feld.width() + text + 2 * 3;
    // A list that widens keeps every entry whole also when narrow: its
    // place is at least as wide.
    if (auto platz = plaetze_.find(c->objectName().toStdString()); platz != plaetze_.end()) {
      platz->second->setFixedWidth(std::max(platz->second->width(), breite));
      LegeAufPlatz(platz->first);
    } else {
      c->setFixedWidth(breite);
    }
  }
}

void TPersForm::Groesse() {
  // A scroll area proposes only a small size; the window asks its areas.
  const int ohneFlaeche = layout()->sizeHint().height() - flaeche_->sizeHint().height();
  QSize groesse(model_.Width(), ohneFlaeche + flaeche_->widget()->sizeHint().height());
  if (QScreen* schirm = screen()) {
    // The frame is known only once the window has been shown: the same
    // reserve every time, so that every opening looks like the first.
    const QSize rahmen = frameGeometry().size() - size();
    const QSize frei =
        schirm->availableGeometry().size() -
        QSize(std::max(rahmen.width(), 0), std::max(rahmen.height(), kRahmenReserve));
    groesse = groesse.boundedTo(frei);
  }
  setFixedSize(groesse);
}

void TPersForm::Binden() {
  for (const std::string& name : model_.Names()) {
    QWidget* w = Control(name);
    if (!model_.Hint(name).empty() && w->toolTip().isEmpty()) w->setToolTip(Q(model_.Hint(name)));
    // Shown last: showing styles the control, with the properties set before.
    for (PersAspekt a :
         {PersAspekt::Items, PersAspekt::Text, PersAspekt::Checked, PersAspekt::Enabled,
          PersAspekt::ReadOnly, PersAspekt::Farbe, PersAspekt::Visible})
      Zeige(name, a);

    const char* n = widgets_.find(name)->first.c_str();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      connect(e, &QLineEdit::textEdited, this, [this, n](const QString& t) {
        lohn::PersFormBenutzerText(state_, model_, n, t.toStdString());
      });
      fokusNamen_[e] = name;
      e->installEventFilter(this);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      auto gewaehlt = [this, n](const QString& t) {
        lohn::PersFormBenutzerText(state_, model_, n, t.toStdString());
      };
      connect(c, &QComboBox::textActivated, this, gewaehlt);
      if (QLineEdit* le = c->lineEdit()) connect(le, &QLineEdit::textEdited, this, gewaehlt);
      fokusNamen_[c] = name;
      c->installEventFilter(this);
    } else if (auto* k = qobject_cast<QCheckBox*>(w)) {
      connect(k, &QCheckBox::clicked, this,
              [this, n](bool on) { lohn::PersFormBenutzerHaken(state_, model_, n, on); });
      fokusNamen_[k] = name;
      k->installEventFilter(this);
    }
  }
  // The captions once the fields show their texts (a special payment's is
  // one of them), before a widening field leaves its place in the layout.
  for (const std::string& name : model_.Names()) {
    QWidget* w = Control(name);
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
      model_.SetBeschriftung(name, BeschriftungVon(w).toStdString());
  }
  for (const lohn::BreitesFeld& b : lohn::BreiteFelder()) Freistellen(b);
  model_.SetObserver([this](const std::string& name, PersAspekt a) { Zeige(name, a); });
}

void TPersForm::Freistellen(const lohn::BreitesFeld& feld) {
  const std::string name = feld.name;
  QWidget* w = widgets_.at(name);
  w->ensurePolished();
  auto* platz = new QWidget;
  platz->setObjectName(Q(name + "Platz"));
  const int breite =
      feld.muster ? std::max(feld.verlassen, FeldBreite(Q(feld.muster))) : feld.verlassen;
  platz->setFixedSize(breite,
                      std::clamp(w->sizeHint().height(), w->minimumHeight(), w->maximumHeight()));
  delete w->parentWidget()->layout()->replaceWidget(w, platz);
  w->setMinimumWidth(0);
  w->setMaximumWidth(QWIDGETSIZE_MAX);
  plaetze_[name] = platz;
  platzNamen_[platz] = name;
  platz->installEventFilter(this);
}

void TPersForm::LegeAufPlatz(const std::string& name) {
  QWidget* platz = plaetze_.at(name);
  QWidget* w = widgets_.at(name);
  const int breite = model_.FeldBreite(name);
  w->setGeometry(platz->x(), platz->y(), std::max(breite, platz->width()), platz->height());
  w->raise();
}

void TPersForm::Zeige(const std::string& name, PersAspekt aspekt) {
  if (aspekt == PersAspekt::Width) {
    Groesse();
    return;
  }
  QWidget* w = widgets_.at(name);
  switch (aspekt) {
    case PersAspekt::Text: {
      // Buttons, panels and link labels keep their captions.
      if (model_.Art(name) == lohn::PersFeldArt::Control) break;
      ZeigeFeldText(w, Q(model_.Text(name)));
      break;
    }
    case PersAspekt::Checked:
      if (auto* k = qobject_cast<QCheckBox*>(w)) k->setChecked(model_.Checked(name));
      break;
    case PersAspekt::Items:
      if (auto* c = qobject_cast<QComboBox*>(w)) {
        // All at once: the employee list has an entry per employee.
        QStringList items;
        items.reserve(qsizetype(model_.Items(name).size()));
        for (const std::string& item : model_.Items(name)) items.append(Q(item));
        c->clear();
        c->addItems(items);
        Zeige(name, PersAspekt::Text);
      }
      break;
    case PersAspekt::Enabled:
      w->setEnabled(model_.Enabled(name));
      break;
    case PersAspekt::Visible:
      w->setVisible(model_.Visible(name));
      if (model_.Visible(name)) w->raise();
      break;
    case PersAspekt::ReadOnly:
      if (auto* e = qobject_cast<QLineEdit*>(w); e && e->isReadOnly() != model_.ReadOnly(name)) {
        e->setReadOnly(model_.ReadOnly(name));
        // The colour hangs on the property.
        NeuGestalten(e);
      }
      break;
    case PersAspekt::Focus:
      if (verlassen_) {
        // Asked by the checks of a field being left: the focus change under
        // way would end by taking the focus and the selection away again.
        // Asked once more when it is over, under the model's guard.
        QTimer::singleShot(0, this, [this, name, markieren = model_.FocusSelectsText()] {
          model_.RequestFocus(name, markieren);
        });
        break;
      }
      w->setFocus(Qt::OtherFocusReason);
      if (model_.FocusSelectsText()) {
        if (auto* e = qobject_cast<QLineEdit*>(w))
          e->selectAll();
        else if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit())
          c->lineEdit()->selectAll();
      }
      break;
    case PersAspekt::FeldBreite:
      if (plaetze_.contains(name)) LegeAufPlatz(name);
      break;
    case PersAspekt::Farbe:
      ZeigeFarbe(w, model_.Farbe(name));
      break;
    case PersAspekt::Width:
      break;
  }
}

void TPersForm::Klick(const char* name, std::function<void()> handler) {
  QWidget* w = Control(name);
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    connect(b, &QAbstractButton::clicked, this, handler);
  else if (auto* l = qobject_cast<ClickLabel*>(w))
    connect(l, &ClickLabel::clicked, this, handler);
}

void TPersForm::Verbinden() {
  using namespace lohn;
  auto& st = state_;
  auto& m = model_;
  Klick("Button1", [&] { Button1Click(st, m); });
  Klick("SpeedButton21", [&] { Button1Click(st, m); });
  Klick("Button2", [&] { Button2Click(st, m); });
  Klick("SpeedButton22", [&] { Button2Click(st, m); });
  Klick("Button5", [&] { Button5Click(st, m); });
  Klick("SpeedButton23", [&] { Button5Click(st, m); });
  Klick("Button3", [this] { accept(); });
  Klick("SpeedButton5", [this] { accept(); });
  Klick("Label191", [&] { Label191Click(m); });
  Klick("Label193", [&] { Label193Click(m); });
  Klick("SpeedButton37", [&] { SpeedButton37Click(m); });
  Klick("Label194", [&] { Label194Click(m); });
  Klick("Label195", [&] { Label195Click(m); });
  Klick("Label196", [&] { Label196Click(m); });
  Klick("BitBtn1", [&] { BitBtn1Click(m); });
  Klick("BitBtn2", [&] { BitBtn2Click(st, m); });
  for (const char* feld : EldaDatumsfelder())
    Klick((std::string("Heute") + feld).c_str(), [&st, &m, feld] { HeuteClick(st, m, feld); });
  Klick("TageButton", [&] { TageButtonClick(m); });
  Klick("TagePanelOKButton", [&] { TagePanelOKButtonClick(m); });
  Klick("AnzTageLoeschenButton", [&] { AnzTageLoeschenButtonClick(m); });
  Klick("TagePanelBeendenButton", [&] { TagePanelBeendenButtonClick(m); });
  Klick("Button9", [&] { Button9Click(m); });
  Klick("Label198", [&] { Button9Click(m); });
  Klick("Label56", [&] { OeffneFreiText(st, m, FreiText::Vorschuss); });
  Klick("Label55", [&] { OeffneFreiText(st, m, FreiText::Spesen); });
  Klick("Label192", [&] { st.dialogs().ShowMessage(kAufloesungsabgabeHinweis); });
  for (const PersFormOeffner& o : PersFormOeffnerListe()) {
    const char* control = o.control;
    Klick(control, [&st, control] { PersFormOeffnen(st.services.shell, control); });
  }
  for (const PersFormInfo& i : PersFormInfoListe()) {
    const char* control = i.control;
    Klick(control, [this, control] { ZeigeInfo(control); });
  }
  Klick("SpeedButton33", [this] { ZeigeVideos(); });
  Klick("SpeedButton24", [this] { ZeigeLohnarten(); });
  Klick("SpeedButton25", [this] { ZeigeLohnarten(); });
  Klick("SpeedButton17", [this] { SpeedButton17Click(kontext_); });
  Klick("SpeedButton16", [this] { SpeedButton16Click(kontext_); });
  Klick("SpeedButton15", [this] { SpeedButton15Click(kontext_); });
  Klick("SpeedButton18", [this] { SpeedButton18Click(kontext_); });
  Klick("SpeedButton4", [this] { SpeedButton4Click(kontext_); });
  Klick("SpeedButton2", [this] { ZeigeKalender(); });
  Klick("SpeedButton3", [&] { FuehreAus(st, Aktion::Rechner); });
  Klick("SpeedButton7", [this] { TAdresseForm(state_, this).exec(); });
  Klick("SpeedButton20", [&] { FuehreAus(st, Aktion::StandortDaten); });
  Klick("SpeedButton26", [&] { FuehreAus(st, Aktion::KostenstellenDaten); });
  Klick("SpeedButton29", [&] { SpeedButton29Click(st.dialogs(), st.services.shell); });
  for (const auto& knopf : kBerichtKnoepfe) {
    const auto bericht = knopf.second;  // clang 14 cannot capture a structured binding
    Klick(knopf.first, [this, bericht] { lohn::BerichtPunktOeffnen(state_, bericht); });
  }
  // The account report is proposed for the employee shown.
  Klick("SpeedButton32", [this] {
    if (state_.berichte)
      state_.berichte->optionen.SetText("nurEinePersNrEdit", model_.Text("PersNrEdit"));
  });
  Klick("SpeedButton19", [this] { lohn::SpeedButton19Click(state_, model_); });
  BerichteFreigeben();
  Klick("Button6", [this] { Button6Click(kontext_); });
  Klick("BerechnenButon", [this] { BerechnenButonClick(kontext_); });
  Klick("SpeedButton30", [this] { ZeigeRechner(teilGehalt_, SpeedButton30Click(kontext_)); });
  Klick("SpeedButton31", [this] { ZeigeRechner(sonderzahlung_, SpeedButton31Click(kontext_)); });
  Klick("TageslohnButton",
        [this] { ZeigeRechner(tagesLohnsteuer_, TageslohnButtonClick(kontext_)); });
  Klick("Button4", [this] { ZeigeRechner(urlaubsAbfindung_, Button4Click(kontext_)); });
  Klick("SpeedButton6", [this] { ZeigeBuchgBelegForm(state_, this); });
  Klick("Label169", [this] { ZeigeVideos(); });
  Klick("Button8", [&] { Button8Click(st.dialogs(), m); });
}

void TPersForm::BerichteFreigeben() {
  for (auto [name, bericht] : kBerichtKnoepfe)
    Control(name)->setEnabled(state_.berichte && state_.berichte->Registriert(bericht));
  // The check shows its list in a viewer of the report run.
  Control("SpeedButton19")->setEnabled(state_.berichte != nullptr);
}

void TPersForm::ZeigeInfo(const char* control) {
  for (const lohn::PersFormInfo& i : lohn::PersFormInfoListe()) {
    if (std::string_view(control) != i.control) continue;
    ZeigeHilfeText(state_.dialogs(), i.datei, Q(i.titel), this);
  }
}

void TPersForm::ZeigeKalender() {
  auto* kalender = new TKalenderForm(state_.services.clock, this);
  kalender->setAttribute(Qt::WA_DeleteOnClose);
  kalender->show();
}

void TPersForm::ZeigeVideos() {
  if (!videos_) videos_ = new TVideosForm(state_.services.shell, this);
  videos_->show();
  videos_->raise();
}

void TPersForm::ZeigeRechner(TRechnerForm* rechner, bool oeffnen) {
  if (oeffnen) rechner->exec();
}

void TPersForm::ZeigeLohnarten() {
  if (lohn::SpeedButton24Click(kontext_)) lohnarten_->exec();
}

void TPersForm::Vorbereiten() {
  lohn::FillPersonalNrList(state_, model_);
  lohn::NewPersonal(state_, model_);
  model_.SetText("DG_Label", state_.DataFileStem);
}

void TPersForm::showEvent(QShowEvent* e) {
  BerichteFreigeben();
  lohn::PersFormShow(model_);
  setWindowTitle(Q(lohn::PersFormTitel(state_.year)));
  Groesse();
  if (QScreen* screen = this->screen()) Zentriere(this, screen->availableGeometry().center());
  QDialog::showEvent(e);
}

void TPersForm::done(int result) {
  lohn::PersFormClose(model_);
  QDialog::done(result);
}

bool TPersForm::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Move || e->type() == QEvent::Resize) {
    if (auto it = platzNamen_.find(watched); it != platzNamen_.end()) LegeAufPlatz(it->second);
  }
  if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
    auto it = fokusNamen_.find(watched);
    if (it != fokusNamen_.end()) {
      if (IstFeldwechsel(e)) {
        const std::string name = it->second;
        if (e->type() == QEvent::FocusIn)
          lohn::PersFormFeldBetreten(model_, name);
        else {
          const bool vorher = verlassen_;
          verlassen_ = true;
          lohn::PersFormFeldVerlassen(state_, model_, name);
          lohn::PersFormNavigationVerlassen(kontext_, name);
          verlassen_ = vorher;
        }
      }
    }
  }
  return QDialog::eventFilter(watched, e);
}

// ---------------------------------------------------------------------------

namespace {
QPointer<TPersForm> gPersForm;
lohn::AppState* gPersFormState = nullptr;
}  // namespace

TPersForm* PersForm() { return gPersForm; }

void PersFormVorbauen(lohn::AppState& state, QWidget* parent) {
  if (gPersForm && gPersFormState == &state) return;
  delete gPersForm;
  gPersForm = new TPersForm(state, parent, false);
  gPersFormState = &state;
}

void ShowPersForm(lohn::AppState& state, QWidget* parent) {
  // Built ahead or now, the window is filled the same way when it opens.
  PersFormVorbauen(state, parent);
  gPersForm->Vorbereiten();
  gPersForm->exec();
  if (gPersForm) lohn::ClearAbrechnungFields(gPersForm->Model());
}
