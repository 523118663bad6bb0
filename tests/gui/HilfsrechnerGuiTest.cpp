// Offscreen: the documents window and the part-month calculator opened from
// the modal employee window take keys and clicks through the window system.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "payroll/BuchgBeleg.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/PersFormTestSupport.h"
#include "payroll/gui/BuchgBelegForm.h"
#include "payroll/gui/PersForm.h"
#include "payroll/gui/TeilGehaltForm.h"

namespace {

void Klicke(QWidget* fenster, QWidget* knopf) {
  QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {},
                    knopf->mapTo(fenster, knopf->rect().center()));
}

void Tippe(QWidget* fenster, const char* text) {
  for (const char* c = text; *c; ++c) QTest::keyClick(fenster->windowHandle(), *c);
}

TEST(HilfsrechnerGui, DocumentsAndPartMonthCalculatorTakeInput) {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  env.state.DataFileStem = persform_test::kStem;
  lohn::PersonalRecord p = persform_test::Person(7, "Adler");
  p.GehaltEdit = 3000;
  persform_test::WritePersonal({p});
  persform_test::WriteAbrechnungen({});
  std::filesystem::create_directory("ZR-DOKUMENTE_MUSTER");
  testing_support::WriteText("ZR-DOKUMENTE_MUSTER/7.pdf", "x");
  TPersForm form(env.state);
  lohn::SelectPersonal(env.state, form.Model(), 7);

  QString nummer, gehalt;
  QTimer::singleShot(0, &form, [&] {
    QTimer::singleShot(0, &form, [&] {
      QPointer<TBuchgBelegForm> doc = form.findChild<TBuchgBelegForm*>();
      if (!doc || !QTest::qWaitForWindowExposed(doc)) return;
      doc->BuchungNrEdit->setFocus();
      doc->BuchungNrEdit->selectAll();
      Tippe(doc, "7x");
      nummer = doc->BuchungNrEdit->text();
      Klicke(doc, doc->AnzeigenButton);
      doc->close();
    });
    form.findChild<QToolButton*>("SpeedButton6")->click();

    QTimer::singleShot(0, &form, [&] {
      auto* rechner = form.findChild<TTeilGehaltForm*>();
      if (!rechner || !QTest::qWaitForWindowExposed(rechner)) return;
      Tippe(rechner, "10");  // the days are selected on show
      Klicke(rechner, rechner->UebernehmenButton);
      if (rechner->isVisible()) rechner->reject();
    });
    form.findChild<QToolButton*>("SpeedButton30")->click();
    gehalt = form.findChild<QLineEdit*>("GehaltEdit")->text();
    form.accept();
  });
  form.exec();
  EXPECT_EQ(nummer, "7");
  EXPECT_EQ(env.shell.opened,
            std::vector<std::string>{lohn::BelegOrdner(persform_test::kStem) + "/7.pdf"});
  EXPECT_EQ(gehalt, "1000,00");
  EXPECT_EQ(form.Kontext().rechner.teilGehalt.texte.TageEdit, "10");
}

}  // namespace
