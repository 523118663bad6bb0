#include "output/gui/PDFAuswahlForm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "frame/gui/ClickLabel.h"
#include "output/BerichtPdf.h"

namespace {
constexpr const char* kPdfDruckerSeite = "https://www.quandrel.at/pdf-drucker";
constexpr const char* kInternetHinweis =
    "Stellen Sie bitte eine Internetverbindung her und klicken dann auf OK um mehr Infos zu "
    "erhalten ...";
constexpr const char* kHinweisText =
    "Diesen Bericht können Sie direkt in Quandrel durch Auswahl eines PDF-Druckers\n"
    " >> als PDF speichern\n"
    " >> oder per e-Mail versenden.\n"
    "\n"
    "Dazu ist nur die Installation eines (kostenlosen) PDF-Druckers erforderlich.\n"
    "\n"
    "Alternativ dazu können einfache PDFs ohne Logo mit dem integrierten Tool erstellt werden.";

QPushButton* FetterKnopf(const QString& text, const char* name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  QFont f = b->font();
  f.setBold(true);
  b->setFont(f);
  return b;
}
}  // namespace

TPDFAuswahlForm::TPDFAuswahlForm(lohn::AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("PDFAuswahlForm");
  setWindowTitle("PDF erstellen oder per e-Mail senden");

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont fett = Memo1->font();
  fett.setBold(true);
  Memo1->setFont(fett);
  Memo1->setMinimumSize(560, 150);
  Label1 = new ClickLabel("diese Meldung nicht mehr anzeigen", this);
  Label1->setObjectName("Label1");
  Label1->ShowAsLink();
  integriertesPDFButton = FetterKnopf("einfaches PDF", "integriertesPDFButton", this);
  BitBtn1 = FetterKnopf("mehr INFOs zum PDF-Drucker", "BitBtn1", this);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(Label1);
  knoepfe->addStretch(1);
  knoepfe->addWidget(integriertesPDFButton);
  knoepfe->addWidget(BitBtn1);
  auto* v = new QVBoxLayout(this);
  v->addWidget(Memo1, 1);
  v->addLayout(knoepfe);

  connect(Label1, &ClickLabel::clicked, this, &TPDFAuswahlForm::Label1Click);
  connect(integriertesPDFButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn1, &QPushButton::clicked, this, &TPDFAuswahlForm::BitBtn1Click);
}

void TPDFAuswahlForm::showEvent(QShowEvent* e) {
  Memo1->setPlainText(QString::fromUtf8(kHinweisText));
  BitBtn1->setFocus();
  QDialog::showEvent(e);
}

void TPDFAuswahlForm::Label1Click() {
  lohn::MerkePdfHinweis(state_);
  accept();
}

void TPDFAuswahlForm::BitBtn1Click() {
  state_.dialogs().ShowMessage(kInternetHinweis);
  state_.services.shell.Open(kPdfDruckerSeite);
  accept();
}
