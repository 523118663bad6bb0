#include "store/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "store/FileUtil.h"

namespace lohn {

namespace {

// Records per read: large reads keep a scan of a big file at disk speed.
constexpr std::size_t kChunkBytes = std::size_t(1) << 20;

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now and reports a failed close (a delayed write error).
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool SetErr(int* err, int value) {
  if (err) *err = value;
  return false;
}

bool WriteAllAt(int fd, const std::uint8_t* data, std::size_t n, off_t at) {
  std::size_t done = 0;
  while (done < n) {
    ssize_t w = ::pwrite(fd, data + done, n - done, at + off_t(done));
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

}  // namespace

std::string DataFileName(std::string_view stem, std::string_view ext) {
  return std::string(stem) + "." + std::string(ext);
}

bool FileCanOpen(const std::string& name) {
  if (name.empty()) return false;
  Fd fd(::open(name.c_str(), O_RDWR | O_CLOEXEC));
  if (fd.get() < 0) return false;
  struct stat st {};
  return ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileInUse(const std::string& name) {
  std::error_code ec;
  return std::filesystem::exists(name, ec) && !FileCanOpen(name);
}

std::string ReadFailedMessage(const std::string& name, int err) {
  return "Die Datei \"" + name + "\" konnte nicht gelesen werden (" + IoErrorText(err) +
         "). Es wurde nichts geändert.";
}

std::string WriteFailedMessage(const std::string& name, int err) {
  return "Die Datei \"" + name + "\" konnte nicht geschrieben werden (" + IoErrorText(err) +
         "). Die gespeicherten Daten sind unverändert.";
}

RecordFile::RecordFile(std::string path, std::size_t recordSize)
    : path_(std::move(path)), recordSize_(recordSize) {}

bool RecordFile::Scan(const Visitor& visit, int* err) const {
  Fd fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return SetErr(err, errno);
  std::size_t perChunk = std::max<std::size_t>(1, kChunkBytes / recordSize_);
  std::vector<std::uint8_t> buf(perChunk * recordSize_);
  std::size_t filled = 0;
  std::size_t index = 0;
  for (;;) {
    ssize_t n = ::read(fd.get(), buf.data() + filled, buf.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      return SetErr(err, errno);
    }
    if (n == 0) break;
    filled += std::size_t(n);
    std::size_t whole = filled / recordSize_;
    for (std::size_t i = 0; i < whole; ++i) visit(index++, buf.data() + i * recordSize_);
    std::size_t rest = filled - whole * recordSize_;
    if (rest) std::memmove(buf.data(), buf.data() + whole * recordSize_, rest);
    filled = rest;  // a cut-off last record is never visited
  }
  if (err) *err = 0;
  return true;
}

std::optional<RecordFile::Found> RecordFile::FindFirst(const Match& match, int* err) const {
  std::optional<Found> found;
  Scan(
      [&](std::size_t i, const std::uint8_t* rec) {
        if (!found && match(rec)) found = Found{i, {rec, rec + recordSize_}};
      },
      err);
  return found;
}

std::optional<RecordFile::Found> RecordFile::FindLast(const Match& match, int* err) const {
  std::optional<Found> found;
  Scan(
      [&](std::size_t i, const std::uint8_t* rec) {
        if (!match(rec)) return;
        if (!found) found.emplace();
        found->index = i;
        found->bytes.assign(rec, rec + recordSize_);
      },
      err);
  return found;
}

bool RecordFile::Append(const std::uint8_t* record, int* err) const {
  Fd fd(::open(path_.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.get() < 0) return SetErr(err, errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return SetErr(err, errno);
  off_t oldSize = st.st_size;
  // Behind the last whole record, as a typed file counts its end.
  off_t at = off_t(std::size_t(oldSize) / recordSize_ * recordSize_);
  if (!WriteAllAt(fd.get(), record, recordSize_, at) || ::fdatasync(fd.get()) != 0) {
    int e = errno;
    if (::ftruncate(fd.get(), oldSize) != 0) {
      // Nothing more can be done; the caller reports the first error.
    }
    return SetErr(err, e);
  }
  if (!fd.Close()) return SetErr(err, errno);
  return true;
}

bool RecordFile::Overwrite(std::size_t index, const std::uint8_t* record, int* err) const {
  Fd fd(::open(path_.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.get() < 0) return SetErr(err, errno);
  if (!WriteAllAt(fd.get(), record, recordSize_, off_t(index * recordSize_)) ||
      ::fdatasync(fd.get()) != 0)
    return SetErr(err, errno);
  if (!fd.Close()) return SetErr(err, errno);
  return true;
}

std::optional<std::vector<std::uint8_t>> RecordFile::ReadAt(std::size_t index, int* err) const {
  Fd fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    SetErr(err, errno);
    return std::nullopt;
  }
  std::vector<std::uint8_t> rec(recordSize_);
  std::size_t done = 0;
  while (done < recordSize_) {
    ssize_t n =
        ::pread(fd.get(), rec.data() + done, recordSize_ - done, off_t(index * recordSize_ + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      SetErr(err, n < 0 ? errno : 0);
      return std::nullopt;
    }
    done += std::size_t(n);
  }
  if (err) *err = 0;
  return rec;
}

std::optional<std::vector<std::uint8_t>> RecordFile::ReadAll(int* err) const {
  int e = 0;
  auto bytes = ReadWholeFile(path_, &e);
  if (!bytes) {
    SetErr(err, e);
    return std::nullopt;
  }
  bytes->resize(bytes->size() / recordSize_ * recordSize_);  // drop a cut-off tail
  if (err) *err = 0;
  return bytes;
}

bool RecordFile::RewriteVia(const std::string& tempPath, std::vector<std::uint8_t> image,
                            const Rewrite& change, int* err) const {
  std::size_t count = image.size() / recordSize_;
  std::size_t insertAt = std::min(change.insertAt, count);
  if (change.drop) {
    // Compact in place; the inserted record's slot is kept aside.
    std::size_t out = 0;
    std::size_t newInsertAt = 0;
    for (std::size_t i = 0; i < count; ++i) {
      if (i == insertAt) newInsertAt = out;
      const std::uint8_t* rec = image.data() + i * recordSize_;
      if (change.drop(rec)) continue;
      if (out != i) std::memmove(image.data() + out * recordSize_, rec, recordSize_);
      ++out;
    }
    if (insertAt == count) newInsertAt = out;
    image.resize(out * recordSize_);
    insertAt = newInsertAt;
  }
  if (change.insert)
    image.insert(image.begin() + std::ptrdiff_t(insertAt * recordSize_), change.insert,
                 change.insert + recordSize_);
  return WriteFileAtomic(path_, image, tempPath, err);
}

Overwritten OverwriteMatch(platform::Dialogs& dlg, const RecordFile& file,
                           const RecordFile::Match& match, const std::uint8_t* record,
                           Which which) {
  if (!FileCanOpen(file.path())) {
    dlg.ShowMessage(kFileInUseMessage);
    return Overwritten::kFailed;
  }
  int err = 0;
  auto found = which == Which::kFirst ? file.FindFirst(match, &err) : file.FindLast(match, &err);
  if (err) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    return Overwritten::kFailed;
  }
  if (!found) return Overwritten::kNoMatch;
  if (!file.Overwrite(found->index, record, &err)) {
    dlg.ShowMessage(WriteFailedMessage(file.path(), err));
    return Overwritten::kFailed;
  }
  return Overwritten::kYes;
}

Inserted InsertInKeyOrder(platform::Dialogs& dlg, const RecordFile& file,
                          const std::string& tempPath,
                          const std::function<std::int64_t(const std::uint8_t*)>& keyOf,
                          const std::uint8_t* record) {
  int err = 0;
  auto image = file.ReadAll(&err);
  if (!image) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    return Inserted::kFailed;
  }
  const std::int64_t key = keyOf(record);
  const std::size_t size = file.recordSize();
  std::size_t insertAt = 0;
  for (std::size_t i = 0; i * size < image->size(); ++i) {
    std::int64_t k = keyOf(image->data() + i * size);
    if (k == key) return Inserted::kKeyExists;
    if (k < key) insertAt = i + 1;
  }
  RecordFile::Rewrite change;
  change.insert = record;
  change.insertAt = insertAt;
  if (!file.RewriteVia(tempPath, std::move(*image), change, &err)) {
    dlg.ShowMessage(WriteFailedMessage(file.path(), err));
    return Inserted::kFailed;
  }
  return Inserted::kYes;
}

DeleteResult CountAndDelete(platform::Dialogs& dlg, const RecordFile& file,
                            const std::string& tempPath, const RecordFile::Match& match,
                            bool doDelete) {
  DeleteResult result;
  if (!FileCanOpen(file.path())) return result;
  int err = 0;
  auto image = file.ReadAll(&err);
  if (!image) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    result.failed = true;
    return result;
  }
  for (std::size_t off = 0; off < image->size(); off += file.recordSize())
    if (match(image->data() + off)) ++result.count;
  if (result.count == 0 || !doDelete) return result;
  RecordFile::Rewrite change;
  change.drop = match;
  if (!file.RewriteVia(tempPath, std::move(*image), change, &err)) {
    dlg.ShowMessage(WriteFailedMessage(file.path(), err));
    result.failed = true;
    return result;
  }
  result.deleted = true;
  return result;
}

}  // namespace lohn
