// Offscreen tests of the report windows: the report items wait for their
// reports, and a report runs from the modal employee window through the
// options window into a viewer, each taking clicks through the window system.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "frame/DienstgeberVerwaltung.h"
#include "frame/gui/ClickLabel.h"
#include "frame/gui/DatOpenForm.h"
#include "frame/gui/Hauptmenue.h"
#include "output/gui/DruckShowForm.h"
#include "payroll/gui/PersForm.h"
#include "reports/BerichtKontext.h"
#include "reports/gui/BerichtFenster.h"
#include "reports/gui/DZForm.h"
#include "reports/gui/DruOptForm.h"
#include "support/Fakes.h"

namespace {

using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

struct Umgebung {
  Umgebung() {
    WriteText("FIRMA.PER", "");
    WriteText("FIRMA.ABR", "");
    env.state.DataFileStem = "FIRMA";
  }
  TempWorkDir dir;
  TestEnv env;
};

// A click as the window system delivers it: a window that a modal window
// blocks never gets it.
void Klicke(QWidget* w) {
  QWidget* fenster = w->window();
  ASSERT_NE(fenster->windowHandle(), nullptr);
  QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {},
                    w->mapTo(fenster, w->rect().center()));
}

TEST(Berichte, ItemsAndButtonsWaitForTheirReport) {
  Umgebung u;
  THauptmenue haupt(u.env.state);
  TPersForm pers(u.env.state);
  EXPECT_TRUE(haupt.findChild<QAction*>("LohnGehaltszettel1")->isEnabled());
  EXPECT_TRUE(pers.findChild<QWidget*>("SpeedButton8")->isEnabled());
  // Without their generators every item and button waits.
  for (const lohn::BerichtEintrag& b : lohn::BerichtTabelle())
    haupt.Berichte().Registriere(b.bericht, nullptr);
  haupt.BerichteFreigeben();
  pers.show();
  pers.hide();
  const char* knoepfe[] = {"SpeedButton8",  "SpeedButton9",  "SpeedButton10",
                           "SpeedButton11", "SpeedButton12", "SpeedButton13",
                           "SpeedButton14", "SpeedButton27", "SpeedButton32"};
  for (const char* k : knoepfe) EXPECT_FALSE(pers.findChild<QWidget*>(k)->isEnabled()) << k;
  EXPECT_TRUE(pers.findChild<QWidget*>("SpeedButton19")->isEnabled());
  for (const lohn::BerichtEintrag& b : lohn::BerichtTabelle()) {
    EXPECT_FALSE(haupt.findChild<QAction*>(b.objectName)->isEnabled()) << b.objectName;
    QString label = QString(b.objectName).chopped(1) + "Label";
    EXPECT_FALSE(haupt.findChild<ClickLabel*>(label)->isEnabled()) << b.objectName;
  }

  haupt.Berichte().Registriere(lohn::Bericht::Lohnkonten,
                               [](lohn::AppState&, const lohn::BerichtOptionen&) { return false; });
  haupt.BerichteFreigeben();
  pers.show();
  EXPECT_TRUE(haupt.findChild<QAction*>("Lohnkonten1")->isEnabled());
  EXPECT_TRUE(haupt.findChild<QAction*>("LohnkontenSpeedButton")->isEnabled());
  EXPECT_FALSE(haupt.findChild<QAction*>("Betriebssummenblatt1")->isEnabled());
  EXPECT_TRUE(pers.findChild<QWidget*>("SpeedButton13")->isEnabled());
  EXPECT_FALSE(pers.findChild<QWidget*>("SpeedButton8")->isEnabled());
}

TEST(Berichte, RunFromTheModalEmployeeWindowIntoAViewer) {
  Umgebung u;
  THauptmenue haupt(u.env.state);
  haupt.show();
  std::vector<lohn::BerichtOptionen> laeufe;
  haupt.Berichte().Registriere(lohn::Bericht::Lohnkonten,
                               [&](lohn::AppState& st, const lohn::BerichtOptionen& o) {
                                 laeufe.push_back(o);
                                 WriteText(st.ReportFileName, "Lohnkonten\r\nZeile 2\r\n");
                                 return true;
                               });
  bool fertig = false;
  QTimer::singleShot(0, [&] {
    TPersForm* pers = PersForm();
    ASSERT_NE(pers, nullptr);
    pers->findChild<QToolButton*>("SpeedButton13")->click();
    TDruOptForm* optionen = haupt.Berichtsfenster()->Optionen();
    ASSERT_NE(optionen, nullptr);
    EXPECT_TRUE(optionen->isVisible());
    EXPECT_EQ(optionen->findChild<QLabel*>("DruckErgebnis")->text(), "Lohnkonten");
    EXPECT_TRUE(optionen->findChild<QLineEdit*>("nurEinePersNrEdit")->isVisible());
    EXPECT_FALSE(optionen->findChild<QLineEdit*>("DBedit")->isVisible());
    Klicke(optionen->findChild<QPushButton*>("druckOK"));
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_EQ(laeufe[0].monatVon, 1);
    EXPECT_EQ(laeufe[0].monatBis, 12);
    EXPECT_FALSE(optionen->isVisible());

    // The viewer frees itself when it is closed.
    QPointer<TDruckShowForm> ansicht = pers->findChild<TDruckShowForm*>();
    ASSERT_NE(ansicht, nullptr);
    EXPECT_TRUE(ansicht->isVisible());
    EXPECT_EQ(ansicht->ListBox1->count(), 2);
    EXPECT_EQ(ansicht->ListBox1->item(1)->text(), "Zeile 2");
    Klicke(ansicht->SpeedButton5);
    EXPECT_TRUE(ansicht.isNull() || !ansicht->isVisible());
    fertig = true;
    pers->accept();
  });
  ShowPersForm(u.env.state, &haupt);
  EXPECT_TRUE(fertig);
  EXPECT_EQ(u.env.dialogs.messages, std::vector<std::string>{lohn::kQuerformatHinweis});
}

TEST(Berichte, OptionsWindowMirrorsItsModel) {
  Umgebung u;
  THauptmenue haupt(u.env.state);
  lohn::BerichtKontext& k = haupt.Berichte();
  haupt.show();
  k.hooks.ZeigeOptionen();
  TDruOptForm* form = haupt.Berichtsfenster()->Optionen();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  k.optionen.ZeigeOptionen(lohn::BerichtDaten(lohn::Bericht::LohnsteuerDbDzKommSt).optionen);
  QApplication::processEvents();
  auto* jahr = form->findChild<QLineEdit*>("AbfrageJahrEdit");
  jahr->setFocus();
  jahr->selectAll();
  QTest::keyClicks(jahr, "2012");
  EXPECT_EQ(k.optionen.Text("AbfrageJahrEdit"), "2014");
  EXPECT_EQ(jahr->text(), "2014");

  // A rate that is no number is refused on leaving.
  auto* db = form->findChild<QLineEdit*>("DBedit");
  db->setFocus();
  db->selectAll();
  QTest::keyClicks(db, "4.5");
  jahr->setFocus();
  ASSERT_FALSE(u.env.dialogs.messages.empty());
  EXPECT_NE(u.env.dialogs.messages.back().find("ist kein gültiger Fließkommawert"),
            std::string::npos);

  // The DZ table puts a state's rate into the field and closes; a rate does nothing.
  form->findChild<QToolButton*>("DZButton")->click();
  TDZForm* dz = haupt.Berichtsfenster()->DzTabelle();
  ASSERT_NE(dz, nullptr);
  ASSERT_TRUE(dz->isVisible());
  Klicke(dz->findChild<QLabel*>("Label10"));
  EXPECT_TRUE(dz->isVisible());
  Klicke(dz->findChild<QLabel*>("Label9"));
  EXPECT_FALSE(dz->isVisible());
  EXPECT_EQ(form->findChild<QLineEdit*>("DZedit")->text(), "0,36");
}

// The open options belong to the employer left: choosing another one
// closes them and the DZ table.
TEST(Berichte, ChoosingAnotherEmployerClosesTheOptions) {
  Umgebung u;
  ASSERT_TRUE(lohn::CreateDienstgeber(u.env.state, "ANDERE"));
  u.env.state.DataFileStem = "FIRMA";
  THauptmenue haupt(u.env.state);
  haupt.show();
  haupt.Berichte().Registriere(lohn::Bericht::Lohnkonten,
                               [](lohn::AppState&, const lohn::BerichtOptionen&) { return false; });
  haupt.BerichteFreigeben();
  haupt.findChild<QAction*>("Lohnkonten1")->trigger();
  haupt.Berichte().hooks.ZeigeDzTabelle();
  ASSERT_TRUE(haupt.Berichtsfenster()->Optionen()->isVisible());
  QTimer::singleShot(0, [] {
    auto* wahl = qobject_cast<TDatOpenForm*>(QApplication::activeModalWidget());
    ASSERT_NE(wahl, nullptr);
    auto treffer = wahl->FileListBox1->findItems("ANDERE.ABR", Qt::MatchExactly);
    ASSERT_EQ(treffer.size(), 1);
    wahl->FileListBox1->setCurrentItem(treffer[0]);
    wahl->Button3->click();
  });
  haupt.findChild<QAction*>("Dienstgeberauswaehlen1")->trigger();
  EXPECT_EQ(u.env.state.DataFileStem, "ANDERE");
  EXPECT_FALSE(haupt.Berichtsfenster()->Optionen()->isVisible());
  EXPECT_FALSE(haupt.Berichtsfenster()->DzTabelle()->isVisible());
}

}  // namespace
