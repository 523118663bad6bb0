#include "reports/gui/DZForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "frame/gui/ClickLabel.h"
#include "reports/DzTabelle.h"

namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

// The chamber of commerce's page on the surcharge.
constexpr const char* kDzPortal =
    "https://www.wko.at/service/steuern/Zuschlag_zum_Dienstgeberbeitrag.html";

}  // namespace

TDZForm::TDZForm(lohn::DruOptModel& optionen, platform::Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window), optionen_(optionen), shell_(shell) {
  setObjectName("DZForm");
  setWindowTitle(Q("  DZ Dienstgeberzuschlag"));
  setToolTip(Q("Klicken Sie bitte auf Ihr Bundesland um den Prozentsatz zu übernehmen"));
  auto* v = new QVBoxLayout(this);
  v->setSizeConstraint(QLayout::SetFixedSize);
  auto text = [&](const char* name, const char* caption) {
    auto* l = new QLabel(Q(caption), this);
    l->setObjectName(name);
    v->addWidget(l);
    return l;
  };
  text("Label1",
       "Der Prozentsatz für die Berechnung des Dienstgeberzuschlags ist je Bundesland "
       "unterschiedlich.");
  text("Label2", "Klicken Sie bitte auf Ihr Bundesland um den Prozentsatz zu übernehmen,");

  // State labels Label3, Label5, ... and their rates Label4, Label6, ...
  auto* tabelle = new QGridLayout;
  tabelle->setHorizontalSpacing(24);
  tabelle->setContentsMargins(24, 6, 0, 6);
  const auto& saetze = lohn::DzTabelle();
  for (std::size_t i = 0; i < saetze.size(); ++i) {
    const int nr = 3 + 2 * int(i);
    auto* land = new ClickLabel(Q(saetze[i].land), this);
    land->setObjectName(QString("Label%1").arg(nr));
    land->ShowAsLink();
    auto* satz = new QLabel(Q(saetze[i].anzeige), this);
    satz->setObjectName(QString("Label%1").arg(nr + 1));
    tabelle->addWidget(land, int(i), 0);
    tabelle->addWidget(satz, int(i), 1, Qt::AlignRight);
    connect(land, &ClickLabel::clicked, this, [this, i] {
      lohn::DzUebernehmen(optionen_, i);
      close();
    });
  }
  tabelle->setColumnStretch(2, 1);
  v->addLayout(tabelle);

  text("Label21",
       "oder setzen Sie den für Ihr Bundesland aktuell gültigen Wert in den "
       "Druckoptionen ein!");
  text("Label22", "Stand 2012");
  auto* link = new ClickLabel(
      Q("Suche nach aktuellen Werten für \"Zuschlag zum Dienstgeberbeitrag\" bei WKO"), this);
  link->setObjectName("Label23");
  link->ShowAsLink();
  v->addWidget(link);
  connect(link, &ClickLabel::clicked, this, [this] { shell_.Open(kDzPortal); });

  auto* schliessen = new QPushButton(Q("Schließen"), this);
  schliessen->setObjectName("Button1");
  v->addWidget(schliessen, 0, Qt::AlignRight);
  connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
}
