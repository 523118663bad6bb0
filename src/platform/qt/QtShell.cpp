#include "platform/qt/QtShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

bool QtShell::OpenTarget(const std::string& target) {
  QString t = QString::fromStdString(target);
  QUrl url(t);
  if (url.scheme().size() > 1 && !QFileInfo::exists(t)) return QDesktopServices::openUrl(url);
  const QFileInfo datei(t);
  if (!datei.exists()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(datei.absoluteFilePath()));
}

bool QtShell::Start(const std::string& program, const std::vector<std::string>& args, bool) {
  // No console windows on Linux: a hidden start is an ordinary detached start.
  QString prog = QString::fromStdString(program);
  QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(prog);
  if (QFileInfo(beside).isExecutable()) prog = beside;
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  return QProcess::startDetached(prog, list, QDir::currentPath());
}

}  // namespace platform
