#include "output/gui/DruckShowForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "frame/HauptmenueLogik.h"
#include "frame/gui/ClickLabel.h"
#include "frame/gui/KalenderForm.h"
#include "frame/gui/Werkzeugknopf.h"
#include "output/BerichtPdf.h"
#include "output/DruckShow.h"
#include "output/DruckeBericht.h"
#include "output/gui/BerichtPdf.h"
#include "output/gui/SendenAnDruckerForm.h"
#include "payroll/gui/BuchgBelegForm.h"
#include "platform/qt/QtPrintCanvas.h"

namespace {

const QSize kGroesse(1000, 640);
const QString kZeigeAlle = QStringLiteral("Zeige alle ...");
const QString kStandardEintrag = QStringLiteral("... Standard-Schrift");

ClickLabel* Verweis(QWidget* eltern, const char* name, const char* text, const char* hinweis) {
  auto* l = new ClickLabel(QString::fromUtf8(text), eltern);
  l->setObjectName(name);
  if (*hinweis) l->setToolTip(QString::fromUtf8(hinweis));
  l->ShowAsLink();
  return l;
}

// Every report font is asked for with fixed pitch: a family that is not
// installed falls back to another fixed-pitch one, so columns stay aligned.
void FesteBreite(QFont& f) {
  f.setFixedPitch(true);
  f.setStyleHint(QFont::TypeWriter);
}

// Every entry of the list is as wide as the longest line of the report. The
// list takes one entry's size for all (fast for long reports), and that one
// must not be a short line, or the others would be shortened with "..." and
// the list could not scroll to their end.
class ZeilenDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  int breite = 0;
  QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override {
    const QSize s = QStyledItemDelegate::sizeHint(o, i);
    return {std::max(s.width(), breite), s.height()};
  }
};

}  // namespace

TDruckShowForm::TDruckShowForm(lohn::AppState& state, const lohn::BerichtAnsicht& ansicht,
                               const lohn::AnsichtGroesse& groesse, QWidget* parent,
                               CanvasFactory canvasFactory)
    : QWidget(parent, Qt::Window),
      state_(state),
      bytes_(ansicht.bytes),
      name_(ansicht.name),
      excel_(ansicht.excel),
      canvasFactory_(std::move(canvasFactory)),
      querformat_(groesse.querformat) {
  setObjectName("DruckShowForm");
  setWindowTitle("Bericht");
  setAttribute(Qt::WA_DeleteOnClose);
  if (!canvasFactory_)
    canvasFactory_ = [](QWidget* w) { return std::make_shared<platform::QtPrintCanvas>(w); };

  SpeedButton2 = Werkzeugknopf(this, "SpeedButton2", "Drucker einrichten",
                               "Drucker einrichten (Papier, Hoch- oder Querformat)");
  SpeedButton13 = Werkzeugknopf(this, "SpeedButton13", "Drucken", "Bericht an den Drucker senden");
  SpeedButton11 = Werkzeugknopf(this, "SpeedButton11", "PDF",
                                "Bericht als PDF speichern, mit Acrobat Reader öffnen und drucken");
  SpeedButton3 = Werkzeugknopf(this, "SpeedButton3", "Word",
                               "Bericht mit Word öffnen, beliebige Formatierungen und Änderungen "
                               "durchführen");
  SpeedButton6 =
      Werkzeugknopf(this, "SpeedButton6", "Excel",
                    "Bericht mit Excel öffnen, beliebige Berechnungen und Formatierungen "
                    "durchführen");
  SpeedButton4 =
      Werkzeugknopf(this, "SpeedButton4", "HTML", "Bericht mit Web-Browser (HTML) öffnen");
  SpeedButton12 =
      Werkzeugknopf(this, "SpeedButton12", "TXT", "Bericht mit Text-Editor (TXT) öffnen");
  SpeedButton7 = Werkzeugknopf(this, "SpeedButton7", "Kalender", "Kalender öffnen");
  SpeedButton8 = Werkzeugknopf(this, "SpeedButton8", "Rechner", "Rechner öffnen");
  SpeedButton9 = Werkzeugknopf(this, "SpeedButton9", "Handbuch", "Handbuch öffnen");
  SpeedButton10 =
      Werkzeugknopf(this, "SpeedButton10", "Belege", "gescannte Buchungsbelege anzeigen");
  SpeedButton5 = Werkzeugknopf(this, "SpeedButton5", "Bericht schließen", "Bericht schließen");
  SpeedButton5->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  SpeedButton5->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton6->setVisible(excel_);

  auto* v = new QVBoxLayout(this);
  auto* knoepfe = new QHBoxLayout;
  for (QToolButton* b : {SpeedButton2, SpeedButton13, SpeedButton11, SpeedButton3, SpeedButton6,
                         SpeedButton4, SpeedButton12})
    knoepfe->addWidget(b);
  knoepfe->addStretch(1);
  for (QToolButton* b : {SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10, SpeedButton5})
    knoepfe->addWidget(b);
  v->addLayout(knoepfe);

  auto* leiste = new QHBoxLayout;
  auto* gradText = new QLabel("Schriftgröße", this);
  SchriftgradComboBox = new QComboBox(this);
  SchriftgradComboBox->setObjectName("SchriftgradComboBox");
  SchriftgradComboBox->setToolTip("Schriftgröße (Standard-Drucker)");
  // Only the sizes of the list: the print layout needs one of them.
  SchriftgradComboBox->setEditable(false);
  for (int g = lohn::kKleinsterSchriftgrad; g <= lohn::kGroessterSchriftgrad; ++g)
    SchriftgradComboBox->addItem(QString::number(g));
  gradText->setBuddy(SchriftgradComboBox);
  auto* fontText = new QLabel("Schriftart", this);
  FontCombobox = new QComboBox(this);
  FontCombobox->setObjectName("FontCombobox");
  FontCombobox->setToolTip("Schriftart (Standard-Drucker)");
  FontCombobox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  FontCombobox->setMinimumContentsLength(18);
  fontText->setBuddy(FontCombobox);
  printLogoCheckBox = new QCheckBox("Logo drucken", this);
  printLogoCheckBox->setObjectName("printLogoCheckBox");
  printLogoCheckBox->setToolTip("Bericht mit Ihrem Firmen-LOGO auf dem Standard-Drucker drucken");
  printLogoCheckBox->setChecked(state_.PrintLogoFlag);
  Label2 = Verweis(this, "Label2", "Logo bearbeiten",
                   "Datei \"LOGO.bmp\" mit Ihrem Bild-Editor bearbeiten");
  Label3 = Verweis(this, "Label3", "ELDA",
                   "Elektronischer Datenaustausch mit den Österreichischen "
                   "Sozialversicherungsträgern ");
  Label5 = Verweis(this, "Label5", "Notizen", "");
  leiste->addWidget(gradText);
  leiste->addWidget(SchriftgradComboBox);
  leiste->addSpacing(12);
  leiste->addWidget(fontText);
  leiste->addWidget(FontCombobox);
  leiste->addSpacing(12);
  leiste->addWidget(printLogoCheckBox);
  leiste->addWidget(Label2);
  leiste->addStretch(1);
  leiste->addWidget(Label3);
  leiste->addSpacing(12);
  leiste->addWidget(Label5);
  v->addLayout(leiste);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setToolTip("Klicken Sie hier um zu scrollen ...");
  QFont listenFont(lohn::kStandardSchrift);
  FesteBreite(listenFont);
  ListBox1->setFont(listenFont);
  // The report's columns stand side by side; long lines scroll sideways,
  // never wrap and are never shortened.
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ListBox1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  ListBox1->setTextElideMode(Qt::ElideNone);
  ListBox1->setUniformItemSizes(true);
  zeilenDelegate_ = new ZeilenDelegate(ListBox1);
  ListBox1->setItemDelegate(zeilenDelegate_);
  QStringList zeilen;
  zeilen.reserve(int(ansicht.zeilen.size()));
  for (const std::string& z : ansicht.zeilen) {
    zeilen << QString::fromStdString(z);
    if (zeilen.back().size() > laengsteZeile_.size()) laengsteZeile_ = zeilen.back();
  }
  ListBox1->addItems(zeilen);
  if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
  v->addWidget(ListBox1, 1);

  // The combo box holds the size the report is printed with; the list may
  // show it a little larger.
  SchriftgradComboBox->setCurrentIndex(
      std::clamp(groesse.schriftgrad, lohn::kKleinsterSchriftgrad, lohn::kGroessterSchriftgrad) -
      lohn::kKleinsterSchriftgrad);
  SetzeSchriftgrad(groesse.listenSchrift);

  connect(SchriftgradComboBox, &QComboBox::currentIndexChanged, this,
          &TDruckShowForm::SchriftgradComboBoxChange);
  connect(FontCombobox, &QComboBox::textActivated, this, &TDruckShowForm::FontComboboxChange);
  connect(printLogoCheckBox, &QCheckBox::toggled, this,
          [this](bool an) { state_.PrintLogoFlag = an; });
  connect(SpeedButton2, &QToolButton::clicked, this, &TDruckShowForm::SpeedButton2Click);
  connect(SpeedButton13, &QToolButton::clicked, this, &TDruckShowForm::SpeedButton13Click);
  connect(SpeedButton11, &QToolButton::clicked, this,
          [this] { SpeichereBerichtAlsPdf(this, state_, bytes_, Schriftgrad()); });
  using lohn::Uebergabe;
  auto uebergabe = [this](QToolButton* b, Uebergabe ziel) {
    connect(b, &QToolButton::clicked, this,
            [this, ziel] { lohn::UebergibBericht(state_, ziel, bytes_, excel_); });
  };
  uebergabe(SpeedButton3, Uebergabe::Textverarbeitung);
  uebergabe(SpeedButton6, Uebergabe::Tabelle);
  uebergabe(SpeedButton4, Uebergabe::Browser);
  uebergabe(SpeedButton12, Uebergabe::TextEditor);
  connect(SpeedButton5, &QToolButton::clicked, this, &QWidget::close);
  connect(SpeedButton7, &QToolButton::clicked, this, &TDruckShowForm::SpeedButton7Click);
  using lohn::Aktion;
  connect(SpeedButton8, &QToolButton::clicked, this,
          [this] { lohn::FuehreAus(state_, Aktion::Rechner); });
  connect(SpeedButton9, &QToolButton::clicked, this,
          [this] { lohn::FuehreAus(state_, Aktion::Handbuch); });
  connect(SpeedButton10, &QToolButton::clicked, this,
          [this] { ZeigeBuchgBelegForm(state_, this); });
  connect(Label2, &ClickLabel::clicked, this, [this] { lohn::FuehreAus(state_, Aktion::Logo); });
  connect(Label3, &ClickLabel::clicked, this,
          [this] { state_.services.shell.Open(lohn::kInfoEldaSeite); });
  connect(Label5, &ClickLabel::clicked, this, [this] { lohn::FuehreAus(state_, Aktion::Notizen); });

  QSize g = kGroesse;
  if (QScreen* schirm = screen()) g = g.boundedTo(schirm->availableGeometry().size() * 9 / 10);
  resize(g);
}

int TDruckShowForm::Schriftgrad() const { return SchriftgradComboBox->currentText().toInt(); }

void TDruckShowForm::SetzeSchriftgrad(int punkte) {
  punkte = std::clamp(punkte, lohn::kKleinsterSchriftgrad, lohn::kGroessterSchriftgrad);
  QFont f = ListBox1->font();
  f.setPointSize(punkte);
  ListBox1->setFont(f);
  ListenBreite();
}

void TDruckShowForm::ListenBreite() {
  const QFontMetrics fm(ListBox1->font());
  static_cast<ZeilenDelegate*>(zeilenDelegate_)->breite =
      fm.horizontalAdvance(laengsteZeile_) + 2 * fm.averageCharWidth();
  // The list measures its entries anew.
  ListBox1->setUniformItemSizes(false);
  ListBox1->setUniformItemSizes(true);
}

void TDruckShowForm::SchriftgradComboBoxChange() { SetzeSchriftgrad(Schriftgrad()); }

void TDruckShowForm::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // The font is taken once; a later show or resize keeps what was chosen.
  if (schriftGeladen_) return;
  schriftGeladen_ = true;
  FuelleFontCombobox(false);
  SetzeSchrift(QString::fromStdString(lohn::LadeBerichtFont(state_.dialogs())));
}

void TDruckShowForm::FuelleFontCombobox(bool alle) {
  QStringList namen;
  for (const QString& f : QFontDatabase::families())
    if (alle || QFontDatabase::isFixedPitch(f)) namen << f;
  namen << kStandardEintrag;
  if (!alle) namen << kZeigeAlle;
  namen.removeDuplicates();
  namen.sort(Qt::CaseInsensitive);
  const QSignalBlocker still(FontCombobox);
  FontCombobox->clear();
  FontCombobox->addItems(namen);
}

void TDruckShowForm::SetzeSchrift(const QString& name) {
  QFont f = ListBox1->font();
  f.setFamily(name);
  FesteBreite(f);
  ListBox1->setFont(f);
  ListenBreite();
  // A saved name that is not installed is still shown as the choice.
  const QSignalBlocker still(FontCombobox);
  int i = FontCombobox->findText(name);
  if (i < 0) {
    i = 0;
    while (i < FontCombobox->count() &&
           QString::compare(FontCombobox->itemText(i), name, Qt::CaseInsensitive) < 0)
      ++i;
    FontCombobox->insertItem(i, name);
  }
  FontCombobox->setCurrentIndex(i);
}

void TDruckShowForm::FontComboboxChange(const QString& text) {
  if (text == kZeigeAlle) {
    const QString jetzt = ListBox1->font().family();
    FuelleFontCombobox(true);
    SetzeSchrift(jetzt);
  } else if (text == kStandardEintrag) {
    SetzeSchrift(lohn::kStandardSchrift);
  } else {
    SetzeSchrift(text);
  }
}

void TDruckShowForm::SpeedButton7Click() {
  auto* kalender = new TKalenderForm(state_.services.clock, this);
  kalender->setAttribute(Qt::WA_DeleteOnClose);
  kalender->show();
}

platform::PrintCanvas& TDruckShowForm::Drucker() {
  if (!drucker_) {
    drucker_ = canvasFactory_(this);
    // A report meant for landscape paper starts on it; afterwards the
    // user's choice holds.
    auto* qt = dynamic_cast<platform::QtPrintCanvas*>(drucker_.get());
    if (qt && querformat_) qt->SetQuerformat(true);
  }
  return *drucker_;
}

void TDruckShowForm::SpeedButton2Click() {
  if (auto* qt = dynamic_cast<platform::QtPrintCanvas*>(&Drucker())) qt->SeiteEinrichten();
}

void TDruckShowForm::SpeedButton13Click() {
  if (druckt_) return;
  druckt_ = true;
  platform::PrintCanvas& canvas = Drucker();
  if (auto* qt = dynamic_cast<platform::QtPrintCanvas*>(&canvas))
    qt->SetDateiVorschlag(lohn::DruckDateiVorschlag(name_));
  // The progress window belongs to no window: the viewer is disabled while
  // it prints, and its children with it.
  std::unique_ptr<TsendenAnDruckerForm> fortschritt;
  lohn::DruckEinstellung einstellung;
  einstellung.schriftgrad = Schriftgrad();
  einstellung.logo = printLogoCheckBox->isChecked();
  einstellung.schrift = ListBox1->font().family().toStdString();
  einstellung.logoGemeldet = &state_.LogoFehltGemeldet;
  lohn::DruckeBericht(canvas, state_.dialogs(), bytes_, einstellung, [&](int seite) {
    if (!fortschritt) {
      setEnabled(false);
      fortschritt = std::make_unique<TsendenAnDruckerForm>();
    }
    fortschritt->Seite(seite);
  });
  fortschritt.reset();
  setEnabled(true);
  druckt_ = false;
  if (schliessenNachDruck_) {
    close();
    return;
  }
  // The progress window's closing hands the focus to the window below,
  // the modal employee window for instance: the viewer stays on top.
  raise();
  activateWindow();
}

void TDruckShowForm::closeEvent(QCloseEvent* e) {
  if (druckt_) {
    // The job still draws from this window's report: it goes when the job
    // is done.
    schliessenNachDruck_ = true;
    hide();
    e->ignore();
    return;
  }
  if (schriftGeladen_)
    lohn::SpeichereBerichtFont(state_.dialogs(), ListBox1->font().family().toStdString());
  QWidget::closeEvent(e);
}
