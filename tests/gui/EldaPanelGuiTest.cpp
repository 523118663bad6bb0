// Offscreen: the registration panel over the employee window, the colour of
// a required field and the day panel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "payroll/gui/PersForm.h"
#include "support/Fakes.h"

namespace {

TEST(EldaPanelGui, PanelRequiredColourAndDays) {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  testing_support::WriteText("MUSTER.PER", "");
  testing_support::WriteText("MUSTER.ABR", "");
  env.state.DataFileStem = "MUSTER";
  TPersForm form(env.state);
  form.show();
  auto knopf = [&](const char* name) { return form.findChild<QPushButton*>(name); };

  ASSERT_TRUE(knopf("BitBtn1")->isEnabled());
  knopf("BitBtn1")->click();
  auto* panel = form.findChild<QFrame*>("DnEldaPanel");
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->geometry(), QRect(342, 32, 638, 532));
  EXPECT_EQ(form.width(), 990);

  auto* grund = form.findChild<QComboBox*>("ComboBox5");
  const QColor vorher = grund->palette().color(QPalette::Button);
  auto* art = form.findChild<QComboBox*>("ComboBox1");
  art->setCurrentText("04 Abmeldung");
  emit art->textActivated("04 Abmeldung");
  EXPECT_EQ(form.findChild<QLineEdit*>("DN_Satzart")->text(), "04");
  EXPECT_EQ(grund->palette().color(QPalette::Button), QColor(255, 255, 130));
  EXPECT_NE(vorher, QColor(255, 255, 130));

  knopf("TageButton")->click();
  for (const char* tag : {"TagCheckBox01", "TagCheckBox02", "TagCheckBox15"})
    form.findChild<QCheckBox*>(tag)->click();
  knopf("TagePanelOKButton")->click();
  auto* tage = form.findChild<QLineEdit*>("TAGE");
  EXPECT_EQ(tage->text(), "010215");
  EXPECT_FALSE(form.findChild<QFrame*>("TagePanel")->isVisible());
  knopf("TageButton")->click();
  QTest::keyClicks(form.findChild<QLineEdit*>("AnzTageEdit"), "12");
  knopf("TagePanelOKButton")->click();
  EXPECT_EQ(tage->text(), "12");
}

}  // namespace
