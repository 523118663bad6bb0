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
  lohn::DgaDaten daten;
  daten.Laden(env.state, "FIRMA", "2014");
  TDGAdatenForm form(env.state, daten, "FIRMA");
  EXPECT_EQ(Texte(form, 25, 36), std::vector<std::string>(12, "2,00"));
  EXPECT_EQ(Texte(form, 37, 48),
            (std::vector<std::string>{"5", "4", "5", "4", "5", "4", "5", "4", "4", "5", "4", "4"}));

  Tippe(form.Feld(16), "3");  // April of the liable relationships
  EXPECT_EQ(Texte(form, 13, 24),
            (std::vector<std::string>{"1", "1", "1", "3", "3", "3", "3", "3", "3", "3", "3", "3"}));
  Tippe(form.Feld(2), "1;2");  // February of the exempt ones
  EXPECT_EQ(Texte(form, 1, 12), (std::vector<std::string>{"0", "12", "12", "12", "12", "12", "12",
                                                          "12", "12", "12", "12", "12"}));

  form.findChild<QPushButton*>("weiterButton")->click();
  const auto bytes = ReadBytes("FIRMADGAOpt.dat");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), ';'), 59);
  lohn::DgaDaten neu;
  neu.Laden(env.state, "FIRMA", "2014");
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
  EXPECT_EQ(laeufe[0].dgaWerte[lohn::DgaDaten::Feld(3, 12) - 1], 2.50);
  EXPECT_EQ(laeufe[0].dgaWerte[lohn::DgaDaten::Feld(2, 2) - 1], 1.0);
  EXPECT_TRUE(std::filesystem::exists("FIRMADGAOpt.dat"));
}

}  // namespace
