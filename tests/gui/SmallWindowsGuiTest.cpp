// Offscreen smoke tests of the calendar, help, data-folder and video windows.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "frame/gui/ClickLabel.h"
#include "frame/gui/DatenForm.h"
#include "frame/gui/HilfeForm.h"
#include "frame/gui/KalenderForm.h"
#include "frame/gui/VideosForm.h"
#include "payroll/PersFormFenster.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FakePrintCanvas;
using testing_support::FakeShell;
using testing_support::TempWorkDir;
using testing_support::TestEnv;
using testing_support::WriteText;

TEST(KalenderForm, ButtonsStepTheMonthAndTheLabelsFollow) {
  platform::FixedClock clock({2014, 1, 31, 12, 0, 0, 0});
  TKalenderForm form(clock);
  EXPECT_EQ(form.windowTitle(), "Kalender");
  EXPECT_EQ(form.Monat->text(), "1");
  EXPECT_EQ(form.Jahr->text(), "2014");
  EXPECT_EQ(form.Button1->text(), "<<<");
  EXPECT_EQ(form.Button2->toolTip(), "1 Monat nach vor");

  form.Button2->click();
  EXPECT_EQ(form.Calendar1->selectedDate(), QDate(2014, 2, 1));
  EXPECT_EQ(form.Monat->text(), "2");
  form.Button1->click();
  form.Button1->click();
  EXPECT_EQ(form.Calendar1->selectedDate(), QDate(2013, 12, 1));
  EXPECT_EQ(form.Monat->text(), "12");
  EXPECT_EQ(form.Jahr->text(), "2013");

  // A day picked in the calendar itself also reaches the labels.
  form.Calendar1->setSelectedDate(QDate(2015, 7, 9));
  EXPECT_EQ(form.Monat->text(), "7");
  EXPECT_EQ(form.Jahr->text(), "2015");
}

TEST(HilfeForm, ListsTheLinesAndPrintsThem) {
  auto canvas = std::make_shared<FakePrintCanvas>();
  THilfeForm form("Lohnarten.TXT", {"10 Gehalt", "20 Überstunden"}, nullptr,
                  [&](QWidget*) { return canvas; });
  ASSERT_EQ(form.HilfeListBox->count(), 2);
  EXPECT_EQ(form.HilfeListBox->item(1)->text(), "20 Überstunden");
  EXPECT_EQ(form.SpeedButton1->toolTip(), "an den Drucker senden");

  form.SpeedButton1->click();
  ASSERT_EQ(canvas->log.size(), 5u);
  EXPECT_EQ(canvas->log[0], "begin Lohnarten.TXT");
  EXPECT_EQ(canvas->log[3], "text 0,42 20 Überstunden");
}

TEST(HilfeForm, EveryCallerFindsItsTextAndAMissingOneOpensNoWindow) {
  TempWorkDir dir;  // a fresh data folder: the texts lie beside the program
  TestEnv env;
  QWidget parent;
  EXPECT_FALSE(ZeigeHilfeText(env.dialogs, "Fehlt.txt", "INFO", &parent));
  EXPECT_EQ(env.dialogs.messages.size(), 1u);
  EXPECT_TRUE(parent.findChildren<THilfeForm*>().isEmpty());

  std::vector<std::string> files{"Lohnarten.TXT"};
  for (const auto& info : lohn::PersFormInfoListe()) files.push_back(info.datei);
  for (const auto& file : files) {
    THilfeForm* hilfe = ZeigeHilfeText(env.dialogs, file, "INFO", &parent, QPoint(5, 5));
    ASSERT_TRUE(hilfe) << file;
    EXPECT_TRUE(hilfe->isVisible());
    EXPECT_GT(hilfe->HilfeListBox->count(), 20) << file;
    hilfe->close();
  }
  EXPECT_EQ(env.dialogs.messages.size(), 1u);
}

TEST(DatenForm, ListsAndCopyRoute) {
  TempWorkDir dir;
  TestEnv env;
  WriteText("DEMO.ABR", "");
  TDatenForm form(env.state);
  EXPECT_EQ(form.windowTitle(), "Daten");
  ASSERT_EQ(form.FileListBox1->count(), 1);
  EXPECT_EQ(form.FileListBox1->item(0)->text(), "DEMO.ABR");
  EXPECT_EQ(form.FileListBox2->count(), 0);
  EXPECT_EQ(form.DirectoryListBox1->currentItem()->text().trimmed(),
            QString::fromStdString(dir.path().filename().string()));

  fs::create_directory("Ziel");
  WriteText("Ziel/DEMO.ABR", "");
  WriteText("Ziellaufwerk.cfg", (dir.path() / "Ziel").string() + ";");
  WriteText("MUSTER.ABR", "");
  form.Button2->click();
  EXPECT_EQ(form.FileListBox1->count(), 2);
  EXPECT_EQ(form.FileListBox2->count(), 1);

  form.SpeedButton1->click();  // the fake answers "Ja"
  ASSERT_EQ(env.shell.started.size(), 1u);
  EXPECT_TRUE(env.shell.started[0].hidden);
  emit form.Label2->clicked();
  form.SpeedButton2->click();
  EXPECT_EQ(env.shell.opened, (std::vector<std::string>{dir.path().string(), "ZR_Handbuch.pdf"}));
  for (const char* name : {"Label14", "Button1", "Button3", "SpeedButton1"})
    EXPECT_TRUE(form.findChild<QWidget*>(name)) << name;
}

TEST(VideosForm, EveryLabelStartsSomething) {
  FakeShell shell;
  TVideosForm form(shell);
  EXPECT_EQ(form.windowTitle(), "Schulungsvideos ansehen");
  auto labels = form.findChildren<ClickLabel*>();
  EXPECT_EQ(labels.size(), 13 + 16);  // a folder picture beside each of the 16 lines
  auto* first = form.findChild<ClickLabel*>("Label1");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->text(), "Neuen Dienstnehmer anlegen");
  for (auto* label : labels) emit label->clicked();
  EXPECT_EQ(shell.started.size(), 11u);
  EXPECT_EQ(shell.opened.size(), 2u + 16u);
  EXPECT_TRUE(form.findChild<QLabel*>("Label33"));
}

}  // namespace
