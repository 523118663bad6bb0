// The levy data window offscreen: defaults, copy-down with the filters,
// saving and reloading, and the run of the municipal return that shows it
// modally over a modal window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "reports/BerichtKontext.h"
#include "reports/DgaDaten.h"
#include "reports/gui/BerichtFenster.h"
#include "reports/gui/DGAdatenForm.h"
#include "support/Fakes.h"

namespace {

using testing_support::ReadBytes;

std::vector<std::string> Texte(const TDGAdatenForm& f, int von, int bis) {
  std::vector<std::string> t;
  for (int k = von; k <= bis; ++k) t.push_back(f.Feld(k)->text().toStdString());
  return t;
}

void Tippe(QLineEdit* e, const char* text) {
  e->selectAll();
  QTest::keyClicks(e, text);
}

TEST(DGAdatenForm, DefaultsCopyDownSaveAndReload) {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  // The weeks of a month are its Sundays in the program's year.
  const std::pair<int, std::vector<std::string>> wochen[] = {
      {2014, {"4", "4", "5", "4", "4", "5", "4", "5", "4", "4", "5", "4"}},
      {2013, {"4", "4", "5", "4", "4", "5", "4", "4", "5", "4", "4", "5"}}};
  for (const auto& [jahr, erwartet] : wochen) {
    const lohn::DgaDaten d(jahr);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(d.Text(36 + m), erwartet[m - 1]) << jahr << "/" << m;
  }
  lohn::DgaDaten daten(2014);
  daten.Laden(env.state, "FIRMA", 2014);
  TDGAdatenForm form(env.state, daten, "FIRMA");
  EXPECT_EQ(Texte(form, 25, 36), std::vector<std::string>(12, "2,00"));
  EXPECT_EQ(Texte(form, 37, 48), wochen[0].second);

  Tippe(form.Feld(16), "3");  // April of the liable relationships
  EXPECT_EQ(Texte(form, 13, 24),
            (std::vector<std::string>{"1", "1", "1", "3", "3", "3", "3", "3", "3", "3", "3", "3"}));
  Tippe(form.Feld(2), "1;2");  // February of the exempt ones
  EXPECT_EQ(Texte(form, 1, 12), (std::vector<std::string>{"0", "12", "12", "12", "12", "12", "12",
                                                          "12", "12", "12", "12", "12"}));

  Tippe(form.Feld(42), "4,33");  // June's weeks keep their comma
  EXPECT_EQ(form.Feld(42)->text(), "4,33");

  // A text that does not convert: the message, the field, no file.
  Tippe(form.Feld(40), ",");
  form.findChild<QPushButton*>("weiterButton")->click();
  EXPECT_EQ(env.dialogs.messages, std::vector<std::string>{"',' ist kein gültiger Fließkommawert"});
  EXPECT_EQ(form.focusWidget(), form.Feld(40));
  EXPECT_FALSE(std::filesystem::exists("FIRMADGAOpt.dat"));
  env.dialogs.messages.clear();
  env.dialogs.shown.clear();
  Tippe(form.Feld(40), "4");

  form.findChild<QPushButton*>("weiterButton")->click();
  const auto bytes = ReadBytes("FIRMADGAOpt.dat");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), ';'), 59);
  EXPECT_NE(std::string(bytes.begin(), bytes.end()).find(";4,33;"), std::string::npos);
  lohn::DgaDaten neu(2014);
  neu.Laden(env.state, "FIRMA", 2014);
  EXPECT_EQ(neu.Zeile(), daten.Zeile());
  EXPECT_TRUE(env.dialogs.shown.empty());
}

// A click as the window system delivers it: a window that a modal window
// blocks never gets it.
void Klicke(QWidget* w) {
  QWidget* fenster = w->window();
  ASSERT_NE(fenster->windowHandle(), nullptr);
  QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {},
                    w->mapTo(fenster, w->rect().center()));
}

TEST(DGAdatenForm, ReturnShowsItOverTheModalWindow) {
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
  testing_support::WriteText("FIRMA.PER", "");
  testing_support::WriteText("FIRMA.ABR", "");
  testing_support::WriteText("FIRMA20143DGADruOpt.dat", "7;4;1;2,50;2");
  testing_support::WriteText("FIRMA20146DGADruOpt.dat", "3;4,33;0;2,00;0");
  env.state.DataFileStem = "FIRMA";
  lohn::BerichtKontext kontext(env.state);
  QWidget haupt;
  BerichtFenster fenster(env.state, kontext, &haupt);
  std::vector<lohn::BerichtOptionen> laeufe;
  kontext.Registriere(lohn::Bericht::Kommunalsteuererklaerung,
                      [&](lohn::AppState&, const lohn::BerichtOptionen& o) {
                        laeufe.push_back(o);
                        return false;
                      });
  QDialog modal(&haupt);
  bool geklickt = false;
  QTimer::singleShot(0, [&] {
    kontext.Oeffnen(lohn::Bericht::Kommunalsteuererklaerung);
    kontext.optionen.SetText("AbfrageJahrEdit", "2014");
    kontext.optionen.SetChecked("DGACheckBox", true);
    QTimer::singleShot(0, [&] {
      auto* form = qobject_cast<TDGAdatenForm*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      EXPECT_EQ(form->parentWidget(), &modal);
      EXPECT_EQ(form->Feld(15)->text(), "7");  // March from the monthly levy file
      Klicke(form->findChild<QPushButton*>("weiterButton"));
      geklickt = true;
    });
    kontext.OkClick();
    modal.accept();
  });
  modal.exec();
  EXPECT_TRUE(geklickt);
  ASSERT_EQ(laeufe.size(), 1u);
  EXPECT_EQ(laeufe[0].dgaWerte[lohn::DgaDaten::Feld(3, 5) - 1], 2.50);
  EXPECT_EQ(laeufe[0].dgaWerte[lohn::DgaDaten::Feld(2, 2) - 1], 1.0);
  // June: 3 liable x 2.00 x 4.33 weeks, not 433.
  EXPECT_EQ(laeufe[0].dgaWerte[lohn::DgaDaten::Feld(2, 6) - 1], 3.0);
  EXPECT_EQ(laeufe[0].dgaWerte[lohn::DgaDaten::Feld(3, 6) - 1], 2.0);
  EXPECT_EQ(laeufe[0].dgaWerte[lohn::DgaDaten::Feld(4, 6) - 1], 4.33);
  EXPECT_TRUE(std::filesystem::exists("FIRMADGAOpt.dat"));
}

}  // namespace
