#include "store/FileUtil.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <ctime>
#include <utility>

#include "store/Cp1252.h"

namespace lohn {

bool WriteAll(int fd, const std::uint8_t* data, std::size_t n, long long at) {
  std::size_t done = 0;
  while (done < n) {
    ssize_t w = at < 0 ? ::write(fd, data + done, n - done)
                       : ::pwrite(fd, data + done, n - done, off_t(at) + off_t(done));
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (w == 0) {
      errno = EIO;
      return false;
    }
    done += std::size_t(w);
  }
  return true;
}

namespace {

// Writes, flushes and closes fd: 0, or the errno of the first step that failed.
int WriteSyncClose(int fd, std::span<const std::uint8_t> content) {
  int e = WriteAll(fd, content.data(), content.size()) && ::fsync(fd) == 0 ? 0 : errno;
  if (::close(fd) != 0 && e == 0) e = errno;
  return e;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<Bytes> ReadWholeFile(const std::string& path, int* err) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (err) *err = errno;
    return std::nullopt;
  }
  Bytes out;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_size > 0) out.reserve(std::size_t(st.st_size));
  std::uint8_t buf[1 << 16];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (err) *err = errno;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.insert(out.end(), buf, buf + n);
  }
  ::close(fd);
  return out;
}

std::optional<std::string> ReadTextFileUtf8(const std::string& path, int* err) {
  auto bytes = ReadWholeFile(path, err);
  if (!bytes) return std::nullopt;
  std::string raw(bytes->begin(), bytes->end());
  // Desktop editors may put a byte order mark in front of UTF-8.
  if (raw.starts_with("\xEF\xBB\xBF")) raw.erase(0, 3);
  if (EncodeUtf8(DecodeUtf8(raw)) == raw) return raw;  // plain ASCII or valid UTF-8
  return Cp1252ToUtf8(raw);
}

namespace {

// A temporary file beside `path` that no other writer uses:
// "<path>.<pid>-<serial>~", created exclusively and open for writing, and
// locked while it is open, so that no cleaner removes it from under its
// writer. The serials of a process start where those of an earlier process
// with the same number are unlikely to be.
int OpenFreshTemp(const std::string& path, std::string& temp) {
  static std::atomic<unsigned> serial{
      unsigned(std::chrono::steady_clock::now().time_since_epoch().count() % 1000000000)};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = path + "." + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "~";
    int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kNeueDateiModus);
    if (fd >= 0) {
      // Fresh and ours: only a cleaner that took it for an old one could
      // hold it already, and then it is gone; the rename will say so.
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool IsTempOf(const std::string& name, const std::string& base) {
  if (name == base + ".neu~") return true;  // the fixed name of earlier versions
  if (name.size() <= base.size() + 2 || name.compare(0, base.size() + 1, base + ".") != 0 ||
      name.back() != '~')
    return false;
  // "<base>.<pid>-<serial>~"
  const std::string mitte = name.substr(base.size() + 1, name.size() - base.size() - 2);
  const std::size_t strich = mitte.find('-');
  if (strich == std::string::npos || strich == 0 || strich + 1 == mitte.size()) return false;
  for (std::size_t i = 0; i < mitte.size(); ++i)
    if (i != strich && (mitte[i] < '0' || mitte[i] > '9')) return false;
  return true;
}

bool EntferneWennFrei(const std::string& pfad) {
  // Opened for writing where it may be: a network file system locks only
  // such files exclusively.
  constexpr int kArt = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  int fd = ::open(pfad.c_str(), O_RDWR | kArt);
  if (fd < 0 && errno == EACCES) fd = ::open(pfad.c_str(), O_RDONLY | kArt);
  if (fd < 0) return errno == ENOENT;
  bool weg = false;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    // Still the file that was locked, not one put there meanwhile.
    struct stat offen {};
    struct stat jetzt {};
    weg = ::fstat(fd, &offen) == 0 && ::lstat(pfad.c_str(), &jetzt) == 0 &&
          offen.st_dev == jetzt.st_dev && offen.st_ino == jetzt.st_ino &&
          ::unlink(pfad.c_str()) == 0;
  }
  ::close(fd);
  return weg;
}

void RemoveStaleTemps(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string ordner = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  DIR* dir = ::opendir(ordner.c_str());
  if (!dir) return;
  const std::time_t grenze = std::time(nullptr) - kTempAlterSekunden;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (!IsTempOf(name, base)) continue;
    const std::string pfad = slash == std::string::npos ? name : ordner + name;
    struct stat st {};
    // Old by its clock, which may be another machine's: a writer that still
    // holds its lock is alive and keeps it.
    if (::lstat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < grenze)
      EntferneWennFrei(pfad);
  }
  ::closedir(dir);
}

int SchreibeTemporaer(const std::string& path, std::span<const std::uint8_t> content,
                      std::string& temp, int* offen) {
  const int fd = OpenFreshTemp(path, temp);
  if (fd < 0) return errno;
  if (offen) {
    // Kept open, and so locked, for the caller.
    const int e = WriteAll(fd, content.data(), content.size()) && ::fsync(fd) == 0 ? 0 : errno;
    if (e == 0) {
      *offen = fd;
      return 0;
    }
    ::unlink(temp.c_str());
    ::close(fd);
    return e;
  }
  const int e = WriteSyncClose(fd, content);
  if (e != 0) ::unlink(temp.c_str());
  return e;
}

DateiInTeilen::DateiInTeilen(std::string path) : path_(std::move(path)) {
  // A temporary of this write's own: another process writing the same file
  // at the same moment has its own and cannot truncate this one.
  fd_ = OpenFreshTemp(path_, temp_);
  if (fd_ < 0) {
    fehler_ = errno;
    temp_.clear();  // not ours
  }
}

DateiInTeilen::~DateiInTeilen() {
  if (fd_ >= 0) ::close(fd_);
  if (fehler_ != -1 && !temp_.empty()) ::unlink(temp_.c_str());
}

void DateiInTeilen::Anhaengen(const std::uint8_t* data, std::size_t n) {
  if (fehler_ == 0 && !WriteAll(fd_, data, n)) fehler_ = errno;
}

void DateiInTeilen::Anhaengen(std::span<const std::span<const std::uint8_t>> teile) {
  // writev takes at most IOV_MAX parts and may write fewer bytes than asked.
  std::vector<iovec> v;
  for (const auto& t : teile)
    if (!t.empty()) v.push_back({const_cast<std::uint8_t*>(t.data()), t.size()});
  for (std::size_t i = 0; i < v.size() && fehler_ == 0;) {
    const int n = int(std::min<std::size_t>(v.size() - i, IOV_MAX));
    ssize_t w = ::writev(fd_, v.data() + i, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) {
      fehler_ = w < 0 ? errno : EIO;
      return;
    }
    for (auto rest = std::size_t(w); rest > 0 && i < v.size();) {
      const std::size_t teil = std::min(rest, v[i].iov_len);
      v[i].iov_base = static_cast<std::uint8_t*>(v[i].iov_base) + teil;
      v[i].iov_len -= teil;
      rest -= teil;
      if (v[i].iov_len == 0) ++i;
    }
  }
}

int DateiInTeilen::Fertig() {
  if (fehler_ == -1) return EINVAL;  // already done
  if (fehler_ == 0 && ::fsync(fd_) != 0) fehler_ = errno;
  // Renamed while its lock is held: no cleaner takes it on the way. The
  // data are on disk, so closing has nothing left to report.
  if (fehler_ == 0) fehler_ = Umbenennen(temp_, path_);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (fehler_ != 0) return fehler_;
  fehler_ = -1;  // the temporary is the file now
  RemoveStaleTemps(path_);
  // The new name itself is on disk before anyone is told.
  return SyncOrdner(OrdnerVon(path_));
}

bool WriteFileAtomic(const std::string& path, const Bytes& content, int* err) {
  DateiInTeilen datei(path);
  datei.Anhaengen(content.data(), content.size());
  const int e = datei.Fertig();
  if (e != 0 && err) *err = e;
  return e == 0;
}

namespace {

bool Unsupported(int e) { return e == EINVAL || e == ENOSYS || e == EOPNOTSUPP || e == EPERM; }

// Gives the finished temporary file the name `path` unless that name was
// taken meanwhile (EEXIST). 0 or the errno; ENOTSUP when the file system
// can do neither a no-replace rename nor a hard link.
int PublishNoReplace(const std::string& temp, const std::string& path) {
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (!Unsupported(errno)) return errno;
  // NFS has no such rename; a hard link is just as exclusive.
  if (::link(temp.c_str(), path.c_str()) == 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  return Unsupported(errno) ? ENOTSUP : errno;
}

// Creating in place, for file systems that offer no exclusive rename or link.
bool CreateInPlace(const std::string& path, const Bytes& content, int* err) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNeueDateiModus);
  if (fd < 0) {
    if (errno == EEXIST) return true;
    if (err) *err = errno;
    return false;
  }
  const int e = WriteSyncClose(fd, content);
  if (e == 0) return true;
  // Half a file would pass for a whole one the next time.
  ::unlink(path.c_str());
  if (err) *err = e;
  return false;
}

}  // namespace

bool CreateFileIfMissing(const std::string& path, const Bytes& content, int* err) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) return true;
  // The content is written under another name first: a process killed half
  // way leaves no file under `path` that would pass for a whole one.
  std::string temp;
  int e = SchreibeTemporaer(path, content, temp);
  const bool ok = e == 0;
  if (ok) e = PublishNoReplace(temp, path);
  if (ok && e == 0) return true;
  if (ok) ::unlink(temp.c_str());
  if (ok && e == EEXIST) return true;  // created by someone else meanwhile
  if (ok && e == ENOTSUP) return CreateInPlace(path, content, err);
  if (err) *err = e;
  return false;
}

bool RemoveFileIfPresent(const std::string& path, int* err) {
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
  if (err) *err = errno;
  return false;
}

DateiSperre::DateiSperre(const std::string& path, int warteMs) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kNeueDateiModus);
  if (fd < 0) {
    err_ = errno;
    return;
  }
  for (int gewartet = 0;; gewartet += 20) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      fd_ = fd;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || gewartet >= warteMs) break;
    ::usleep(20000);
  }
  err_ = errno;
  ::close(fd);
}

std::string DateiSperre::Lesen() const {
  std::string inhalt;
  if (fd_ < 0) return inhalt;
  char buf[4096];
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd_, buf, sizeof buf, at);
    if (n <= 0) break;
    inhalt.append(buf, std::size_t(n));
    at += n;
  }
  return inhalt;
}

int DateiSperre::Schreiben(const std::string& inhalt) const {
  if (fd_ < 0) return EBADF;
  if (gSperreSchreibenFehler)
    if (const int e = gSperreSchreibenFehler(inhalt); e != 0) return e;
  if (::ftruncate(fd_, 0) != 0 ||
      !WriteAll(fd_, reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size(), 0) ||
      ::fsync(fd_) != 0)
    return errno;
  return 0;
}

int Umbenennen(const std::string& von, const std::string& nach) {
  if (gUmbenennenFehler)
    if (const int e = gUmbenennenFehler(nach); e != 0) return e;
  return ::rename(von.c_str(), nach.c_str()) == 0 ? 0 : errno;
}

DateiSperre::~DateiSperre() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

std::string OrdnerVon(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

int SyncOrdner(const std::string& ordner) {
  if (gOrdnerSyncFehler)
    if (const int e = gOrdnerSyncFehler(ordner); e != 0) return e;
  const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int e = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  // A file system that cannot sync a folder keeps its names by itself.
  if (e == EINVAL || e == ENOTSUP) e = 0;
  return e;
}

std::string IoErrorText(int err) {
  switch (err) {
    case ENOENT:
      return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
      return "Dateizugriff verweigert";
    case EROFS:
      return "Der Datenträger oder Ordner ist schreibgeschützt";
    case ENOSPC:
      return "Nicht genügend Speicherplatz auf dem Datenträger";
    case EDQUOT:
      return "Der zugeteilte Speicherplatz ist aufgebraucht";
    case EFBIG:
      return "Die Datei ist zu groß";
    case ENOTDIR:
      return "Ein Teil des Pfades ist kein Verzeichnis";
    case EISDIR:
      return "Ein Verzeichnis dieses Namens ist vorhanden";
    case EEXIST:
      return "Eine Datei dieses Namens ist bereits vorhanden";
    case EIO:
      return "Ein-/Ausgabefehler beim Zugriff auf den Datenträger";
    case EMFILE:
    case ENFILE:
      return "Zu viele geöffnete Dateien";
    case ENAMETOOLONG:
      return "Der Dateiname ist zu lang";
    case ELOOP:
      return "Zu viele Verknüpfungen im Pfad";
    case EBUSY:
    case ETXTBSY:
      return "Die Datei ist belegt";
    case EWOULDBLOCK:
      return "Die Datei wird gerade von einem anderen Programm verwendet";
    case ESTALE:
    case ENOTCONN:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
      return "Die Verbindung zum Netzlaufwerk ist unterbrochen";
    case EXDEV:
      return "Die Datei liegt auf einem anderen Laufwerk";
    case ENOMEM:
      return "Nicht genügend Arbeitsspeicher";
    case EINTR:
      return "Der Vorgang wurde unterbrochen";
    case EINVAL:
    case ENOTSUP:
      return "Der Vorgang wird vom Datenträger nicht unterstützt";
    default:
      return "Unbekannter Fehler beim Dateizugriff (Systemfehler " + std::to_string(err) + ")";
  }
}

std::string MitUrsache(const std::string& meldung, const std::string& name, int err) {
  return meldung + "\n\"" + name + "\": " + IoErrorText(err);
}

std::string CreateFailedMessage(const std::string& name, int err) {
  return "Die Datei \"" + name + "\" kann nicht angelegt werden: " + IoErrorText(err);
}

}  // namespace lohn
