#include <QApplication>

#include "frame/gui/Program.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtShell.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const lohn::YearValues& year = lohn::kYear2014;
  platform::QtDialogs dialogs(year.AppTitle());
  platform::QtShell shell;
  platform::SystemClock clock;
  platform::SingleInstance instance(year.AppTitle());
  return RunProgram(year, lohn::Services{dialogs, shell, clock}, instance);
}
