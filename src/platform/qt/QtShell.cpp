#include "platform/qt/QtShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

void QtShell::Open(const std::string& target) {
  QString t = QString::fromStdString(target);
  QUrl url(t);
  if (url.scheme().size() > 1 && !QFileInfo::exists(t))
    QDesktopServices::openUrl(url);
  else
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath()));
}

void QtShell::StartProgram(const std::string& program, const std::vector<std::string>& args, bool) {
  // No console windows on Linux: a hidden start is an ordinary detached start.
  QString prog = QString::fromStdString(program);
  QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(prog);
  if (QFileInfo(beside).isExecutable()) prog = beside;
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  QProcess::startDetached(prog, list, QDir::currentPath());
}

}  // namespace platform
