#include "store/FileUtil.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "store/Cp1252.h"

namespace lohn {

namespace {

bool WriteAll(int fd, const Bytes& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += std::size_t(n);
  }
  return true;
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

bool WriteFileAtomic(const std::string& path, const Bytes& content, const std::string& tempPath,
                     int* err) {
  auto fail = [&](int fd) {
    int e = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(tempPath.c_str());
    if (err) *err = e;
    return false;
  };
  int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (err) *err = errno;
    return false;
  }
  if (!WriteAll(fd, content) || ::fsync(fd) != 0) return fail(fd);
  if (::close(fd) != 0) return fail(-1);
  if (::rename(tempPath.c_str(), path.c_str()) != 0) return fail(-1);
  return true;
}

bool WriteFileAtomic(const std::string& path, const Bytes& content, int* err) {
  return WriteFileAtomic(path, content, path + ".neu~", err);
}

bool CreateFileIfMissing(const std::string& path, const Bytes& content, int* err) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (errno == EEXIST) return true;
    if (err) *err = errno;
    return false;
  }
  bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
  int e = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    e = errno;
  }
  if (ok) return true;
  // Half a file would pass for a whole one the next time.
  ::unlink(path.c_str());
  if (err) *err = e;
  return false;
}

bool RemoveFileIfPresent(const std::string& path, int* err) {
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
  if (err) *err = errno;
  return false;
}

std::string IoErrorText(int err) {
  switch (err) {
    case ENOENT:
      return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
    case EROFS:
      return "Dateizugriff verweigert";
    case ENOSPC:
      return "Nicht genügend Speicherplatz auf dem Datenträger";
    default:
      return "I/O-Fehler " + std::to_string(err);
  }
}

std::string CreateFailedMessage(const std::string& name, int err) {
  return "Die Datei \"" + name + "\" kann nicht angelegt werden: " + IoErrorText(err);
}

}  // namespace lohn
