// Offscreen: the employee window's toolbar under its modal loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "frame/gui/KalenderForm.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"
#include "payroll/gui/PersForm.h"

namespace {

TEST(PersFormNavigationGui, NextEmployeeAndACalendarThatTakesClicks) {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  env.state.DataFileStem = persform_test::kStem;
  persform_test::WritePersonal(
      {persform_test::Person(1, "Adler"), persform_test::Person(4, "Berg")});
  persform_test::WriteAbrechnungen({});
  TPersForm form(env.state);
  lohn::SelectPersonal(env.state, form.Model(), 1);

  QString monat;
  bool geschlossen = false;
  QTimer::singleShot(0, &form, [&] {
    form.findChild<QToolButton*>("SpeedButton15")->click();
    form.findChild<QToolButton*>("SpeedButton2")->click();
    QPointer<TKalenderForm> kalender = form.findChild<TKalenderForm*>();
    if (kalender && QTest::qWaitForWindowExposed(kalender)) {
      // Through the window system, where a modal window would block it.
      const QPoint mitte = kalender->Button2->mapTo(kalender, kalender->Button2->rect().center());
      QTest::mouseClick(kalender->windowHandle(), Qt::LeftButton, {}, mitte);
      monat = kalender->Monat->text();
      kalender->close();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      geschlossen = kalender.isNull();
    }
    form.accept();
  });
  form.exec();
  EXPECT_EQ(form.findChild<QLineEdit*>("FamNameEdit")->text(), "Berg");
  EXPECT_EQ(monat, "4");  // one month after the clock's March
  EXPECT_TRUE(geschlossen);
}

}  // namespace
