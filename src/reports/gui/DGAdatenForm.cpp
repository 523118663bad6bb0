#include "reports/gui/DGAdatenForm.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "frame/gui/ClickLabel.h"
#include "frame/gui/FeldAnzeige.h"
#include "frame/gui/FeldWechsel.h"
#include "store/Numbers.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

// The City of Vienna's pages on the levy and its online declaration.
constexpr const char* kDgaInfo =
    "https://www.wien.gv.at/amtshelfer/finanzielles/rechnungswesen/abgaben/dienstgeberabgabe.html";
constexpr const char* kDgaErklaerung =
    "https://www.wien.gv.at/amtshelfer/finanzielles/"
    "rechnungswesen/abgaben/dienstgeberabgabe-erklaerung.html";

constexpr const char* kBeitragHinweis = "pro Dienstverhältnis und angefangener Woche";
constexpr const char* kAbzugHinweis =
    "abzüglich Wochen für die DGA entfällt (z.B. DN erst in der 3. Woche eigestellt...)";
constexpr const char* kNeuerWertHinweis = "tragen Sie den neuen Wert in das Feld \"Beitrag\" ein";
constexpr const char* kEntrichtung =
    "Entrichtung der Abgabe: für einen Monat bis zum 15. des darauf folgenden Monats - Abgabe der "
    "Dienstgeberabgabeerklärung: bis zum 31. März des darauf folgenden Kalenderjahres";

constexpr const char* kMonate[lohn::kDgaMonate] = {"Jänner",    "Februar", "März",     "April",
                                                   "Mai",       "Juni",    "Juli",     "August",
                                                   "September", "Oktober", "November", "Dezember"};

struct Reihe {
  const char* kopf;
  const char* hinweis;
};
constexpr Reihe kReihen[lohn::kDgaReihen] = {
    {"Anzahl der befreiten\nDienstverhältnisse", ""},
    {"Anzahl Abgabepfl.\nDienstverhältnisse", ""},
    {"Beitrag/DN/WO", kBeitragHinweis},
    {"Wochen/Monat", ""},
    {"Abzug Wochen", kAbzugHinweis},
};

}  // namespace

TDGAdatenForm::TDGAdatenForm(lohn::AppState& state, lohn::DgaDaten& daten, std::string stem,
                             QWidget* parent)
    : QDialog(parent), state_(state), daten_(daten), stem_(std::move(stem)) {
  setObjectName("DGAdatenForm");
  setWindowTitle(Q("  DGA-Daten erfassen"));
  auto* v = new QVBoxLayout(this);
  v->setSizeConstraint(QLayout::SetFixedSize);

  auto* grid = new QGridLayout;
  auto* monat = new QLabel(Q("Monat"), this);
  grid->addWidget(monat, 0, 0, Qt::AlignBottom);
  for (int r = 1; r <= lohn::kDgaReihen; ++r) {
    auto* kopf = new QLabel(Q(kReihen[r - 1].kopf), this);
    kopf->setObjectName(QString("Kopf%1").arg(r));
    kopf->setToolTip(Q(kReihen[r - 1].hinweis));
    kopf->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(kopf, 0, r);
  }
  const int breite = fontMetrics().horizontalAdvance("9999,99") + 16;
  for (int m = 1; m <= lohn::kDgaMonate; ++m) {
    grid->addWidget(new QLabel(Q(kMonate[m - 1]), this), m, 0);
    for (int r = 1; r <= lohn::kDgaReihen; ++r) {
      const int feld = lohn::DgaDaten::Feld(r, m);
      auto* e = new QLineEdit(Q(daten_.Text(feld)), this);
      e->setObjectName(QString("Edit%1").arg(feld));
      e->setToolTip(Q(kReihen[r - 1].hinweis));
      e->setAlignment(Qt::AlignRight);
      e->setFixedWidth(breite);
      e->setCursorPosition(0);
      e->installEventFilter(this);
      connect(e, &QLineEdit::textEdited, this, [this, e, feld](const QString& t) {
        const int pos = e->cursorPosition();
        daten_.SetText(feld, t.toStdString());
        // The filtered text, the cursor where the typing left it.
        const QString neu = Q(daten_.Text(feld));
        if (e->text() != neu) e->setText(neu);
        e->setCursorPosition(std::min(pos, int(neu.size())));
      });
      felder_[feld - 1] = e;
      grid->addWidget(e, m, r, Qt::AlignHCenter);
    }
  }
  v->addLayout(grid);
  daten_.beobachter = [this](int feld) { ZeigeFeldText(Feld(feld), Q(daten_.Text(feld))); };

  auto* hinweise = new QHBoxLayout;
  auto* neu = new QLabel(Q("ab 1.6.2012 EUR 2"), this);
  neu->setObjectName("Label23");
  neu->setStyleSheet("color: red");
  neu->setToolTip(Q(kNeuerWertHinweis));
  hinweise->addWidget(neu);
  auto* grenze = new QLabel(Q("Grenzwert 2014 für Dienstgeberabgabe (DAG):  592,97"), this);
  grenze->setObjectName("Label24");
  grenze->setStyleSheet("color: grey");
  hinweise->addWidget(grenze);
  hinweise->addStretch(1);
  v->addLayout(hinweise);

  auto* info = new ClickLabel(Q("INFORMATIONEN bei www.wien.gv.at"), this);
  info->setObjectName("Label19");
  info->ShowAsLink();
  connect(info, &ClickLabel::clicked, this, [this] { state_.services.shell.Open(kDgaInfo); });
  auto* online = new ClickLabel(Q("Online-Dienstgeberabgabeerklärung"), this);
  online->setObjectName("Label22");
  online->setToolTip(Q("klicken Sie um den Link zu öffnen"));
  online->ShowAsLink();
  connect(online, &ClickLabel::clicked, this,
          [this] { state_.services.shell.Open(kDgaErklaerung); });
  auto* links = new QHBoxLayout;
  links->addWidget(info);
  links->addWidget(online);
  links->addStretch(1);

  auto* hilfe = new QPushButton(Q("?"), this);
  hilfe->setObjectName("Button1");
  hilfe->setVisible(false);
  connect(hilfe, &QPushButton::clicked, this,
          [this] { state_.dialogs().ShowMessage(kEntrichtung); });
  auto* speichern = new QPushButton(Q("Speichern"), this);
  speichern->setObjectName("SpeedButton1");
  speichern->setVisible(false);
  connect(speichern, &QPushButton::clicked, this, &TDGAdatenForm::Speichern);
  auto* ok = new QPushButton(Q("&OK"), this);
  ok->setObjectName("weiterButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDGAdatenForm::Speichern);
  links->addWidget(hilfe);
  links->addWidget(speichern);
  links->addWidget(ok);
  v->addLayout(links);
}

// The data outlive the window; they must not tell a window that is gone.
TDGAdatenForm::~TDGAdatenForm() { daten_.beobachter = {}; }

// The window stays open on the field that does not convert.
void TDGAdatenForm::Speichern() {
  if (daten_.Speichern(state_, stem_)) {
    accept();
  } else if (const int f = daten_.ErstesUngueltiges()) {
    Feld(f)->setFocus();
    Feld(f)->selectAll();
  }
}

bool TDGAdatenForm::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusOut && IstFeldwechsel(e)) {
    for (int f = 1; f <= lohn::kDgaFelder; ++f) {
      if (felder_[f - 1] != watched) continue;
      try {
        daten_.FeldVerlassen(f);
      } catch (const lohn::ConversionError& fehler) {
        state_.dialogs().ShowMessage(fehler.what());
      }
      break;
    }
  }
  return QDialog::eventFilter(watched, e);
}
