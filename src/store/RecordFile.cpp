#include "store/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "store/FileUtil.h"

namespace lohn {

namespace {

// Reads and copies go through one buffer of whole records of about this
// size: large enough to keep a pass at disk speed, small enough that no
// operation's memory grows with the file.
constexpr std::size_t kBufferBytes = std::size_t(4) << 20;
constexpr std::size_t kPageBytes = 4096;

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

// The buffer of a pass: kBufferBytes, aligned to the page so that the kernel
// copies whole pages into whole pages. The last one is kept for the next
// pass: faulting in fresh pages for every pass costs more than reading the
// file from the cache. A pass run inside another pass's visitor gets a
// buffer of its own.
class PassBuffer {
 public:
  PassBuffer() : data_(std::move(spare_)) {
    if (!data_)
      data_.reset(static_cast<std::uint8_t*>(std::aligned_alloc(kPageBytes, kBufferBytes)));
  }
  ~PassBuffer() {
    if (!spare_) spare_ = std::move(data_);
  }
  PassBuffer(const PassBuffer&) = delete;
  PassBuffer& operator=(const PassBuffer&) = delete;
  std::uint8_t* data() const { return data_.get(); }

 private:
  struct Free {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };
  using Ptr = std::unique_ptr<std::uint8_t, Free>;
  Ptr data_;
  static thread_local Ptr spare_;
};

thread_local PassBuffer::Ptr PassBuffer::spare_;

int OpenForPass(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  return fd;
}

// One sequential pass: hands every run of whole records read to `chunk`
// (first record, count) and ignores a cut-off tail. `chunk` returns false to
// stop (keeping its own error); the pass then returns false as well. A failed
// read returns false with its errno in *readErr.
template <class Chunk>
bool ReadPass(int fd, std::size_t recordSize, Chunk&& chunk, int* readErr) {
  PassBuffer buf;
  if (!buf.data() || recordSize > kBufferBytes) {
    *readErr = buf.data() ? EINVAL : ENOMEM;
    return false;
  }
  const std::size_t size = kBufferBytes / recordSize * recordSize;
  std::size_t filled = 0;
  for (;;) {
    ssize_t n = ::read(fd, buf.data() + filled, size - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      *readErr = errno;
      return false;
    }
    if (n == 0) return true;
    filled += std::size_t(n);
    std::size_t whole = filled / recordSize;
    if (whole > 0 && !chunk(buf.data(), whole)) return false;
    std::size_t rest = filled - whole * recordSize;
    if (rest) std::memmove(buf.data(), buf.data() + whole * recordSize, rest);
    filled = rest;
  }
}

}  // namespace

std::string DataFileName(std::string_view stem, std::string_view ext) {
  return std::string(stem) + "." + std::string(ext);
}

namespace {

// Opens the name as a regular file; -1 with errno (EISDIR for anything that
// is not a regular file) otherwise.
int OpenRegular(const std::string& name, int flags) {
  if (name.empty()) {
    errno = ENOENT;
    return -1;
  }
  int fd = ::open(name.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
  ::close(fd);
  errno = EISDIR;
  return -1;
}

bool KeinRecht(int err) { return err == EACCES || err == EPERM || err == EROFS; }

}  // namespace

bool FileCanOpen(const std::string& name) {
  Fd fd(OpenRegular(name, O_RDWR));
  return fd.get() >= 0;
}

bool FileCanRead(const std::string& name) {
  Fd fd(OpenRegular(name, O_RDONLY));
  return fd.get() >= 0;
}

bool FileInUse(const std::string& name) {
  std::error_code ec;
  return std::filesystem::exists(name, ec) && !FileCanRead(name);
}

Dateizugang PruefeDateizugang(const std::string& name) {
  {
    Fd fd(OpenRegular(name, O_RDWR));
    if (fd.get() >= 0) return Dateizugang::kFrei;
    if (!KeinRecht(errno)) return Dateizugang::kInVerwendung;
  }
  Fd fd(OpenRegular(name, O_RDONLY));
  if (fd.get() >= 0) return Dateizugang::kSchreibgeschuetzt;
  return KeinRecht(errno) ? Dateizugang::kKeinZugriff : Dateizugang::kInVerwendung;
}

std::string FileInUseMessage(const std::string& name, const char* inUse) {
  switch (PruefeDateizugang(name)) {
    case Dateizugang::kSchreibgeschuetzt:
      return "Die Datei \"" + name +
             "\" ist schreibgeschützt: Änderungen können nicht gespeichert werden.";
    case Dateizugang::kKeinZugriff:
      return "Auf die Datei \"" + name + "\" besteht kein Zugriff (Zugriff verweigert).";
    case Dateizugang::kFrei:
    case Dateizugang::kInVerwendung:
      break;
  }
  return inUse;
}

bool InzwischenGeaendert(const GelesenesBild& gelesen, const std::uint8_t* jetzt,
                         std::size_t size) {
  if (!gelesen || !jetzt) return gelesen.has_value() != (jetzt != nullptr);
  return gelesen->size() != size || std::memcmp(gelesen->data(), jetzt, size) != 0;
}

std::string FrageInzwischenGeaendert(const std::string& name) {
  return "Die Daten von " + name +
         " wurden inzwischen in einem anderen Programm geändert. Trotzdem speichern?";
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
  Fd fd(OpenForPass(path_));
  if (fd.get() < 0) return SetErr(err, errno);
  std::size_t index = 0;
  int readErr = 0;
  auto chunk = [&](const std::uint8_t* recs, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) visit(index++, recs + i * recordSize_);
    return true;
  };
  if (!ReadPass(fd.get(), recordSize_, chunk, &readErr)) return SetErr(err, readErr);
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
  // Read from the end in runs of whole records: the first match found is
  // the last one, and what lies before it is never read.
  Fd fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
    SetErr(err, errno);
    return std::nullopt;
  }
  // Runs of about 1 MiB: the record looked for mostly lies near the end.
  // The pass buffer holds them, which is there already and is not cleared.
  PassBuffer buf;
  if (!buf.data() || recordSize_ > kBufferBytes) {
    SetErr(err, buf.data() ? EINVAL : ENOMEM);
    return std::nullopt;
  }
  const std::size_t je =
      std::clamp<std::size_t>((std::size_t(1) << 20) / recordSize_, 1, kBufferBytes / recordSize_);
  for (std::size_t ende = std::size_t(st.st_size) / recordSize_; ende > 0;) {
    const std::size_t anfang = ende > je ? ende - je : 0;
    const std::size_t bytes = (ende - anfang) * recordSize_;
    for (std::size_t da = 0; da < bytes;) {
      const ssize_t n =
          ::pread(fd.get(), buf.data() + da, bytes - da, off_t(anfang * recordSize_ + da));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {  // a file cut short meanwhile counts as a failed read
        SetErr(err, n < 0 ? errno : EIO);
        return std::nullopt;
      }
      da += std::size_t(n);
    }
    for (std::size_t i = ende; i-- > anfang;) {
      const std::uint8_t* rec = buf.data() + (i - anfang) * recordSize_;
      if (match(rec)) {
        if (err) *err = 0;
        return Found{i, {rec, rec + recordSize_}};
      }
    }
    ende = anfang;
  }
  if (err) *err = 0;
  return std::nullopt;
}

bool RecordFile::Append(const std::uint8_t* record, int* err) const {
  Fd fd(::open(path_.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.get() < 0) return SetErr(err, errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return SetErr(err, errno);
  off_t oldSize = st.st_size;
  // Behind the last whole record, as a typed file counts its end.
  off_t at = off_t(std::size_t(oldSize) / recordSize_ * recordSize_);
  if (!WriteAll(fd.get(), record, recordSize_, at) || ::fdatasync(fd.get()) != 0) {
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
  if (!WriteAll(fd.get(), record, recordSize_, static_cast<long long>(index * recordSize_)) ||
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

RecordFile::Rewritten RecordFile::RewriteVia(const std::string& tempPath,
                                             const Rewrite& change) const {
  Rewritten result;
  Fd in(OpenForPass(path_));
  if (in.get() < 0) {
    result.readErr = errno;
    return result;
  }
  Fd out(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNeueDateiModus));
  if (out.get() < 0) {
    result.writeErr = errno;
    return result;
  }
  int writeErr = 0;
  auto put = [&](const std::uint8_t* data, std::size_t n) {
    if (WriteAll(out.get(), data, n)) return true;
    writeErr = errno;
    return false;
  };
  // Runs of kept records go out straight from the read buffer; a dropped
  // record or the insert point ends a run.
  std::size_t index = 0;
  bool inserted = change.insert == nullptr;
  auto chunk = [&](const std::uint8_t* recs, std::size_t n) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < n; ++i, ++index) {
      const bool insertHere = !inserted && index == change.insertAt;
      const bool drop = change.drop && change.drop(recs + i * recordSize_);
      if (!insertHere && !drop) continue;
      if (!put(recs + run * recordSize_, (i - run) * recordSize_)) return false;
      run = i;
      if (insertHere) {
        if (!put(change.insert, recordSize_)) return false;
        inserted = true;
      }
      if (drop) {
        ++result.dropped;
        run = i + 1;
      }
    }
    return put(recs + run * recordSize_, (n - run) * recordSize_);
  };
  if (ReadPass(in.get(), recordSize_, chunk, &result.readErr) &&
      (inserted || put(change.insert, recordSize_))) {
    if (::fsync(out.get()) != 0 || !out.Close() || ::rename(tempPath.c_str(), path_.c_str()) != 0)
      writeErr = errno;
  }
  if (result.readErr == 0 && writeErr == 0) return result;
  result.writeErr = result.readErr ? 0 : writeErr;
  ::unlink(tempPath.c_str());
  return result;
}

Overwritten OverwriteMatch(platform::Dialogs& dlg, const RecordFile& file,
                           const RecordFile::Match& match, const std::uint8_t* record, Which which,
                           const Vorher* vorher) {
  if (!FileCanOpen(file.path())) {
    dlg.ShowMessage(FileInUseMessage(file.path()));
    return Overwritten::kFailed;
  }
  int err = 0;
  auto found = which == Which::kFirst ? file.FindFirst(match, &err) : file.FindLast(match, &err);
  if (err) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    return Overwritten::kFailed;
  }
  // The pass that finds the record also tells whether it is still the one
  // the window read.
  if (vorher &&
      InzwischenGeaendert(vorher->bild, found ? found->bytes.data() : nullptr, file.recordSize()) &&
      !vorher->trotzdemSpeichern())
    return Overwritten::kDeclined;
  if (!found) return Overwritten::kNoMatch;
  if (!file.Overwrite(found->index, record, &err)) {
    dlg.ShowMessage(WriteFailedMessage(file.path(), err));
    return Overwritten::kFailed;
  }
  return Overwritten::kYes;
}

namespace {

// RewriteVia with its failure reported through `dlg`.
bool Rewrite(platform::Dialogs& dlg, const RecordFile& file, const std::string& tempPath,
             const RecordFile::Rewrite& change) {
  RecordFile::Rewritten done = file.RewriteVia(tempPath, change);
  if (done.readErr) dlg.ShowMessage(ReadFailedMessage(file.path(), done.readErr));
  if (done.writeErr) dlg.ShowMessage(WriteFailedMessage(file.path(), done.writeErr));
  return done.ok();
}

}  // namespace

Inserted InsertInKeyOrder(platform::Dialogs& dlg, const RecordFile& file,
                          const std::string& tempPath,
                          const std::function<std::int64_t(const std::uint8_t*)>& keyOf,
                          const std::uint8_t* record) {
  const std::int64_t key = keyOf(record);
  bool exists = false;
  std::size_t insertAt = 0;
  int err = 0;
  if (!file.Scan(
          [&](std::size_t i, const std::uint8_t* rec) {
            std::int64_t k = keyOf(rec);
            if (k == key) exists = true;
            if (k < key) insertAt = i + 1;
          },
          &err)) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    return Inserted::kFailed;
  }
  if (exists) return Inserted::kKeyExists;
  RecordFile::Rewrite change;
  change.insert = record;
  change.insertAt = insertAt;
  return Rewrite(dlg, file, tempPath, change) ? Inserted::kYes : Inserted::kFailed;
}

DeleteResult CountAndDelete(platform::Dialogs& dlg, const RecordFile& file,
                            const std::string& tempPath, const RecordFile::Match& match,
                            bool doDelete) {
  DeleteResult result;
  if (!FileCanOpen(file.path())) {
    // A file that is only read-only or closed to this user holds records
    // that are not to be reported as missing.
    if (PruefeDateizugang(file.path()) != Dateizugang::kInVerwendung) {
      dlg.ShowMessage(FileInUseMessage(file.path()));
      result.failed = true;
    }
    return result;
  }
  int err = 0;
  if (!file.Scan([&](std::size_t, const std::uint8_t* rec) { result.count += match(rec) ? 1 : 0; },
                 &err)) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    result.failed = true;
    return result;
  }
  if (result.count == 0 || !doDelete) return result;
  RecordFile::Rewrite change;
  change.drop = match;
  result.failed = !Rewrite(dlg, file, tempPath, change);
  result.deleted = !result.failed;
  return result;
}

}  // namespace lohn
