#include "store/LockFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/Cp1252.h"
#include "store/FileUtil.h"
#include "store/RecordFile.h"

namespace lohn {

const char* const kLockMessage =
    "Die Daten dieses Mandanten werden gerade von einem anderen Anwender oder Prozess bearbeitet. "
    "Wenn die Daten länger nicht verfügbar sind, beenden Sie bitte alle anderen Lohn-Programme "
    "und wählen Sie im Hauptmenü: \"Datei / Lohndaten freigeben\"";

std::string LockFileName(std::string_view stem, std::string_view ext) {
  return DataFileName(stem, ext);
}

bool LockFilePresent(std::string_view stem, std::string_view ext) {
  struct stat st {};
  return ::lstat(LockFileName(stem, ext).c_str(), &st) == 0;
}

namespace {

// Creates the lock file only when no one else has; false with errno otherwise.
bool CreateExclusive(const std::string& name, std::string_view line) {
  int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNeueDateiModus);
  if (fd < 0) return false;
  std::string text = Utf8ToCp1252(line) + "\r\n";
  // The content is never read; a short write still leaves a valid lock.
  ssize_t ignored = ::write(fd, text.data(), text.size());
  (void)ignored;
  ::close(fd);
  return true;
}

}  // namespace

LockGuard::LockGuard(platform::Dialogs& dialogs, std::string_view stem,
                     std::initializer_list<std::string_view> exts, std::string_view line) {
  for (std::string_view ext : exts) {
    if (LockFilePresent(stem, ext)) {
      dialogs.ShowMessage(kLockMessage);
      return;
    }
  }
  for (std::string_view ext : exts) {
    std::string name = LockFileName(stem, ext);
    if (!CreateExclusive(name, line)) {
      int e = errno;
      Release();
      if (e == EEXIST)
        dialogs.ShowMessage(kLockMessage);
      else
        dialogs.ShowMessage("Die Sperrdatei \"" + name + "\" kann nicht angelegt werden (" +
                            IoErrorText(e) + "). Es wurden keine Daten geändert.");
      return;
    }
    created_.push_back(std::move(name));
  }
  held_ = true;
}

LockGuard::~LockGuard() { Release(); }

void LockGuard::Release() {
  for (const std::string& name : created_) RemoveFileIfPresent(name);
  created_.clear();
  held_ = false;
}

bool ReleaseAllLockFiles(std::string_view stem) {
  bool allGone = true;
  for (const char* ext : kAllLockExts) {
    if (!RemoveFileIfPresent(LockFileName(stem, ext))) allGone = false;
  }
  return allGone;
}

}  // namespace lohn
