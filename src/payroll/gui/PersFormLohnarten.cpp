#include "payroll/gui/PersFormLohnarten.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "frame/Videos.h"
#include "frame/gui/HilfeForm.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Name(const char* stem, std::size_t n) { return QString("%1%2").arg(stem).arg(n); }

// Writes a text into an edit only when it differs, so that the cursor stays
// where the user was typing.
void SetEditText(QLineEdit* edit, const std::string& text) {
  QString q = Q(text);
  if (edit->text() == q) return;
  int pos = edit->cursorPosition();
  edit->setText(q);
  edit->setCursorPosition(std::min(pos, int(q.size())));
}

void Shade(QLineEdit* edit) {
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  QPalette pal = edit->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Window));
  edit->setPalette(pal);
}

}  // namespace

TPersFormLohnarten::TPersFormLohnarten(lohn::LohnartenModel& model, platform::Shell& shell,
                                       QWidget* parent)
    : QDialog(parent), model_(model), shell_(shell) {
  setObjectName("PersFormLohnarten");
  setWindowTitle("mehr Lohnarten");
  resize(724, 461);

  auto* top = new QHBoxLayout;
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText("Liste der Codes ...");
  SpeedButton4 = new QToolButton(this);
  SpeedButton4->setObjectName("SpeedButton4");
  SpeedButton4->setText("Werte vom Vormonat laden ...");
  mitAnzahlCheckBox = new QCheckBox("mit Anzahl", this);
  mitAnzahlCheckBox->setObjectName("mitAnzahlCheckBox");
  Label9 = new QLabel(this);
  Label9->setObjectName("Label9");
  SpeedButton2 = new QToolButton(this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setToolTip("Handbuch");
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  SpeedButton3 = new QToolButton(this);
  SpeedButton3->setObjectName("SpeedButton3");
  SpeedButton3->setToolTip("Schliessen");
  SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  top->addWidget(SpeedButton1);
  top->addWidget(SpeedButton4);
  top->addWidget(mitAnzahlCheckBox);
  top->addWidget(Label9);
  top->addStretch();
  top->addWidget(SpeedButton2);
  top->addWidget(SpeedButton3);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  const char* headings[] = {"Code", "Anzahl", "Lohnart", "Satz", " Lst  SV DB,K", "Betrag"};
  const int headingColumns[] = {0, 1, 2, 3, 4, 7};
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(headings[i], this);
    label->setObjectName(Name("KopfLabel", std::size_t(i + 1)));
    grid->addWidget(label, 0, headingColumns[i], 1, i == 4 ? 3 : 1);
  }
  for (std::size_t n = 1; n <= lohn::kLohnartenZeilen; ++n) BuildLine(grid, int(n), n);

  SummeLohnartenEdit = new QLineEdit(this);
  SummeLohnartenEdit->setObjectName("SummeLohnartenEdit");
  SummeLohnartenEdit->setToolTip("wird zur Summe der Bruttobezüge addiert");
  SummeLohnartenEdit->setAlignment(Qt::AlignRight);
  Shade(SummeLohnartenEdit);
  FreiBetrLabel = new QLabel(this);
  FreiBetrLabel->setObjectName("FreiBetrLabel");
  const int sumRow = int(lohn::kLohnartenZeilen) + 1;
  SummeLohnartenEdit->setFixedWidth(100);
  FreiBetrLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(FreiBetrLabel, sumRow, 0, 1, 7);
  grid->addWidget(SummeLohnartenEdit, sumRow, 7);
  grid->setColumnStretch(2, 1);

  auto* bottom = new QHBoxLayout;
  auto* notes = new QVBoxLayout;
  auto* note1 = new QLabel("um die Abrechnung durchzuführen und die Daten zu speichern ...", this);
  note1->setObjectName("HinweisLabel1");
  auto* note2 =
      new QLabel("Schliessen Sie bitte dieses Fenster und klicken Sie dann auf Berechnen", this);
  note2->setObjectName("HinweisLabel2");
  notes->addWidget(note1);
  notes->addWidget(note2);
  SchliessenButton = new QPushButton("Schlie&ßen", this);
  SchliessenButton->setObjectName("SchliessenButton");
  SchliessenButton->setAutoDefault(false);
  bottom->addLayout(notes);
  bottom->addStretch();
  bottom->addWidget(SchliessenButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(bottom);

  connect(SpeedButton1, &QToolButton::clicked, this, &TPersFormLohnarten::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { shell_.Open(lohn::kHandbuchFile); });
  connect(SpeedButton3, &QToolButton::clicked, this, &QDialog::close);
  connect(SpeedButton4, &QToolButton::clicked, this,
          [this] { Handle([this] { model_.SpeedButton4Click(); }); });
  connect(SchliessenButton, &QPushButton::clicked, this, [this] {
    model_.SchliessenButtonClick();
    Anzeigen();
    close();
  });
  connect(mitAnzahlCheckBox, &QCheckBox::toggled, this, [this](bool on) {
    if (!anzeigen_) model_.mitAnzahl = on;
  });

  Anzeigen();
}

void TPersFormLohnarten::BuildLine(QGridLayout* grid, int row, std::size_t n) {
  const std::size_t i = n - 1;
  // Code, quantity, rate and amount are narrow; the text takes the rest.
  auto edit = [&](const char* stem, int column, int width = 0) {
    auto* e = new QLineEdit(this);
    e->setObjectName(Name(stem, n));
    if (width > 0) e->setFixedWidth(width);
    grid->addWidget(e, row, column);
    return e;
  };
  auto check = [&](const char* stem, const char* hint, int column) {
    auto* c = new QCheckBox(this);
    c->setObjectName(Name(stem, n));
    c->setToolTip(hint);
    grid->addWidget(c, row, column);
    return c;
  };
  CodeEdit[i] = edit("CodeEdit", 0, 50);
  CodeEdit[i]->setToolTip("Code der Lohnart");
  AnzahlEdit[i] = edit("AnzahlEdit", 1, 80);
  AnzahlEdit[i]->setAlignment(Qt::AlignRight);
  TextEdit[i] = edit("TextEdit", 2);
  SatzEdit[i] = edit("SatzEdit", 3, 80);
  SatzEdit[i]->setAlignment(Qt::AlignRight);
  LstCheck[i] = check("LstCheck", "lohnsteuerpflichtig", 4);
  SVCheck[i] = check("SVCheck", "sozialversicherungspflichtig", 5);
  DB_KommCheck[i] = check("DB_KommCheck", "DB und kommunalsteuerpflichtig", 6);
  BetragEdit[i] = edit("BetragEdit", 7, 100);
  BetragEdit[i]->setAlignment(Qt::AlignRight);
  Shade(BetragEdit[i]);

  connect(CodeEdit[i], &QLineEdit::textChanged, this, [this, n](const QString& t) {
    Handle([&] { model_.CodeEditChange(n, t.toStdString()); });
  });
  connect(AnzahlEdit[i], &QLineEdit::textChanged, this, [this, n](const QString& t) {
    Handle([&] { model_.AnzahlEditChange(n, t.toStdString()); });
  });
  connect(SatzEdit[i], &QLineEdit::textChanged, this, [this, n](const QString& t) {
    Handle([&] { model_.SatzEditChange(n, t.toStdString()); });
  });
  connect(TextEdit[i], &QLineEdit::textChanged, this, [this, n](const QString& t) {
    Handle([&] { model_.TextEditChange(n, t.toStdString()); });
  });
  auto onClick = [this, n](lohn::LohnartFlag flag) {
    return [this, n, flag](bool checked) { Handle([&] { model_.CheckClick(n, flag, checked); }); };
  };
  connect(LstCheck[i], &QCheckBox::clicked, this, onClick(lohn::LohnartFlag::Lst));
  connect(SVCheck[i], &QCheckBox::clicked, this, onClick(lohn::LohnartFlag::SV));
  connect(DB_KommCheck[i], &QCheckBox::clicked, this, onClick(lohn::LohnartFlag::DB_Komm));
  // Leaving the code looks it up, leaving the text cleans it.
  CodeEdit[i]->installEventFilter(this);
  TextEdit[i]->installEventFilter(this);
}

bool TPersFormLohnarten::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Only when the focus moves to another control of this window, not when
    // a message box or another window takes it.
    Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (std::size_t i = 0; i < lohn::kLohnartenZeilen; ++i) {
        std::size_t n = i + 1;
        if (watched == CodeEdit[i]) Handle([&] { model_.CodeEditExit(n); });
        if (watched == TextEdit[i])
          Handle([&] { model_.TextEditExit(n, TextEdit[i]->text().toStdString()); });
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TPersFormLohnarten::Handle(const std::function<void()>& handler) {
  if (anzeigen_) return;
  handler();
  Anzeigen();
  emit LohnartenGeaendert();
}

void TPersFormLohnarten::Anzeigen() {
  anzeigen_ = true;
  const lohn::LohnartenZeilen& zeilen = model_.Zeilen();
  for (std::size_t i = 0; i < lohn::kLohnartenZeilen; ++i) {
    const lohn::LohnartLine& z = zeilen[i];
    SetEditText(CodeEdit[i], z.code);
    SetEditText(AnzahlEdit[i], z.anzahl);
    SetEditText(TextEdit[i], z.text);
    SetEditText(SatzEdit[i], z.satz);
    SetEditText(BetragEdit[i], model_.BetragEdit()[i]);
    LstCheck[i]->setChecked(z.flagLst);
    SVCheck[i]->setChecked(z.flagSv);
    DB_KommCheck[i]->setChecked(z.flagDbKomm);
  }
  SetEditText(SummeLohnartenEdit, model_.SummeLohnartenEdit());
  FreiBetrLabel->setText(Q(model_.FreiBetrLabel()));
  Label9->setText(Q(model_.Label9()));
  mitAnzahlCheckBox->setChecked(model_.mitAnzahl);
  anzeigen_ = false;
}

void TPersFormLohnarten::SpeedButton1Click() {
  ZeigeHilfeText(model_.dialogs(), "Lohnarten.TXT", "INFO: Lohnarten", this, QPoint(5, 5));
}

void TPersFormLohnarten::done(int result) {
  if (!model_.FormClose()) {
    // A quantity or rate that is not a number: the user has been told and
    // the window stays open so that it can be corrected.
    Anzeigen();
    return;
  }
  Anzeigen();
  QDialog::done(result);
  emit Geschlossen();
}

void TPersFormLohnarten::showEvent(QShowEvent* event) {
  Anzeigen();
  if (!centred_) {
    centred_ = true;
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}
