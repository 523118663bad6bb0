// Offscreen, with the window active: hints, widening fields, the refund
// groups' focus and the field named by a failed conversion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "payroll/PersFormEingaben.h"
#include "payroll/PersFormFenster.h"
#include "payroll/gui/PersForm.h"
#include "support/Fakes.h"

namespace {

using testing_support::ReadBytes;

struct AktivesFenster {
  AktivesFenster() {
    testing_support::WriteText("MUSTER.PER", "");
    testing_support::WriteText("MUSTER.ABR", "");
    env.state.DataFileStem = "MUSTER";
    form = std::make_unique<TPersForm>(env.state);
    form->show();
    form->activateWindow();
    aktiv = QTest::qWaitForWindowActive(form.get());
  }
  QLineEdit* Edit(const char* name) { return form->findChild<QLineEdit*>(name); }
  QString Status() {
    return form->findChild<QStatusBar*>("StatusBar1")->findChild<QLabel*>()->text();
  }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  std::unique_ptr<TPersForm> form;
  bool aktiv = false;
};

TEST(PersFormEingabenGui, HintsWideningAndTheColourOfTheAutomaticFields) {
  AktivesFenster a;
  ASSERT_TRUE(a.aktiv);
  a.Edit("GehaltEdit")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(a.Status(), "Hinweis: Monatsgehalt bzw. Stundenlohn (Gehalt/Std-Lohn)");
  a.Edit("StrasseEdit")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(a.Status(), "");

  QLineEdit* datum = a.Edit("EintrittsDatumEdit");
  QLineEdit* nachbar = a.Edit("FamStandEdit");
  const QRect platz = nachbar->geometry();
  // A whole entry and exit date shows in either width.
  const int ganz = datum->fontMetrics().horizontalAdvance("31.12.2014-31.12.2014");
  const int verlassen = datum->width();
  EXPECT_GE(verlassen, std::max(87, ganz));
  datum->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(datum->width(), std::max(130, verlassen));
  QApplication::processEvents();
  EXPECT_EQ(nachbar->geometry(), platz);
  nachbar->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(datum->width(), verlassen);

  for (bool automatisch : {false, true}) {
    a.form->Model().SetChecked("AMPFGautoCheckBox", automatisch);
    for (const char* name :
         {"AMPFG_RueckVerrGruppeEdit", "AMPFG_RueckVerrGruppe_SZEdit", "AMPFG_RueckVerrBetragEdit",
          "AMPFG_RueckVerrBetrag_SZEdit", "AMPFG_SVGrundlageEdit", "AMPFG_SVGrundlage_SZEdit"}) {
      const QPalette p = a.Edit(name)->palette();
      EXPECT_EQ(p.color(QPalette::Base),
                automatisch ? p.color(QPalette::Button)
                            : a.Edit("GehaltEdit")->palette().color(QPalette::Base))
          << name << automatisch;
    }
  }
}

TEST(PersFormEingabenGui, TwoWrongRefundGroupsGiveOneMessageAndTheWindowCloses) {
  AktivesFenster a;
  ASSERT_TRUE(a.aktiv);
  a.form->Model().SetChecked("AMPFGautoCheckBox", false);
  QLineEdit* lfd = a.Edit("AMPFG_RueckVerrGruppeEdit");
  QLineEdit* sz = a.Edit("AMPFG_RueckVerrGruppe_SZEdit");
  a.form->Model().SetText("AMPFG_RueckVerrGruppeEdit", "x");
  a.form->Model().SetText("AMPFG_RueckVerrGruppe_SZEdit", "x");
  lfd->setFocus(Qt::TabFocusReason);
  sz->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(a.env.dialogs.messages,
            std::vector<std::string>{lohn::kMeldungRueckverrechnungsgruppe});
  EXPECT_EQ(QApplication::focusWidget(), lfd);
  a.form->findChild<QPushButton*>("Button3")->click();
  EXPECT_FALSE(a.form->isVisible());
  EXPECT_EQ(a.env.dialogs.messages.size(), 1u);
}

TEST(PersFormEingabenGui, AWrongSocialPositionIsSelectedSoThatTheNextDigitReplacesIt) {
  AktivesFenster a;
  ASSERT_TRUE(a.aktiv);
  QLineEdit* stellung = a.Edit("SozialeStellungEdit");
  stellung->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(stellung, "9");
  a.Edit("StaatEdit")->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(a.env.dialogs.messages, std::vector<std::string>{lohn::kHinweisSozialeStellung});
  EXPECT_EQ(QApplication::focusWidget(), stellung);
  QTest::keyClick(stellung, Qt::Key_5);
  EXPECT_EQ(a.form->Model().Text("SozialeStellungEdit"), "5");
}

TEST(PersFormEingabenGui, CalculateNamesTheFieldThatIsNoNumber) {
  AktivesFenster a;
  ASSERT_TRUE(a.aktiv);
  a.form->Model().SetText("ZulageEdit", "1,2,3");
  a.form->findChild<QPushButton*>("BerechnenButon")->click();
  EXPECT_EQ(a.env.dialogs.messages,
            std::vector<std::string>{"'1,2,3' ist kein gültiger Fließkommawert\nFeld \"Zulage\" im "
                                     "Fenster \"Dienstnehmer und Abrechnungsdaten 2014\"."});
  EXPECT_EQ(QApplication::focusWidget(), a.Edit("ZulageEdit"));
  // Every amount field has the caption that such a message names.
  for (const std::string& name : lohn::SpeichernZahlenfelder())
    EXPECT_FALSE(a.form->Model().Beschriftung(name).empty()) << name;
  for (auto [name, caption] : {std::pair{"EintrittsDatumEdit", "Ein-/Austritt"},
                               {"GehaltEdit", "Gehalt/Std-Lohn"},
                               {"AnzahlKinderEdit", "Kinder"},
                               {"SonderzahlungEdit", "Sonderzahlung"},
                               {"RDAT", "Richtiges An/Abmeldedatum"}})
    EXPECT_EQ(a.form->Model().Beschriftung(name), caption);
  EXPECT_EQ(a.Status(), "Hinweis: Zulagen, Provisionen, steuerpflichtige Reisekosten");
  EXPECT_TRUE(ReadBytes("MUSTER.PER").empty());
  EXPECT_TRUE(ReadBytes("MUSTER.ABR").empty());
}

}  // namespace
