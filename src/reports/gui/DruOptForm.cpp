#include "reports/gui/DruOptForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "elda/gui/RueckVerrAV56Form.h"
#include "frame/HauptmenueLogik.h"
#include "frame/gui/ClickLabel.h"
#include "frame/gui/FeldAnzeige.h"
#include "frame/gui/FeldWechsel.h"
#include "store/Numbers.h"

using lohn::FeldAspekt;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

constexpr const char* kAuslandstaetHinweis =
    "Bei Vorliegen von teilweiser Auslandstätigkeit (§ 3 Abs. 1 Z 10 oder Z 11 EStG 1988) ist für "
    "diese Tätigkeit ein eigener Lohnzettel auszustellen.";

std::string AufloesungsabgabeHinweis(const lohn::YearValues& year) {
  return std::string(
             "Diese Abgabe haben Dienstgeber grundsätzlich dann zu entrichten, wenn ein "
             "arbeitslosenversicherungspflichtiges (\"echtes\" oder freies) "
             "Dienstverhältnis beendet wird. ") +
         year.aufloesungsabgabeEnd;
}

// The picture beside "Export für Excel": a sheet with a grid.
QPixmap CsvBild() {
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x21, 0x73, 0x46));
  p.drawRoundedRect(QRectF(0, 0, 22, 22), 3, 3);
  p.setPen(QPen(Qt::white, 1));
  for (int x : {7, 14}) p.drawLine(x, 3, x, 19);
  for (int y : {8, 13}) p.drawLine(3, y, 19, y);
  return pm;
}

}  // namespace

TDruOptForm::TDruOptForm(lohn::AppState& state, lohn::BerichtKontext& kontext, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), kontext_(kontext), model_(kontext.optionen) {
  setObjectName("DruOptForm");
  setWindowTitle(Q("Optionen für Bericht"));
  Bauen();
  Binden();
  Verbinden();
}

// The model outlives the window; it must not tell a window that is gone.
TDruOptForm::~TDruOptForm() { model_.SetObserver({}); }

// ---------------------------------------------------------------------------
// Building blocks

QLabel* TDruOptForm::Beschriftung(const char* name, const char* caption) {
  auto* l = new QLabel(Q(caption), this);
  l->setObjectName(name);
  return l;
}

QLineEdit* TDruOptForm::Edit(const char* name, const char* muster) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  // As wide as the longest text it must show: the text, the frame, the
  // inner margins and the cursor.
  const int rahmen = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  e->setFixedWidth(fontMetrics().horizontalAdvance(Q(muster)) + 2 * rahmen + 2 * 3 + 2);
  return e;
}

QComboBox* TDruOptForm::Combo(const char* name, const char* muster, bool editable) {
  auto* c = new QComboBox(this);
  c->setObjectName(name);
  c->setEditable(editable);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  c->setMinimumContentsLength(int(Q(muster).size()));
  c->setMaxVisibleItems(20);
  return c;
}

QCheckBox* TDruOptForm::Check(const char* name, const char* caption) {
  auto* c = new QCheckBox(Q(caption), this);
  c->setObjectName(name);
  return c;
}

QToolButton* TDruOptForm::Knopf(const char* name, const char* caption, const char* hint) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setText(Q(caption));
  if (*hint) b->setToolTip(Q(hint));
  return b;
}

QWidget* TDruOptForm::Zeile(std::initializer_list<QWidget*> widgets) {
  auto* z = new QWidget(this);
  auto* h = new QHBoxLayout(z);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(4);
  for (QWidget* w : widgets) {
    w->setParent(z);
    h->addWidget(w);
  }
  h->addStretch(1);
  zeilen_.push_back(z);
  return z;
}

// ---------------------------------------------------------------------------

void TDruOptForm::Bauen() {
  auto* v = new QVBoxLayout(this);
  v->setSizeConstraint(QLayout::SetFixedSize);
  v->setSpacing(4);

  auto* kopf = Beschriftung("DruckErgebnis", "DruckErgebnis");
  QFont fett = kopf->font();
  fett.setBold(true);
  fett.setPointSizeF(fett.pointSizeF() * 1.15);
  kopf->setFont(fett);
  v->addWidget(Zeile({Beschriftung("Label1", "Bericht: "), kopf}));

  // The period; the Personal-Nr stands in the year's column below it and the
  // address lines one line lower, their captions to the left.
  auto* zeitraum = new QWidget(this);
  zeitraum->setObjectName("ZeitraumPanel");
  auto* g = new QGridLayout(zeitraum);
  g->setContentsMargins(0, 0, 0, 0);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(4);
  g->addWidget(Beschriftung("VonDLabel", "von Mon"), 0, 0);
  g->addWidget(Edit("AbfrageMonatVonEdit", "99"), 0, 1);
  g->addWidget(Beschriftung("Label3", "bis Mon"), 0, 2);
  g->addWidget(Edit("AbfrageMonatBisEdit", "99"), 0, 3);
  g->addWidget(Beschriftung("BisDLabel", "Jahr"), 0, 4);
  g->addWidget(Edit("AbfrageJahrEdit", "99999"), 0, 5);
  g->addWidget(Check("DatumVorschlagenCheckBox", "Zeitraum vorschlagen"), 0, 6);
  g->addWidget(Beschriftung("vonTagLabel", "von Tag"), 1, 0);
  g->addWidget(Edit("vonTagEdit", "99"), 1, 1);
  g->addWidget(Beschriftung("bisTagLabel", "bis Tag"), 1, 2);
  g->addWidget(Edit("bisTagEdit", "99"), 1, 3);
  g->addWidget(Beschriftung("nurEinePersNrLabel", "für Personal Nr."), 2, 0, 1, 5, Qt::AlignRight);
  g->addWidget(Edit("nurEinePersNrEdit", "999999"), 2, 5);
  g->addWidget(Beschriftung("ZeilenLabel", "Zeilen vor/nach Adresse"), 3, 0, 1, 5, Qt::AlignLeft);
  g->addWidget(Edit("ZeilenEdit", "99"), 3, 5);
  g->setColumnStretch(7, 1);
  zeilen_.push_back(zeitraum);
  v->addWidget(zeitraum);

  v->addWidget(
      Zeile({Beschriftung("nurStandortLabel", "für Standort Nr."), Edit("nurStandortEdit", "9999"),
             Knopf("SpeedButton3", "Standort-Daten bearbeiten", "")}));
  v->addWidget(
      Zeile({Beschriftung("KostenstelleLabel", "für Kostenstelle"), Edit("KostenstelleEdit", "999"),
             Knopf("KostenstellenSpeedButton", "Kostenstellen bearbeiten", "")}));
  auto* csv = new QLabel(this);
  csv->setObjectName("CSVimage");
  csv->setPixmap(CsvBild());
  v->addWidget(Zeile({Check("CheckBox1", "Export für Excel"), csv}));

  v->addWidget(Zeile(
      {Beschriftung("DBLabel", "DB"), Edit("DBedit", "99,999"), Beschriftung("DZLabel", "DZ"),
       Edit("DZedit", "99,999"), Knopf("DZButton", "?", "Prozentsätze der Bundesländer"),
       Beschriftung("KommunalstLabel", "Kommunalsteuer %"), Edit("KommunalstEdit", "99,999")}));
  v->addWidget(
      Zeile({Check("DGACheckBox", "DGA (Wien)"), Beschriftung("Label5", "DN"),
             Combo("DGAAnzMitarbCBox", "999", true), Beschriftung("Label4", "WO"),
             Edit("Wochen", "9,99"), Beschriftung("Label6", "Beitr."), Edit("DGABeitrag", "999,99"),
             Beschriftung("DGAabzugLabel", "abz."), Edit("DGAabzugEdit", "99,99"),
             Beschriftung("Label2", "befreit DGA"), Edit("befreitDGA", "9999")}));
  auto* label7 = Beschriftung("Label7", "DGA ab 1.6.2012 EUR 2");
  label7->setToolTip(Q("tragen Sie den neuen Wert in das Feld \"Beitrag\" ein"));
  v->addWidget(Zeile({label7}));

  v->addWidget(Zeile({Check("KontierungCheckBox", "Kontierungsvorschlag mit Konten"),
                      Check("LohnartenDetailCheckBox", "Lohnarten im Detail")}));
  v->addWidget(Zeile({Check("RueckVerr", "Rückverrechnung NEUFÖG")}));
  v->addWidget(Zeile({Check("RueckVerrAV56CheckBox", "Rückverrechnung Befreiung AV ab 56. Lj."),
                      Knopf("RueckVerrAV56SpeedButton", "...", "")}));

  auto* malus = new QWidget(this);
  malus->setObjectName("MalusPanel");
  auto* mg = new QGridLayout(malus);
  mg->setContentsMargins(0, 0, 0, 0);
  mg->setHorizontalSpacing(4);
  mg->setVerticalSpacing(4);
  mg->addWidget(Beschriftung("MalusArbLabel", "Malus Arbeiter (Anz./EUR)"), 0, 0);
  mg->addWidget(Edit("AnzMalusArbEdit", "9999"), 0, 1);
  mg->addWidget(Edit("MalusArbEdit", "9999999,99"), 0, 2);
  mg->addWidget(Beschriftung("MalusAngLabel", "Angestellte"), 1, 0, Qt::AlignRight);
  mg->addWidget(Edit("AnzMalusAngEdit", "9999"), 1, 1);
  mg->addWidget(Edit("MalusAngEdit", "9999999,99"), 1, 2);
  mg->addWidget(Beschriftung("unbezUrlLabel", "unbez. Urlaub EUR"), 2, 0, Qt::AlignRight);
  mg->addWidget(Edit("unbezUrlEdit", "9999999,99"), 2, 2);
  mg->setColumnStretch(3, 1);
  zeilen_.push_back(malus);
  v->addWidget(malus);

  auto* aufloes = new QFrame(this);
  aufloes->setObjectName("AufloesAbgabePanel");
  aufloes->setFrameShape(QFrame::StyledPanel);
  auto* ah = new QHBoxLayout(aufloes);
  ah->setContentsMargins(4, 2, 4, 2);
  ah->setSpacing(4);
  auto* aufloesText = new QLabel(Q("Auflösungsabgabe N80"), aufloes);
  aufloesText->setObjectName("AufloesAbgLabel");
  ah->addWidget(aufloesText);
  ah->addWidget(Edit("AufloesAbgEdit", "9999999,99"));
  ah->addWidget(Knopf("SpeedButton4", "(?)", "Auflösungsabgabe"));
  ah->addStretch(1);
  v->addWidget(aufloes);

  v->addWidget(Zeile({Check("ELDADateiCheckBox", lohn::kEldaDateiCaption),
                      Check("ELDATestDatenCheckBox", "ELDA Testdaten")}));
  auto* satzart = Combo("ELDASatzartComboBox", "");
  v->addWidget(Zeile({Beschriftung("ELDASatzartLabel", "Beitragsnachw / Storno "), satzart}));
  v->addWidget(Zeile({Beschriftung("LohnzettelSatzartLabel", "Lohnzettel / Storno"),
                      Combo("LohnzettelSatzartComboBox", "")}));
  v->addWidget(
      Zeile({Check("LohnzettelArt5CheckBox", "Rückzahlung ALV Beiträge (Lohnzettelart 5)")}));
  auto* ausland = new ClickLabel(Q(" (?) "), this);
  ausland->setObjectName("AuslandstaetHilfeLabel");
  ausland->ShowAsLink();
  v->addWidget(
      Zeile({Check("MitAuslandsTaetPar3CheckBox", "mit Auslandstätigkeit gem § 3"), ausland}));

  auto* knoepfe = new QHBoxLayout;
  auto* handbuch = Knopf("SpeedButton1", "Handbuch", "Handbuch öffnen");
  handbuch->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  handbuch->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto* schliessen = Knopf("SpeedButton2", "Schließen", "Fenster schließen");
  schliessen->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  schliessen->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto* ok = new QPushButton(Q("&OK"), this);
  ok->setObjectName("druckOK");
  auto* abbrechen = new QPushButton(Q("&Abbrechen"), this);
  abbrechen->setObjectName("Abbrechen");
  knoepfe->addWidget(handbuch);
  knoepfe->addWidget(schliessen);
  knoepfe->addStretch(1);
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  v->addSpacing(6);
  v->addLayout(knoepfe);

  auto* status = new QStatusBar(this);
  status->setObjectName("StatusBar1");
  status->setSizeGripEnabled(false);
  auto* statusText = new QLabel(status);
  statusText->setObjectName("StatusBar1Text");
  status->addWidget(statusText, 1);
  v->addWidget(status);
}

void TDruOptForm::Binden() {
  for (const std::string& name : model_.Names()) {
    auto* w = findChild<QWidget*>(Q(name));
    if (!w) throw std::logic_error("Steuerelement fehlt im Optionenfenster: " + name);
    widgets_[name] = w;
    if (!model_.Hint(name).empty() && w->toolTip().isEmpty()) w->setToolTip(Q(model_.Hint(name)));
    for (FeldAspekt a : {FeldAspekt::Items, FeldAspekt::Text, FeldAspekt::Checked,
                         FeldAspekt::Enabled, FeldAspekt::Visible, FeldAspekt::ReadOnly})
      Zeige(name, a);

    const char* n = widgets_.find(name)->first.c_str();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      connect(e, &QLineEdit::textEdited, this,
              [this, n](const QString& t) { model_.UserSetText(n, t.toStdString()); });
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      auto gewaehlt = [this, n](const QString& t) { model_.UserSetText(n, t.toStdString()); };
      connect(c, &QComboBox::textActivated, this, gewaehlt);
      if (QLineEdit* le = c->lineEdit()) connect(le, &QLineEdit::textEdited, this, gewaehlt);
    } else if (auto* k = qobject_cast<QCheckBox*>(w)) {
      connect(k, &QCheckBox::clicked, this, [this, n](bool on) { model_.UserSetChecked(n, on); });
    } else if (!qobject_cast<QAbstractButton*>(w)) {
      continue;
    }
    fokusNamen_[w] = name;
    w->installEventFilter(this);
  }
  model_.SetObserver([this](const std::string& name, FeldAspekt a) { Zeige(name, a); });
  Folgen();
}

void TDruOptForm::Zeige(const std::string& name, FeldAspekt aspekt) {
  QWidget* w = widgets_.at(name);
  switch (aspekt) {
    case FeldAspekt::Text: {
      if (model_.Art(name) == lohn::FeldArt::Control) break;
      const QString text = Q(model_.Text(name));
      if (auto* k = qobject_cast<QCheckBox*>(w)) {
        // A check box's text is its caption.
        if (!text.isEmpty()) k->setText(text);
      } else {
        ZeigeFeldText(w, text);
      }
      break;
    }
    case FeldAspekt::Checked:
      if (auto* k = qobject_cast<QCheckBox*>(w)) k->setChecked(model_.Checked(name));
      break;
    case FeldAspekt::Items:
      if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->clear();
        for (const std::string& item : model_.Items(name)) c->addItem(Q(item));
        Zeige(name, FeldAspekt::Text);
      }
      break;
    case FeldAspekt::Enabled:
      w->setEnabled(model_.Enabled(name));
      break;
    case FeldAspekt::Visible:
      w->setVisible(model_.Visible(name));
      Folgen();
      break;
    case FeldAspekt::ReadOnly:
      if (auto* e = qobject_cast<QLineEdit*>(w)) e->setReadOnly(model_.ReadOnly(name));
      break;
  }
}

void TDruOptForm::Folgen() {
  // A line shows while one of its controls does.
  for (QWidget* z : zeilen_) {
    bool sichtbar = false;
    for (QWidget* k : z->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      sichtbar = sichtbar || !k->isHidden();
    z->setVisible(sichtbar);
  }
}

void TDruOptForm::Klick(const char* name, std::function<void()> handler) {
  QWidget* w = findChild<QWidget*>(name);
  if (!w) throw std::logic_error(std::string("Steuerelement fehlt im Optionenfenster: ") + name);
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    connect(b, &QAbstractButton::clicked, this, handler);
  else if (auto* l = qobject_cast<ClickLabel*>(w))
    connect(l, &ClickLabel::clicked, this, handler);
}

void TDruOptForm::Verbinden() {
  using lohn::Aktion;
  auto& st = state_;
  Klick("druckOK", [this] { kontext_.OkClick(); });
  Klick("Abbrechen", [this] { kontext_.AbbrechenClick(); });
  Klick("SpeedButton1", [&st] { lohn::FuehreAus(st, Aktion::Handbuch); });
  Klick("SpeedButton2", [this] { close(); });
  Klick("SpeedButton3", [this] {
    model_.SetText("StatusBar1", "Hinweis: " + model_.Hint("SpeedButton3"));
    lohn::FuehreAus(state_, Aktion::StandortDaten);
  });
  Klick("KostenstellenSpeedButton", [this] {
    model_.SetText("StatusBar1", "Hinweis: " + model_.Hint("KostenstellenSpeedButton"));
    lohn::FuehreAus(state_, Aktion::KostenstellenDaten);
  });
  Klick("DZButton", [this] {
    if (kontext_.hooks.ZeigeDzTabelle) kontext_.hooks.ZeigeDzTabelle();
  });
  Klick("AuslandstaetHilfeLabel", [&st] { st.dialogs().ShowMessage(kAuslandstaetHinweis); });
  Klick("SpeedButton4", [&st] { st.dialogs().ShowMessage(AufloesungsabgabeHinweis(st.year)); });
  Klick("RueckVerrAV56SpeedButton", [this] { ZeigeRueckVerrAV56Form(state_, this); });
}

bool TDruOptForm::eventFilter(QObject* watched, QEvent* e) {
  if ((e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) && IstFeldwechsel(e)) {
    if (auto it = fokusNamen_.find(watched); it != fokusNamen_.end()) {
      const std::string name = it->second;
      if (e->type() == QEvent::FocusIn) {
        model_.FeldBetreten(name);
      } else {
        try {
          model_.FeldVerlassen(name);
        } catch (const lohn::ConversionError& fehler) {
          state_.dialogs().ShowMessage(fehler.what());
        }
      }
    }
  }
  return QWidget::eventFilter(watched, e);
}
