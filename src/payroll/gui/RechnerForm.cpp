#include "payroll/gui/RechnerForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

#include "frame/gui/FeldWechsel.h"
#include "frame/gui/KalenderForm.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TRechnerForm::TRechnerForm(lohn::PersFormKontext& k,
                           std::function<void(lohn::RechnerFeldBesucher&)> felder, const char* name,
                           const char* titel, QWidget* parent)
    : QDialog(parent), k_(k), felder_(std::move(felder)) {
  setObjectName(name);
  setWindowTitle(QString::fromUtf8(titel));
  setModal(true);
  auto* v = new QVBoxLayout(this);
  zeilen_ = new QFormLayout;
  v->addLayout(zeilen_);
}

QLineEdit* TRechnerForm::Edit(const char* name, const char* caption, const char* hint) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setToolTip(QString::fromUtf8(hint));
  e->setAlignment(Qt::AlignRight);
  zeilen_->addRow(QString::fromUtf8(caption), e);
  widgets_[name] = e;
  namen_[e] = name;
  connect(e, &QLineEdit::textEdited, this, [this, n = std::string(name)](const QString& t) {
    Setze(n, t);
    Geaendert(n);
    Anzeigen();
  });
  e->installEventFilter(this);
  return e;
}

QCheckBox* TRechnerForm::Check(const char* name, const char* caption) {
  auto* c = new QCheckBox(QString::fromUtf8(caption), this);
  c->setObjectName(name);
  zeilen_->addRow(c);
  widgets_[name] = c;
  connect(c, &QCheckBox::clicked, this, [this, n = std::string(name)](bool on) {
    SetzeHaken(n, on);
    Geaendert(n);
    Anzeigen();
  });
  return c;
}

QLabel* TRechnerForm::Wert(const char* name, const char* caption) {
  auto* l = new QLabel(this);
  l->setObjectName(name);
  zeilen_->addRow(QString::fromUtf8(caption), l);
  widgets_[name] = l;
  return l;
}

void TRechnerForm::Abschliessen(bool extras) {
  auto* v = static_cast<QVBoxLayout*>(layout());
  auto* hinweis = new QLabel("(farbig hinterlegte Felder werden automatisch berechnet) ", this);
  hinweis->setObjectName("HinweisLabel");
  v->addWidget(hinweis);
  auto* knoepfe = new QHBoxLayout;
  auto knopf = [&](const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    knoepfe->addWidget(b);
    return b;
  };
  BerechnenButton = knopf("BerechnenButton", "Berechnen");
  UebernehmenButton = knopf("UebernehmenButton", "Übernehmen");
  AbbrechenButton = knopf("AbbrechenButton", "Abbrechen");
  connect(BerechnenButton, &QPushButton::clicked, this, [this] {
    Berechnen();
    Anzeigen();
  });
  connect(UebernehmenButton, &QPushButton::clicked, this, [this] {
    const bool uebernommen = Uebernehmen();
    Anzeigen();
    if (uebernommen && isVisible()) accept();
  });
  connect(AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
  if (extras) {
    auto* kalender = knopf("KalenderButton", "Kalender");
    connect(kalender, &QPushButton::clicked, this, [this] {
      auto* form = new TKalenderForm(k_.state.services.clock, this);
      form->setAttribute(Qt::WA_DeleteOnClose);
      form->show();
    });
    // Shown as the window has them, without a function of their own.
    knopf("RechnerButton", "Rechner")->setEnabled(false);
    knopf("HandbuchButton", "Handbuch")->setEnabled(false);
  }
  v->addLayout(knoepfe);
}

namespace {

// The calculator's texts into the widgets, highlighted fields coloured.
struct Zeiger : lohn::RechnerFeldBesucher {
  const std::map<std::string, QWidget*>& widgets;
  explicit Zeiger(const std::map<std::string, QWidget*>& w) : widgets(w) {}
  void Text(const char* name, std::string& text, lohn::RechnerFeld art) override {
    auto it = widgets.find(name);
    if (it == widgets.end()) return;
    if (auto* l = qobject_cast<QLabel*>(it->second)) {
      l->setText(Q(text));
    } else if (auto* e = qobject_cast<QLineEdit*>(it->second)) {
      if (e->text() != Q(text)) e->setText(Q(text));
      QPalette p = e->palette();
      p.setColor(QPalette::Base, art == lohn::RechnerFeld::Eingabe
                                     ? e->style()->standardPalette().color(QPalette::Base)
                                     : QColor(QRgb(lohn::kRechnerFarbe)));
      e->setPalette(p);
    }
  }
  void Haken(const char* name, bool& checked) override {
    auto it = widgets.find(name);
    if (it != widgets.end())
      if (auto* c = qobject_cast<QCheckBox*>(it->second)) c->setChecked(checked);
  }
};

struct Schreiber : lohn::RechnerFeldBesucher {
  const std::string& name;
  std::string text;
  std::optional<bool> haken;
  void Text(const char* n, std::string& t, lohn::RechnerFeld) override {
    if (name == n && !haken) t = text;
  }
  void Haken(const char* n, bool& c) override {
    if (name == n && haken) c = *haken;
  }
  Schreiber(const std::string& n, std::string t, std::optional<bool> h)
      : name(n), text(std::move(t)), haken(h) {}
};

}  // namespace

void TRechnerForm::Anzeigen() {
  anzeigen_ = true;
  Zeiger z(widgets_);
  felder_(z);
  if (UebernehmenButton) UebernehmenButton->setEnabled(MitErgebnis());
  Angezeigt();
  anzeigen_ = false;
}

void TRechnerForm::Setze(const std::string& name, const QString& text) {
  Schreiber s(name, text.toStdString(), std::nullopt);
  felder_(s);
}

void TRechnerForm::SetzeHaken(const std::string& name, bool on) {
  Schreiber s(name, {}, on);
  felder_(s);
}

void TRechnerForm::done(int result) {
  if (result != QDialog::Accepted) {
    Abbrechen();
    Anzeigen();
  }
  QDialog::done(result);
}

void TRechnerForm::showEvent(QShowEvent* e) {
  Anzeigen();
  QDialog::showEvent(e);
  if (fokus_) {
    if (auto* edit = qobject_cast<QLineEdit*>(widgets_.at(fokus_))) {
      edit->setFocus(Qt::OtherFocusReason);
      edit->selectAll();
    }
  }
}

bool TRechnerForm::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusOut && IstFeldwechsel(e) && !anzeigen_) {
    auto it = namen_.find(watched);
    if (it != namen_.end()) {
      Verlassen(it->second);
      Anzeigen();
    }
  }
  return QDialog::eventFilter(watched, e);
}
