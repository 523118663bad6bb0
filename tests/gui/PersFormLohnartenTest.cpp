// Offscreen tests of the wage-type window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "frame/gui/HilfeForm.h"
#include "gui/PersFormLohnartenEingabe.h"
#include "payroll/gui/PersFormLohnarten.h"
#include "store/Numbers.h"
#include "support/Fakes.h"

namespace {

using testing_support::TempWorkDir;
using testing_support::TestEnv;

using lohnarten_test::Leave;
using lohnarten_test::TypeLine;

TEST(PersFormLohnarten, TwoLinesEnteredAreTheTotalsTheOpenerReads) {
  TestEnv env;
  lohn::LohnartenModel model(env.dialogs);
  TPersFormLohnarten form(model, env.shell);
  int changes = 0, closed = 0;
  QObject::connect(&form, &TPersFormLohnarten::LohnartenGeaendert, [&] { ++changes; });
  QObject::connect(&form, &TPersFormLohnarten::Geschlossen, [&] { ++closed; });

  QTimer::singleShot(0, &form, [&] {
    EXPECT_TRUE(form.isVisible());
    TypeLine(form, 0, "64", "2", "15,5");
    TypeLine(form, 1, "13", "1", "300");
    form.SVCheck[1]->click();  // line 2 free of social insurance too
    EXPECT_EQ(form.TextEdit[0]->text(), "Fehlgeldentsch. SV-frei");
    EXPECT_TRUE(form.LstCheck[0]->isChecked());
    EXPECT_FALSE(form.SVCheck[0]->isChecked());
    EXPECT_TRUE(form.DB_KommCheck[0]->isChecked());
    EXPECT_EQ(form.BetragEdit[0]->text(), "31,00");
    EXPECT_EQ(form.BetragEdit[1]->text(), "300,00");
    EXPECT_EQ(form.SummeLohnartenEdit->text(), "331,00");
    EXPECT_EQ(form.FreiBetrLabel->text(),
              "(Lst-frei: 300,00  SV-frei: 331,00  DB,Komm-frei: 300,00)");
    form.SchliessenButton->click();
  });
  // Should the window refuse to close, the test ends anyway.
  QTimer::singleShot(10000, &form, [&] { form.hide(); });
  form.exec();

  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(closed, 1);
  EXPECT_GT(changes, 0);
  EXPECT_EQ(model.Summen(), (lohn::LohnartenSummen{331, 300, 331, 300}));
  EXPECT_EQ(model.Zeilen()[1], (lohn::LohnartLine{"13", "1", "Auslandsmontage steuerfrei", "300",
                                                  false, false, false}));
  EXPECT_TRUE(env.dialogs.messages.empty());
}

TEST(PersFormLohnarten, ControlsCarryTheirNamesAndTexts) {
  TestEnv env;
  lohn::LohnartenModel model(env.dialogs);
  TPersFormLohnarten form(model, env.shell);
  EXPECT_EQ(form.windowTitle(), "mehr Lohnarten");
  EXPECT_EQ(form.size(), QSize(724, 461));
  auto* code10 = form.findChild<QLineEdit*>("CodeEdit10");
  ASSERT_TRUE(code10);
  EXPECT_EQ(code10->text(), "0");
  EXPECT_EQ(code10->toolTip(), "Code der Lohnart");
  ASSERT_TRUE(form.findChild<QCheckBox*>("DB_KommCheck10"));
  EXPECT_EQ(form.findChild<QCheckBox*>("SVCheck3")->toolTip(), "sozialversicherungspflichtig");
  EXPECT_TRUE(form.BetragEdit[0]->isReadOnly());
  EXPECT_EQ(form.SummeLohnartenEdit->toolTip(), "wird zur Summe der Bruttobezüge addiert");
  EXPECT_EQ(form.SchliessenButton->text(), "Schlie&ßen");
  EXPECT_EQ(form.SpeedButton4->text(), "Werte vom Vormonat laden ...");
  EXPECT_EQ(form.Label9->text(), "von ...");
  EXPECT_EQ(form.FreiBetrLabel->text(), "(Lst-frei: 0,00  SV-frei: 0,00  DB,Komm-frei: 0,00)");
}

TEST(PersFormLohnarten, RefusedTextsStayOutAndClosingWaitsForANumber) {
  TestEnv env;
  lohn::LohnartenModel model(env.dialogs);
  TPersFormLohnarten form(model, env.shell);
  form.show();

  form.CodeEdit[0]->setText("12");
  form.CodeEdit[0]->setText("123x4");  // filtered to four digits: too wide
  EXPECT_EQ(form.CodeEdit[0]->text(), "12");
  ASSERT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_NE(env.dialogs.messages[0].find("im Feld Code"), std::string::npos);

  // Leaving a field because a message box took the focus is no exit.
  form.CodeEdit[0]->setText("99");
  Leave(form.CodeEdit[0], Qt::ActiveWindowFocusReason);
  EXPECT_EQ(env.dialogs.messages.size(), 1u);

  form.SatzEdit[2]->setText(",");
  ASSERT_EQ(env.dialogs.messages.size(), 2u);
  EXPECT_EQ(env.dialogs.messages[1], "',' ist kein gültiger Fließkommawert");
  EXPECT_EQ(form.BetragEdit[2]->text(), "");
  form.SpeedButton3->click();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(env.dialogs.messages.size(), 3u);

  form.SatzEdit[2]->setText(",5");
  form.AnzahlEdit[2]->setText("4");
  form.SpeedButton3->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(model.Summen().LohnartenSumme, 2.0);
}

TEST(PersFormLohnarten, ShowsWhatTheOpenerPutIntoTheModel) {
  TempWorkDir dir;
  TestEnv env;
  lohn::LohnartenModel model(env.dialogs);
  TPersFormLohnarten form(model, env.shell);
  lohn::LohnartenZeilen zeilen{};
  zeilen[9] = {"120", "10", "Lehrlingsentschädigung", "15", true, true, true};
  model.SetZeilen(zeilen);
  form.show();
  EXPECT_EQ(form.TextEdit[9]->text(), "Lehrlingsentschädigung");
  EXPECT_EQ(form.BetragEdit[9]->text(), "150,00");
  EXPECT_TRUE(form.SVCheck[9]->isChecked());

  form.SpeedButton2->click();
  ASSERT_EQ(env.shell.opened.size(), 1u);
  EXPECT_EQ(env.shell.opened[0], "ZR_Handbuch.pdf");

  form.SpeedButton1->click();
  auto* hilfe = form.findChild<THilfeForm*>();
  ASSERT_TRUE(hilfe);
  EXPECT_EQ(hilfe->windowTitle(), "INFO: Lohnarten");
  EXPECT_TRUE(hilfe->isVisible());
  EXPECT_EQ(hilfe->pos(), QPoint(5, 5));
  hilfe->close();
}

}  // namespace
