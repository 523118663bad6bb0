#include "elda/gui/RueckVerrAV56Form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "reports/BerichtKontext.h"
#include "store/TextRoutines.h"

namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

}  // namespace

TRueckVerrAV56Form::TRueckVerrAV56Form(lohn::AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("RueckVerrAV56Form");
  setWindowTitle(Q(lohn::kRueckVerrAV56Titel));
  auto* v = new QVBoxLayout(this);
  v->setSizeConstraint(QLayout::SetFixedSize);
  auto text = [&](const char* name, const char* caption) {
    auto* l = new QLabel(Q(caption), this);
    l->setObjectName(name);
    return l;
  };
  v->addWidget(text("Label1", "Erfassen Sie hier die Beitragsgrundlagen zur Rückverrechnung ..."));

  auto* g = new QGridLayout;
  g->addWidget(text("Label2", "Beitragsgruppe"), 0, 0);
  g->addWidget(text("Label3", lohn::kRueckVerrAV56Lfd), 0, 1);
  g->addWidget(text("Label4", lohn::kRueckVerrAV56SZ), 0, 2);
  const int breite = fontMetrics().horizontalAdvance("9999999,99") + 12;
  for (std::size_t i = 0; i < Felder.size(); ++i) {
    const QString code = Q(lohn::kRueckVerrAV56Codes[i / 2]);
    auto* e = new QLineEdit(Q(state_.RueckVerrAV56[i].c_str()), this);
    e->setObjectName(code + (i % 2 == 0 ? "LfdEdit" : "SZEdit"));
    e->setMinimumWidth(breite);
    e->setAlignment(Qt::AlignRight);
    Felder[i] = e;
    const int zeile = 1 + int(i / 2);
    if (i % 2 == 0) g->addWidget(new QLabel(code, this), zeile, 0);
    g->addWidget(e, zeile, 1 + int(i % 2));
    connect(e, &QLineEdit::textChanged, this, [this, i] { FeldChange(i); });
  }
  v->addLayout(g);

  v->addWidget(text("Label5", "Die Rückverrechnung erfolgt nur einmalig, die Beträge"));
  v->addWidget(text("Label6", "werden beim Beenden des Programms auf 0 zurückgesetzt!"));
  auto* schliessen = new QPushButton(Q("Schließen"), this);
  schliessen->setObjectName("Button1");
  v->addWidget(schliessen, 0, Qt::AlignRight);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

void TRueckVerrAV56Form::done(int result) {
  // A base that the statement could not read is not left behind.
  try {
    lohn::RueckVerrAV56Betraege(state_.RueckVerrAV56);
  } catch (const lohn::RueckVerrAV56Fehler& e) {
    state_.dialogs().ShowMessage(e.what());
    Felder[e.feld]->setFocus();
    Felder[e.feld]->selectAll();
    return;
  }
  QDialog::done(result);
}

void TRueckVerrAV56Form::FeldChange(std::size_t i) {
  QLineEdit* e = Felder[i];
  const std::string text = e->text().toStdString();
  const std::string gefiltert = lohn::FilterNumberStrict(text);
  state_.RueckVerrAV56[i] = gefiltert;
  if (gefiltert == text) return;
  if (text.empty() || gefiltert == "0") {
    // The "0" of an emptied field is selected, so that the next digit
    // replaces it instead of standing before it.
    e->setText(QString::fromStdString(gefiltert));
    e->selectAll();
    return;
  }
  // The cursor stays where the user typed, less what the filter took out.
  const int entfernt = int(e->text().size()) - int(gefiltert.size());
  const int pos = std::max(0, e->cursorPosition() - entfernt);
  e->setText(QString::fromStdString(gefiltert));
  e->setCursorPosition(std::min(pos, int(e->text().size())));
}

void ZeigeRueckVerrAV56Form(lohn::AppState& state, QWidget* parent) {
  TRueckVerrAV56Form form(state, parent);
  form.exec();
}
