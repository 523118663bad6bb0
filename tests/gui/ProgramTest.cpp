#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <filesystem>
#include <random>

#include "frame/gui/Hauptmenue.h"
#include "frame/gui/Program.h"
#include "reports/BerichtText.h"
#include "store/ProgramState.h"
#include "store/RecordBytes.h"
#include "support/Fakes.h"

namespace {

using testing_support::FakeDialogs;
using testing_support::FakeShell;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::WriteBytes;

std::string UniqueLockName() { return "lohntest-" + std::to_string(std::random_device{}()); }

struct Seams {
  FakeDialogs dialogs;
  FakeShell shell;
  platform::FixedClock clock{platform::DateTime{2014, 3, 15, 9, 5, 3, 0}};
  lohn::Services services{dialogs, shell, clock};
};

TEST(Program, QtsOwnTextsInGermanWhenTheTranslationIsThere) {
  auto abbrechen = [] {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove('&');
  };
  TempWorkDir dir;
  EXPECT_EQ(LadeQtUebersetzung(QString::fromStdString(dir.path().string())), nullptr);
  EXPECT_EQ(abbrechen(), "Cancel");
  QTranslator* deutsch = LadeQtUebersetzung();
  ASSERT_NE(deutsch, nullptr) << "qtbase_de.qm missing (Debian: qt6-translations-l10n)";
  EXPECT_EQ(abbrechen(), "Abbrechen");
  QCoreApplication::removeTranslator(deutsch);
  delete deutsch;
}

TEST(Program, QtsOwnWidgetsWriteTheDecimalCommaTheReportsTheirPoint) {
  const QLocale vorher;
  SetzeGebietsschema();
  QDoubleSpinBox rand;
  rand.setDecimals(2);
  rand.setValue(3.53);
  EXPECT_EQ(rand.text(), "3,53");
  EXPECT_EQ(QLocale().toString(3.53, 'f', 2), "3,53");
  EXPECT_EQ(lohn::BerichtText::A(1234.5, 10), "   1234.50");
  QLocale::setDefault(vorher);
}

TEST(Program, SecondCopyEndsWith255BeforeTouchingAFile) {
  TempWorkDir dir;
  Seams s;
  std::string name = UniqueLockName();
  platform::SingleInstance running(name);
  ASSERT_TRUE(running.Acquire());
  platform::SingleInstance second(name);
  EXPECT_EQ(RunProgram(lohn::kYear2014, s.services, second), 255);
  ASSERT_EQ(s.dialogs.messages.size(), 1u);
  EXPECT_EQ(s.dialogs.messages[0],
            "Die Lohnverrechnung 2014 läuft bereits und kann nicht gleichzeitig zwei mal "
            "gestartet werden!");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Program, WrongOrCancelledPasswordEndsWithoutWriting) {
  for (std::optional<std::string> typed :
       {std::optional<std::string>("falsch"), std::optional<std::string>()}) {
    TempWorkDir dir;
    auto rec = lohn::DefaultProgramStateRecord();
    lohn::PutShortString(rec.data(), 109, 50, "geheim");
    WriteBytes("Lohnver.LOA", {rec.begin(), rec.end()});
    const auto glob = lohn::DefaultGlobRecord();
    WriteBytes("GLOB.DAT", {glob.begin(), glob.end()});
    WriteBytes(".PER", {});
    WriteBytes(".ABR", {});
    auto before = ReadBytes("Lohnver.LOA");
    Seams s;
    s.dialogs.loginPassword = typed;
    platform::SingleInstance instance(UniqueLockName());
    EXPECT_EQ(RunProgram(lohn::kYear2014, s.services, instance), 0);
    EXPECT_EQ(s.dialogs.loginShown, 1);
    EXPECT_EQ(s.dialogs.messages.back(), "Das von Ihnen eingegebene Kennwort ist falsch!");
    EXPECT_EQ(ReadBytes("Lohnver.LOA"), before);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
  }
}

TEST(Program, StartsTheMainWindowWithItsCaption) {
  TempWorkDir dir;
  // An ELDA pair cut short between its renames is whole again once the
  // program has started.
  std::filesystem::create_directory("ELDA");
  testing_support::WriteText("ELDA/A.BG", "neu BG");
  testing_support::WriteText("ELDA/A.BG.7-0~", "alt BG");
  testing_support::WriteText("ELDA/A.LF", "alt LF");
  testing_support::WriteText("ELDA/A.LF.7-2~", "neu LF");
  testing_support::WriteText("ELDA.lck", "A.BG\tA.BG.7-0~\tA.BG.7-1~\nA.LF\t\tA.LF.7-2~\n");
  Seams s;
  platform::SingleInstance instance(UniqueLockName());
  QString title, stem;
  QTimer::singleShot(50, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* main = qobject_cast<THauptmenue*>(w); main && main->isVisible()) {
        title = main->windowTitle();
        stem = main->DienstgeberLabel->text();
        main->close();
      }
  });
  EXPECT_EQ(RunProgram(lohn::kYear2014, s.services, instance), 0);
  EXPECT_EQ(title, "Quandrel Lohnverrechnung - Version 2014");
  EXPECT_EQ(stem, "DEMO");
  EXPECT_EQ(ReadBytes("Lohnver.LOA").size(), 416u);
  EXPECT_EQ(ReadBytes("GLOB.DAT").size(), 3252u);
  const auto altBg = ReadBytes("ELDA/A.BG");
  EXPECT_EQ(std::string(altBg.begin(), altBg.end()), "alt BG");
  EXPECT_FALSE(std::filesystem::exists("ELDA/A.LF.7-2~"));
  EXPECT_EQ(ReadBytes("ELDA.lck").size(), 0u);
  // The window system gets the titles as they are: the program names no
  // display name that it would append to each of them.
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName("Probe");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Probe");
  QCoreApplication::setApplicationName(name);
}

}  // namespace
