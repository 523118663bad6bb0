#pragma once
// File access for the data files: whole reads, and rewrites that never leave
// a half-written file behind.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lohn {

using Bytes = std::vector<std::uint8_t>;

// Every file, temporary and lock file the program creates: the user's
// umask decides who else may write it (a second clerk on a shared folder).
inline constexpr unsigned kNeueDateiModus = 0666;

bool FileExists(const std::string& path);

// Writes all n bytes to fd, at offset `at` (pwrite) or, with at < 0, at the
// file position; retries short writes and EINTR. False with errno set.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t n, long long at = -1);

// The whole file, or nothing when it cannot be read (errno kept in *err).
std::optional<Bytes> ReadWholeFile(const std::string& path, int* err = nullptr);

// The text of a small configuration, settings or reference file as UTF-8.
// Files written on Windows hold Windows-1252; a file edited on this desktop
// may be UTF-8 (a byte order mark is dropped), which is kept as it is.
// Nothing when the file can't be read (errno in *err).
std::optional<std::string> ReadTextFileUtf8(const std::string& path, int* err = nullptr);

// Writes the complete new content into a temporary file of its own beside
// the file (SchreibeTemporaer), flushes it and renames it over `path`, and
// flushes the folder, so the new name is on disk when it returns; then
// removes that file's temporaries left over for more than an hour
// ("<path>.<pid>-<serial>~" and the "<path>.neu~" of earlier versions). On any
// failure the old file stays as it was, the temporary file is removed and
// false comes back with errno in *err.
bool WriteFileAtomic(const std::string& path, const Bytes& content, int* err = nullptr);

// A whole-file rewrite handed over in parts, for content too large to hold
// at once: the parts go into a fresh temporary of its own beside the file
// (as WriteFileAtomic's), Fertig() flushes it and renames it over the file.
// The first failure is kept and later parts are dropped; without a
// successful Fertig() the temporary goes and the file stays as it was.
class DateiInTeilen {
 public:
  explicit DateiInTeilen(std::string path);
  ~DateiInTeilen();
  DateiInTeilen(const DateiInTeilen&) = delete;
  DateiInTeilen& operator=(const DateiInTeilen&) = delete;
  void Anhaengen(const std::uint8_t* data, std::size_t n);
  // Several parts at once, in this order (one system call for many).
  void Anhaengen(std::span<const std::span<const std::uint8_t>> teile);
  // 0 when the file now holds every part, else the errno of the first
  // failure. Once only.
  int Fertig();

 private:
  std::string path_, temp_;
  int fd_ = -1;
  int fehler_ = 0;
};

// The content, written and flushed into a fresh temporary of its own beside
// `path` ("<path>.<pid>-<serial>~", created exclusively; named in `temp`):
// 0, or the errno with nothing left behind. A temporary is locked while its
// writer holds it open; with `offen` it stays open (and locked) and the
// caller closes that descriptor once the temporary has served.
int SchreibeTemporaer(const std::string& path, std::span<const std::uint8_t> content,
                      std::string& temp, int* offen = nullptr);

// Whether `name` is a temporary of the file `base` in the same folder
// ("<base>.<pid>-<serial>~", or the "<base>.neu~" of earlier versions).
bool IsTempOf(const std::string& name, const std::string& base);

// Removes the temporaries of `path` older than kTempAlterSekunden: what a
// writer killed half way left behind, never one still being written (its
// writer holds its lock, whatever its time says).
inline constexpr long kTempAlterSekunden = 3600;
void RemoveStaleTemps(const std::string& path);
// Removes the file only when no one holds its lock (taken without waiting):
// true when it is gone.
bool EntferneWennFrei(const std::string& pfad);

// Creates the file with `content` only while the name is free; a file that
// is there (of whatever kind), also one that appears while this runs, is
// never touched and counts as success. The content is written under a
// temporary name and then given the file's name, so the file is there whole
// or not at all. False with errno in *err when it could not be created.
bool CreateFileIfMissing(const std::string& path, const Bytes& content, int* err = nullptr);

// Removes the file if it is there. True when it is gone (also when it never
// was); false with errno in *err when it stays.
bool RemoveFileIfPresent(const std::string& path, int* err = nullptr);

// An exclusive lock between processes, held from construction to
// destruction, on a lock file of its own (created when missing and never
// removed, so that every process locks the same file). The system releases
// it when the process ends, also when it is killed. Waits up to `warteMs`
// for another holder.
class DateiSperre {
 public:
  explicit DateiSperre(const std::string& path, int warteMs = 10000);
  ~DateiSperre();
  DateiSperre(const DateiSperre&) = delete;
  DateiSperre& operator=(const DateiSperre&) = delete;
  bool gehalten() const { return fd_ >= 0; }
  int fehler() const { return err_; }  // errno when not held (EWOULDBLOCK: still held elsewhere)

  // The lock file's content, a journal of the work it guards: what a holder
  // killed half way left there is found by the next one. Write: replaced
  // and flushed, 0 or the errno.
  std::string Lesen() const;
  int Schreiben(const std::string& inhalt) const;

 private:
  int fd_ = -1;
  int err_ = 0;
};
// Tests may set gSperreSchreibenFehler to make writing a lock file fail: an
// errno it gives for the new content is returned instead of writing.
inline std::function<int(const std::string& inhalt)> gSperreSchreibenFehler;

// The folder of a path ("." for a bare name).
std::string OrdnerVon(const std::string& path);
// Flushes a folder, so that the names renamed into it are on disk: 0 or the
// errno (a file system that cannot do it counts as done). Tests may set
// gOrdnerSyncFehler to make it fail with the errno it gives.
int SyncOrdner(const std::string& ordner);
inline std::function<int(const std::string& ordner)> gOrdnerSyncFehler;

// Renames a finished file into place: 0 or the errno. Tests may set
// gUmbenennenFehler to make a rename fail: an errno it gives for the
// target is returned instead of renaming.
int Umbenennen(const std::string& von, const std::string& nach);
inline std::function<int(const std::string& nach)> gUmbenennenFehler;

// The German text the program shows for a failed file operation: every
// cause in words (read-only, access denied, no space, too large, missing,
// a folder, input/output error, too many open files, ...), never a bare number.
std::string IoErrorText(int err);
// A message followed, on a new line, by the file and the system's reason:
// "<meldung>\n"<name>": <IoErrorText>".
std::string MitUrsache(const std::string& meldung, const std::string& name, int err);
// "Die Datei "<name>" kann nicht angelegt werden: <IoErrorText>".
std::string CreateFailedMessage(const std::string& name, int err);

}  // namespace lohn
