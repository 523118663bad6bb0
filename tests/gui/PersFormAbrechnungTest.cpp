// Offscreen tests of the month payroll in the employee window: the wage-type
// window opened from it, its totals back in the employee window, a stored
// payroll's lines shown in it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "gui/PersFormLohnartenEingabe.h"
#include "payroll/PersFormStammdaten.h"
#include "payroll/gui/PersForm.h"
#include "payroll/gui/PersFormLohnarten.h"
#include "store/AbrechnungStore.h"
#include "store/PersonalStore.h"
#include "support/Fakes.h"

namespace {

using testing_support::TempWorkDir;
using testing_support::TestEnv;

const std::string kStem = "MUSTER";

using lohnarten_test::TypeLine;

// Employee 7 "Huber", optionally with his payroll of March 2014.
struct Umgebung {
  explicit Umgebung(const lohn::AbrechnungRecord* maerz = nullptr) {
    env.state.DataFileStem = kStem;
    lohn::PersonalRecord huber;
    huber.PersNrEdit = 7;
    huber.FamNameEdit = "Huber";
    huber.BeitragsgruppeComboBox = "D1";
    lohn::PersonalBytes p = huber.pack();
    testing_support::WriteBytes(kStem + ".PER", {p.begin(), p.end()});
    std::vector<std::uint8_t> abr;
    if (maerz) {
      lohn::AbrechnungBytes b = maerz->pack();
      abr.assign(b.begin(), b.end());
    }
    testing_support::WriteBytes(kStem + ".ABR", abr);
  }
  // The period, then the employee, as the user chooses them.
  void Waehle(TPersForm& form) {
    form.Model().SetText("MonatComboBox", "3");
    form.Model().SetText("JahrComboBox", "2014");
    lohn::SelectPersonal(env.state, form.Model(), 7);
  }
  TempWorkDir dir;
  TestEnv env;
};

QString Text(TPersForm& form, const char* name) {
  if (auto* e = form.findChild<QLineEdit*>(name)) return e->text();
  if (auto* l = form.findChild<QLabel*>(name)) return l->text();
  ADD_FAILURE() << name;
  return {};
}

TEST(PersFormAbrechnungGui, TwoWageTypesEnteredShowTheirTotalsInTheEmployeeWindow) {
  Umgebung u;
  TPersForm form(u.env.state);
  u.Waehle(form);
  TPersFormLohnarten* lohnarten = form.Lohnarten();
  ASSERT_NE(lohnarten, nullptr);
  EXPECT_EQ(Text(form, "LohnartenSummeEdit"), "0,00");

  bool offen = false;
  QTimer::singleShot(0, lohnarten, [&] {
    offen = lohnarten->isVisible();
    TypeLine(*lohnarten, 0, "64", "2", "15,5");
    TypeLine(*lohnarten, 1, "13", "1", "300");
    // Already while typing, the employee window follows.
    EXPECT_EQ(Text(form, "LohnartenSummeEdit"), "331,00");
    lohnarten->SchliessenButton->click();
  });
  // Should the window not close, the test ends anyway.
  QTimer::singleShot(10000, lohnarten, [&] { lohnarten->hide(); });
  form.findChild<QPushButton*>("SpeedButton24")->click();

  EXPECT_TRUE(offen);
  EXPECT_FALSE(lohnarten->isVisible());
  EXPECT_EQ(Text(form, "LohnartenSummeEdit"), "331,00");
  EXPECT_EQ(Text(form, "LohnartenFreiLabel"),
            "(Lst-frei: 300,00  SV-frei: 31,00  DB,Komm-frei: 300,00)");
  EXPECT_EQ(form.Kontext().lohnarten.Summen(), (lohn::LohnartenSummen{331, 300, 31, 300}));
  EXPECT_TRUE(u.env.dialogs.messages.empty());
}

TEST(PersFormAbrechnungGui, WithoutAPeriodTheWageTypeWindowStaysClosed) {
  Umgebung u;
  TPersForm form(u.env.state);
  u.Waehle(form);
  form.Model().SetText("MonatComboBox", "");
  // Should it open after all, it is closed again.
  QTimer::singleShot(0, form.Lohnarten(), [&] { form.Lohnarten()->hide(); });
  form.findChild<QPushButton*>("SpeedButton24")->click();
  EXPECT_EQ(
      u.env.dialogs.messages,
      std::vector<std::string>{"Wählen Sie bitte vorher einen Dienstnehmer und Zeitraum aus!"});
}

TEST(PersFormAbrechnungGui, AStoredPayrollBringsItsLinesAndThePartPayrollItsOwn) {
  lohn::AbrechnungRecord maerz;
  maerz.PersNrEdit = 7;
  maerz.MonatComboBox = 3;
  maerz.JahrComboBox = 2014;
  maerz.NettoBetragEdit = 1500;
  maerz.Lohnarten[0] =
      lohn::PackLohnartLine({"110", "3", "Krankenentgelt", "80", true, true, true});
  Umgebung u(&maerz);
  TPersForm form(u.env.state);
  u.Waehle(form);
  EXPECT_EQ(Text(form, "NettoBetragEdit"), "1500,00");
  EXPECT_EQ(Text(form, "LohnartenSummeEdit"), "240,00");

  bool gezeigt = false;
  QTimer::singleShot(0, form.Lohnarten(), [&] {
    gezeigt = true;
    EXPECT_EQ(form.Lohnarten()->CodeEdit[0]->text(), "110");
    EXPECT_EQ(form.Lohnarten()->TextEdit[0]->text(), "Krankenentgelt");
    EXPECT_EQ(form.Lohnarten()->BetragEdit[0]->text(), "240,00");
    form.Lohnarten()->SchliessenButton->click();
  });
  form.findChild<QPushButton*>("SpeedButton24")->click();
  EXPECT_TRUE(gezeigt);

  // Choosing the part payroll in the list shows the part payroll: none yet.
  auto* teil = form.findChild<QComboBox*>("AbrechngComboBox");
  teil->textActivated("1");
  EXPECT_EQ(Text(form, "NettoBetragEdit"), "0");
  EXPECT_EQ(Text(form, "LohnartenSummeEdit"), "0,00");
  EXPECT_FALSE(form.Kontext().angezeigt.gespeichert);
}

}  // namespace
