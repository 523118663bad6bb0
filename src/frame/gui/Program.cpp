#include "frame/gui/Program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "elda/EldaDatei.h"
#include "frame/gui/Hauptmenue.h"
#include "frame/gui/WartenForm.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtShell.h"
#include "store/ProgramState.h"

QTranslator* LadeQtUebersetzung(const QString& ordner) {
  auto* uebersetzung = new QTranslator(QCoreApplication::instance());
  if (!uebersetzung->load(QStringLiteral("qtbase_de"), ordner) ||
      !QCoreApplication::installTranslator(uebersetzung)) {
    delete uebersetzung;
    return nullptr;
  }
  return uebersetzung;
}

void SetzeGebietsschema() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria)); }

int RunProgram(const lohn::YearValues& year, lohn::Services services,
               platform::SingleInstance& instance) {
  // Number and date texts are formatted and parsed by our own routines, so
  // the machine's locale never reaches a file or a report.
  if (!instance.Acquire()) {
    services.dialogs.ShowMessage("Die Lohnverrechnung " + std::to_string(year.year) +
                                 " läuft bereits und kann nicht gleichzeitig zwei mal "
                                 "gestartet werden!");
    return 255;
  }
  lohn::AppState state(year, services);
  if (!lohn::LoadGlobalSettings(state)) return 1;
  // No display name: the window system would append it to every caption.
  QApplication::setApplicationName(QString::fromStdString(year.AppTitle()));

  THauptmenue mainWindow(state);
  TWartenForm splash;
  state.ProgramVersion = year.programVersion;
  state.EldaLfVersion = 8;
  splash.adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    splash.move(screen->geometry().center() - splash.rect().center());
  splash.show();
  splash.repaint();
  splash.Timer1->start();

  if (!lohn::AskPasswordAtStart(state)) return 0;
  // An ELDA run cut short is undone before anyone can send its files.
  lohn::EldaJournalBeimStart(state);
  state.ReportMonthProposal = 0;
  mainWindow.show();
  return QApplication::exec();
}

int RunBuild(int argc, char** argv, const lohn::YearValues& year) {
  QApplication app(argc, argv);
  SetzeGebietsschema();
  LadeQtUebersetzung();
  platform::QtDialogs dialogs(year.AppTitle());
  platform::QtShell shell;
  platform::SystemClock clock;
  platform::SingleInstance instance(year.AppTitle());
  return RunProgram(year, lohn::Services{dialogs, shell, clock}, instance);
}
