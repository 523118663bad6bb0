#pragma once
// The program run: single instance, settings, windows, password, message loop.

#include <QLibraryInfo>
#include <QString>

#include "platform/SingleInstance.h"
#include "store/AppState.h"

class QTranslator;

// Qt's own texts (print, page-setup and file dialogs, standard buttons) in
// German: installs "qtbase_de" from `ordner` into the running application
// and returns it (owned by the application); nothing changes and nullptr
// comes back when the file is not there.
QTranslator* LadeQtUebersetzung(
    const QString& ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// Qt's own widgets (page setup, print dialog, spin boxes) write numbers as
// in Austria, with the decimal comma. The program's own numbers never go
// through a locale (store/Numbers), so its reports keep their point.
void SetzeGebietsschema();

// Runs the program inside an existing QApplication and returns its exit code
// (255 when another copy runs already).
int RunProgram(const lohn::YearValues& year, lohn::Services services,
               platform::SingleInstance& instance);

// The whole build of one payroll year: the application, the desktop's dialogs,
// shell and clock, the per-user instance lock, then RunProgram.
int RunBuild(int argc, char** argv, const lohn::YearValues& year);
