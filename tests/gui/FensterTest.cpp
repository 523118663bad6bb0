// The windows as a user sees them: their titles, and the employee window on
// a small laptop screen with every caption and amount shown whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTimer>
#include <functional>
#include <memory>
#include <set>

#include "elda/gui/RueckVerrAV56Form.h"
#include "frame/gui/AdresseForm.h"
#include "frame/gui/DatOpenForm.h"
#include "frame/gui/DatenForm.h"
#include "frame/gui/Hauptmenue.h"
#include "frame/gui/HilfeForm.h"
#include "frame/gui/KalenderForm.h"
#include "frame/gui/PasswordDlg.h"
#include "frame/gui/VideosForm.h"
#include "frame/gui/WartenForm.h"
#include "output/gui/DruckShowForm.h"
#include "output/gui/DruckansichtL16_2007Form.h"
#include "output/gui/PDFAuswahlForm.h"
#include "output/gui/PDFSpeichernUnterForm.h"
#include "output/gui/PDFvorbereitenForm.h"
#include "output/gui/SendenAnDruckerForm.h"
#include "payroll/PersFormFenster.h"
#include "payroll/gui/PersForm.h"
#include "payroll/gui/PersFormLohnarten.h"
#include "platform/qt/QtDialogs.h"
#include "reports/DgaDaten.h"
#include "reports/gui/BerichtFenster.h"
#include "reports/gui/DGAdatenForm.h"
#include "reports/gui/DZForm.h"
#include "reports/gui/DruOptForm.h"
#include "support/Fakes.h"

namespace {

using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

struct Mandant {
  explicit Mandant(const lohn::YearValues& year = lohn::kYear2014) : env(year) {
    WriteText("MUSTER.PER", "");
    WriteText("MUSTER.ABR", "");
    env.state.DataFileStem = "MUSTER";
  }
  TestEnv env;
};

TEST(Windows, EveryTitleIsItsCaption) {
  TempWorkDir dir;
  WriteText("VersicherungsTraeger.txt", "01 Wiener GKK\r\n");
  Mandant m14, m13(lohn::kYear2013);
  lohn::BerichtKontext berichte(m14.env.state);
  lohn::DgaDaten dga(2014);
  std::vector<std::unique_ptr<QWidget>> offen;
  auto zeige = [&](QWidget* w) {
    offen.emplace_back(w);
    w->show();
    return w;
  };
  auto pers = [&](Mandant& m) {
    return static_cast<TPersForm*>(zeige(new TPersForm(m.env.state)));
  };
  auto info = [&] {
    TPersForm* form = pers(m14);
    form->findChild<QAbstractButton*>("SpeedButton35")->click();
    return static_cast<QWidget*>(form->findChild<THilfeForm*>());
  };
  auto meldung = [&] {
    QString titel;
    QTimer::singleShot(0, [&] {
      titel = QApplication::activeModalWidget()->windowTitle();
      QApplication::activeModalWidget()->close();
    });
    platform::QtDialogs(lohn::kYear2014.AppTitle()).ShowMessage("Hinweis");
    return titel;
  };
  using Oeffner = std::function<QWidget*()>;
  const std::pair<const char*, Oeffner> fenster[] = {
      {"Quandrel Lohnverrechnung - Version 2014",
       [&] { return zeige(new THauptmenue(m14.env.state)); }},
      {"Quandrel Lohnverrechnung - Version 2013",
       [&] { return zeige(new THauptmenue(m13.env.state)); }},
      {" Quandrel Lohnverrechnung", [&] { return zeige(new TWartenForm); }},
      {"Anmelden bei Quandrel Lohnverrechnung", [&] { return zeige(new TPasswordDlg); }},
      {"  Dienstgeber auswählen", [&] { return zeige(new TDatOpenForm(m14.env.state)); }},
      {"Dienstgeber-Daten bearbeiten", [&] { return zeige(new TAdresseForm(m14.env.state)); }},
      {"Kalender", [&] { return zeige(new TKalenderForm(m14.env.clock)); }},
      {"Hilfe", [&] { return zeige(new THilfeForm("VersicherungsTraeger.txt", {})); }},
      {"INFO: Versicherungsträger", info},
      {"Daten", [&] { return zeige(new TDatenForm(m14.env.state)); }},
      {"Schulungsvideos ansehen", [&] { return zeige(new TVideosForm(m14.env.shell)); }},
      {"Dienstnehmer und Abrechnungsdaten 2014", [&] { return pers(m14); }},
      {"Dienstnehmer und Abrechnungsdaten 2013", [&] { return pers(m13); }},
      {"mehr Lohnarten", [&] { return pers(m14)->Lohnarten(); }},
      {"Optionen für Bericht", [&] { return zeige(new TDruOptForm(m14.env.state, berichte)); }},
      {"  DZ Dienstgeberzuschlag",
       [&] { return zeige(new TDZForm(berichte.optionen, m14.env.shell)); }},
      {"Bericht", [&] { return zeige(new TDruckShowForm(m14.env.state, {}, {})); }},
      {"  DGA-Daten erfassen",
       [&] { return zeige(new TDGAdatenForm(m14.env.state, dga, "FIRMA")); }},
      {"Rückverrechnung von AV-Beiträgen für Männer ab 56. Lebensjahr",
       [&] { return zeige(new TRueckVerrAV56Form(m14.env.state, nullptr)); }},
      {"PDF erstellen oder per e-Mail senden",
       [&] { return zeige(new TPDFAuswahlForm(m14.env.state)); }},
      {"Speichern unter", [&] { return zeige(new TPDFSpeichernUnterForm(m14.env.state)); }},
      {"PDF-Datei erstellen", [&] { return zeige(new TPDFvorbereitenForm); }},
      {"Bericht an den Drucker senden", [&] { return zeige(new TsendenAnDruckerForm); }},
      {"Jahreslohnzettel mit Formular L16",
       [&] { return zeige(new TDruckansichtL16_2007Form(m14.env.state)); }},
  };
  for (const auto& [titel, oeffne] : fenster) {
    QWidget* w = oeffne();
    ASSERT_NE(w, nullptr) << titel;
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(titel));
    QApplication::processEvents();
    EXPECT_TRUE(w->screen()->availableGeometry().contains(w->frameGeometry())) << titel;
  }
  EXPECT_EQ(meldung(), "Lohnverrechnung 2014");
}

// Room for text as the control lays it out: an edit's contents less its
// inner margins and the cursor, a check box's beside the box, a list's field.
int TextRaum(QLineEdit* e) {
  QStyleOptionFrame opt;
  opt.initFrom(e);
  opt.lineWidth =
      e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
  QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
  return r.marginsRemoved(e->textMargins()).width() - 2 * 2 - 1;
}

int TextRaum(QCheckBox* c) {
  QStyleOptionButton opt;
  opt.initFrom(c);
  opt.text = c->text();
  return c->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, c).width();
}

int TextRaum(QComboBox* c) {
  if (c->isEditable()) return TextRaum(c->lineEdit());
  QStyleOptionComboBox opt;
  opt.initFrom(c);
  opt.frame = true;
  auto feld =
      c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
  return feld.width() - 2;
}

TEST(PersForm, FitsALaptopScreenAndShowsEveryTextWhole) {
  TempWorkDir dir;
  Mandant m;
  TPersForm form(m.env.state);
  lohn::PersFormModel& f = form.Model();
  form.show();
  const QRect schirm = form.screen()->availableGeometry();
  ASSERT_EQ(schirm.size(), QSize(1366, 768));
  auto* flaeche = form.findChild<QScrollArea*>();
  ASSERT_NE(flaeche, nullptr);

  // With the side panel, without it, and with it shown again. The areas are
  // higher than such a screen: they scroll, but never sideways.
  const std::pair<int, std::function<void()>> breiten[] = {{990, [] {}},
                                                           {810, [&] { lohn::Label191Click(f); }},
                                                           {1006, [&] { lohn::Label193Click(f); }}};
  for (const auto& [breite, klick] : breiten) {
    klick();
    QApplication::processEvents();
    EXPECT_EQ(form.width(), breite);
    EXPECT_TRUE(schirm.contains(form.frameGeometry())) << breite;
    EXPECT_TRUE(flaeche->verticalScrollBar()->isVisible()) << breite;
    EXPECT_FALSE(flaeche->horizontalScrollBar()->isVisible()) << breite;
    // Calculate and save stay in reach, outside the scrolling areas.
    for (const char* name : {"BerechnenButon", "Button2"}) {
      auto* k = form.findChild<QWidget*>(name);
      EXPECT_TRUE(k->isVisible() && !flaeche->isAncestorOf(k) &&
                  form.rect().contains(QRect(k->mapTo(&form, QPoint()), k->size())))
          << name << breite;
    }
  }
  // The tab order leads from the toolbar into the first field and from the
  // fields above into the commands.
  for (auto [feld, knopf] : {std::pair{"SpeedButton5", "PersonalNrComboBox"},
                             {"ZeitKontoEdit", "Button1"},
                             {"ZeitKontoStdEdit", "BerechnenButon"}}) {
    QWidget* w = form.findChild<QWidget*>(feld)->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    EXPECT_EQ(w->objectName(), knopf);
  }
  auto* monat = form.findChild<QComboBox*>("MonatComboBox");
  EXPECT_LE(monat->fontMetrics().horizontalAdvance("September"), TextRaum(monat));
  // However many employees the list holds, the window and its fields keep
  // their places.
  auto* personen = form.findChild<QComboBox*>("PersonalNrComboBox");
  const QRect vorher = personen->geometry();
  const QSize fenster = form.size();
  const std::vector<std::string> eintraege = f.Items("PersonalNrComboBox");
  f.SetItems("PersonalNrComboBox",
             std::vector<std::string>(3000, "Mustermann-Beispielname Maximiliane, 99999"));
  QApplication::processEvents();
  EXPECT_EQ(personen->count(), 3000);
  EXPECT_EQ(personen->geometry(), vorher);
  EXPECT_EQ(form.size(), fenster);
  f.SetItems("PersonalNrComboBox", eintraege);

  // Amounts up to ten million; hours, days and rates up to ten thousand.
  const std::set<std::string> kurz = {
      "NormalstundenEdit",    "MehrstundenEdit",     "Ueberstunden50Edit",  "Ueberstunden75Edit",
      "Ueberstunden100Edit",  "Ueberstunden200Edit", "UrlaubstundenEdit",   "FehlstundenEdit",
      "UrlaubsKontoTageEdit", "ZeitKontoStdEdit",    "ZeitKontoEdit",       "RestUrlaubEdit",
      "UrlaubsAnspruchEdit",  "TageTeilentgeltEdit", "MehrstdZuschlagEdit", "DNAnteilEdit",
      "DGAnteilEdit",         "SV_Lohn_TageEdit",
  };
  std::vector<std::string> zahlen = lohn::SpeichernZahlenfelder();
  zahlen.insert(zahlen.end(), lohn::MonatsfelderNull().begin(), lohn::MonatsfelderNull().end());
  zahlen.insert(zahlen.end(), {"PREI_Edit", "BPEND_Edit", "BSROL_Edit", "ENTW_Edit"});
  for (const std::string& name : zahlen) {
    auto* e = form.findChild<QLineEdit*>(QString::fromStdString(name));
    const QString text = kurz.contains(name) ? "9999,99" : "9999999,99";
    EXPECT_LE(e->fontMetrics().horizontalAdvance(text), TextRaum(e)) << name;
  }

  // Every caption and list entry, also on the panels that open over the window.
  for (const char* panel : {"DnEldaPanel", "TagePanel", "mehrPanel", "PendlerEuroInfo"})
    f.SetVisible(panel, true);
  QApplication::processEvents();
  auto passt = [&](QWidget* w, const QString& text, int raum) {
    EXPECT_LE(w->fontMetrics().horizontalAdvance(text), raum) << text.toStdString();
  };
  for (QLabel* l : form.findChildren<QLabel*>()) {
    if (!l->isVisibleTo(&form) || l->text().isEmpty()) continue;
    if (l->wordWrap()) {
      EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString();
    } else {
      passt(l, l->text(), l->contentsRect().width());
    }
  }
  for (QCheckBox* c : form.findChildren<QCheckBox*>())
    if (c->isVisibleTo(&form)) passt(c, c->text(), TextRaum(c));
  for (QComboBox* c : form.findChildren<QComboBox*>()) {
    if (!c->isVisibleTo(&form)) continue;
    passt(c, c->currentText(), TextRaum(c));
    for (int i = 0; i < c->count(); ++i) passt(c, c->itemText(i), TextRaum(c));
  }
}

// A laptop screen: every opening of the employee window looks like the
// first and stays in the work area; the options window opens over the main
// window.
TEST(Windows, OpenWhereTheyBelongEveryTime) {
  TempWorkDir dir;
  Mandant m;
  TPersForm form(m.env.state);
  const QRect schirm = form.screen()->availableGeometry();
  std::vector<QRect> lagen;
  for (int i = 0; i < 3; ++i) {
    form.show();
    QApplication::processEvents();
    lagen.push_back(form.frameGeometry());
    EXPECT_TRUE(schirm.contains(form.frameGeometry())) << i;
    form.done(0);
    QApplication::processEvents();
  }
  EXPECT_EQ(lagen[1], lagen[0]);
  EXPECT_EQ(lagen[2], lagen[0]);

  lohn::BerichtKontext berichte(m.env.state);
  QWidget haupt;
  haupt.setGeometry(700, 60, 600, 400);
  haupt.show();
  BerichtFenster fenster(m.env.state, berichte, &haupt);
  berichte.hooks.ZeigeOptionen();
  QApplication::processEvents();
  auto* optionen = haupt.findChild<TDruOptForm*>();
  ASSERT_NE(optionen, nullptr);
  const QPoint abstand = optionen->frameGeometry().center() - haupt.frameGeometry().center();
  EXPECT_LE(abstand.manhattanLength(), 2);
  EXPECT_TRUE(schirm.contains(optionen->frameGeometry()));
}

// The options window with the options of each report, and with all of them.
TEST(DruOptForm, FitsALaptopScreenAndShowsEveryCaptionWhole) {
  TempWorkDir dir;
  Mandant m;
  lohn::BerichtKontext berichte(m.env.state);
  TDruOptForm form(m.env.state, berichte);
  form.show();
  const QRect schirm = form.screen()->availableGeometry();
  auto passt = [&](QWidget* w, const QString& text, int raum, unsigned optionen) {
    EXPECT_LE(w->fontMetrics().horizontalAdvance(text), raum) << text.toStdString() << optionen;
  };
  std::vector<unsigned> faelle{~0u};
  for (const lohn::BerichtEintrag& e : lohn::BerichtTabelle()) faelle.push_back(e.optionen);
  for (unsigned optionen : faelle) {
    berichte.optionen.ZeigeOptionen(optionen);
    QApplication::processEvents();
    EXPECT_TRUE(schirm.contains(form.frameGeometry())) << optionen;
    for (QLabel* l : form.findChildren<QLabel*>())
      if (l->isVisibleTo(&form) && !l->text().isEmpty())
        passt(l, l->text(), l->contentsRect().width(), optionen);
    for (QCheckBox* c : form.findChildren<QCheckBox*>())
      if (c->isVisibleTo(&form)) passt(c, c->text(), TextRaum(c), optionen);
    for (QComboBox* c : form.findChildren<QComboBox*>()) {
      if (!c->isVisibleTo(&form)) continue;
      for (int i = 0; i < c->count(); ++i) passt(c, c->itemText(i), TextRaum(c), optionen);
    }
  }
}

TEST(PersForm, ResultFieldsAreTypedOnlyWhileTheirAutomaticBoxIsOff) {
  TempWorkDir dir;
  Mandant m;
  TPersForm form(m.env.state);
  auto nurLesen = [&](const char* name) { return form.findChild<QLineEdit*>(name)->isReadOnly(); };
  EXPECT_TRUE(nurLesen("NettoBetragEdit"));
  EXPECT_FALSE(nurLesen("SonstSZLSTEdit"));
  for (auto [box, feld] : {std::pair{"LstBerechnen", "LohnsteuerBetragEdit"},
                           std::pair{"BMVGberechnenCheckBox", "BMVGbetragEdit"},
                           std::pair{"AMPFGautoCheckBox", "AMPFG_RueckVerrBetrag_SZEdit"}}) {
    form.Model().SetChecked(box, true);
    EXPECT_TRUE(nurLesen(feld)) << feld;
    form.findChild<QCheckBox*>(box)->click();
    EXPECT_FALSE(nurLesen(feld)) << feld;
  }
}

}  // namespace
