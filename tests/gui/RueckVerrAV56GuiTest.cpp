// The refund bases window opens from the options window, filters what is
// typed, keeps the texts for the next opening, and the statement gets them
// converted with the other options.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "elda/gui/RueckVerrAV56Form.h"
#include "reports/BerichtKontext.h"
#include "reports/gui/DruOptForm.h"
#include "support/Fakes.h"

namespace {

constexpr const char* kSzFalsch =
    "'1,2,3' ist kein gültiger Fließkommawert\nFeld \"N15m Beitragsgrundlage Sonderzahlung\" im "
    "Fenster \"Rückverrechnung von AV-Beiträgen für Männer ab 56. Lebensjahr\".";

TEST(RueckVerrAV56Form, FiltersTypingKeepsTheTextsAndFeedsTheStatement) {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  lohn::BerichtKontext berichte(env.state);
  TDruOptForm optionen(env.state, berichte);
  optionen.show();
  // Acts in the modal window once it runs, then closes it with its button.
  auto imFenster = [&](std::function<void(TRueckVerrAV56Form&)> tun) {
    QTimer::singleShot(0, [&] {
      auto* form = qobject_cast<TRueckVerrAV56Form*>(QApplication::activeModalWidget());
      ASSERT_TRUE(form && form->parentWidget() == &optionen);
      tun(*form);
      form->findChild<QPushButton*>("Button1")->click();
    });
    optionen.findChild<QToolButton*>("RueckVerrAV56SpeedButton")->click();
  };
  imFenster([](TRueckVerrAV56Form& form) {
    QLineEdit* lfd = form.findChild<QLineEdit*>("N15gLfdEdit");
    EXPECT_EQ(lfd->text(), "0");
    lfd->clear();  // "0", selected: the digits typed replace it
    QTest::keyClicks(lfd, "12a,5");
    EXPECT_EQ(lfd->text(), "12,5");
    // What does not convert keeps the window open at its field.
    QLineEdit* sz = form.findChild<QLineEdit*>("N15mSZEdit");
    sz->setText("1,2,3");
    form.findChild<QPushButton*>("Button1")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.focusWidget(), sz);
    sz->setText("1.000,5");  // as Austrians write it
  });
  EXPECT_EQ(env.dialogs.messages, std::vector<std::string>{kSzFalsch});
  env.dialogs.messages.clear();
  imFenster([](TRueckVerrAV56Form& form) {
    EXPECT_EQ(form.Felder[0]->text(), "12,5");
    EXPECT_EQ(form.Felder[5]->text(), "1.000,5");
  });

  std::vector<double> gelesen;
  env.state.berichte = &berichte;
  berichte.Registriere(lohn::Bericht::Beitragsnachweisung,
                       [&](lohn::AppState&, const lohn::BerichtOptionen& o) {
                         gelesen.assign(o.av56.begin(), o.av56.end());
                         return false;
                       });
  lohn::BerichtPunktOeffnen(env.state, lohn::Bericht::Beitragsnachweisung);
  berichte.optionen.SetChecked("RueckVerrAV56CheckBox", true);
  berichte.OkClick();
  EXPECT_EQ(gelesen, (std::vector<double>{12.5, 0, 0, 0, 0, 1000.5, 0, 0, 0, 0, 0, 0}));
  gelesen.clear();
  env.state.RueckVerrAV56[5] = "1,2,3";
  lohn::BerichtPunktOeffnen(env.state, lohn::Bericht::Beitragsnachweisung);
  berichte.optionen.SetChecked("RueckVerrAV56CheckBox", true);
  env.dialogs.messages.clear();
  berichte.OkClick();
  EXPECT_EQ(env.dialogs.messages, std::vector<std::string>{kSzFalsch});
  EXPECT_TRUE(gelesen.empty());
}

}  // namespace
