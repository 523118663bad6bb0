#pragma once
// Flat files of fixed-size records without a header, shared by the employee,
// payroll, employer and site stores. Every operation opens the file, reads it
// sequentially (once; an insert or delete once to decide and once to copy)
// through a buffer of a few MB and closes it again; nothing stays open or
// cached, and no operation holds the whole file in memory.
//
// Writes keep the file whole on every failure: an append that fails is cut
// back to the old size, a replace is one positioned write of one whole
// record, and anything that moves records writes a complete new file beside
// the old one and renames it over it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialogs.h"
#include "store/RecordBytes.h"

namespace lohn {

// stem + "." + ext, never cut: a stem and an extension name exactly one file.
std::string DataFileName(std::string_view stem, std::string_view ext);

// The file-in-use test: true when the name is not empty and names a regular
// file that can be opened for reading and writing. A missing file or a folder
// counts as not openable.
bool FileCanOpen(const std::string& name);

// The same test for what only reads: a regular file that can be opened for
// reading. A read-only file or folder is read as usual.
bool FileCanRead(const std::string& name);

// A file that is there but cannot be read: its records are hidden, which
// differs from a file that holds none.
bool FileInUse(const std::string& name);

// The message of every store that finds its file not openable.
inline constexpr const char* kFileInUseMessage = "Datei wird von einer anderen Anwendung verwendet";

// Why a file fails the file-in-use test: it may be read but not written, this
// user may not open it at all, or anything else (missing, a folder, held by
// another program).
enum class Dateizugang { kFrei, kSchreibgeschuetzt, kKeinZugriff, kInVerwendung };
Dateizugang PruefeDateizugang(const std::string& name);

// The message for a file that failed the file-in-use test: a read-only file
// and one without access are named with that cause; every other case gives
// `inUse`, the message of the caller for a file in use.
std::string FileInUseMessage(const std::string& name, const char* inUse = kFileInUseMessage);

// Messages of a read or write that failed after the file-in-use test; the
// data file is unchanged in both cases.
std::string ReadFailedMessage(const std::string& name, int err);
std::string WriteFailedMessage(const std::string& name, int err);

class RecordFile {
 public:
  using Match = std::function<bool(const std::uint8_t* record)>;
  using Visitor = std::function<void(std::size_t index, const std::uint8_t* record)>;

  struct Found {
    std::size_t index = 0;
    std::vector<std::uint8_t> bytes;
  };

  // What a rewrite changes: `insert` (recordSize bytes) goes in front of the
  // old record number `insertAt` (the record count or more puts it at the
  // end), and the old records for which `drop` is true are left out.
  struct Rewrite {
    Match drop;
    const std::uint8_t* insert = nullptr;
    std::size_t insertAt = 0;
  };

  RecordFile(std::string path, std::size_t recordSize);

  const std::string& path() const { return path_; }
  std::size_t recordSize() const { return recordSize_; }

  // One sequential pass over every whole record (a cut-off tail is ignored).
  // False, with errno in *err, when the file cannot be read.
  bool Scan(const Visitor& visit, int* err = nullptr) const;

  // The first record that matches, from one pass, or the last, read from the
  // end backwards. Nothing when there is none; *err is set non-zero when the
  // file could not be read.
  std::optional<Found> FindFirst(const Match& match, int* err = nullptr) const;
  std::optional<Found> FindLast(const Match& match, int* err = nullptr) const;

  // Writes one whole record behind the last whole record; if the write fails
  // the file is cut back to its old size.
  bool Append(const std::uint8_t* record, int* err = nullptr) const;

  // Overwrites record number `index` with one positioned write.
  bool Overwrite(std::size_t index, const std::uint8_t* record, int* err = nullptr) const;

  // Record number `index` with one positioned read; nothing when the file
  // cannot be read (errno in *err) or ends before that record (*err 0).
  std::optional<std::vector<std::uint8_t>> ReadAt(std::size_t index, int* err = nullptr) const;

  // What RewriteVia did: the old records it left out, or the errno of the
  // read or of the write that failed (the file is then unchanged).
  struct Rewritten {
    std::size_t dropped = 0;
    int readErr = 0;
    int writeErr = 0;
    bool ok() const { return readErr == 0 && writeErr == 0; }
  };

  // Copies the file in one pass into `tempPath` with `change` applied, through
  // a buffer of a few MB whatever the file's size, flushes it and renames it
  // over the file. On any failure the file stays byte for byte as it was and
  // the temporary file is removed. A cut-off tail is not copied.
  Rewritten RewriteVia(const std::string& tempPath, const Rewrite& change) const;

 private:
  std::string path_;
  std::size_t recordSize_;
};

// A record as a window read it, so that its save notices what another
// program changed meanwhile: the image as read, none when there was no record.
using GelesenesBild = std::optional<std::vector<std::uint8_t>>;

// What a save compares the record in the file with: the image that the window
// read and the question to ask when the record differs now (true: write
// anyway). Nothing to compare (a null pointer) writes as before.
struct Vorher {
  GelesenesBild bild;
  std::function<bool()> trotzdemSpeichern;
};

// True when the record as it stands now (`jetzt` of `size` bytes, null when
// there is none) is not the one read: other bytes, or it appeared or
// disappeared.
bool InzwischenGeaendert(const GelesenesBild& gelesen, const std::uint8_t* jetzt, std::size_t size);

// The question of a save whose record another program changed meanwhile.
std::string FrageInzwischenGeaendert(const std::string& name);

// Store step shared by the replaces and saves: runs the file-in-use test,
// finds the first or last record that matches in one pass and overwrites it
// in place. A file in use and failed reads or writes are reported through
// `dlg`; a missing match is left to the caller (a save then adds the record).
// With `vorher`, a record that differs from what was read (a missing match
// included) is written only when its question is answered yes; otherwise
// kDeclined and nothing is written.
enum class Overwritten { kYes, kNoMatch, kFailed, kDeclined };
enum class Which { kFirst, kLast };
Overwritten OverwriteMatch(platform::Dialogs& dlg, const RecordFile& file,
                           const RecordFile::Match& match, const std::uint8_t* record,
                           Which which = Which::kLast, const Vorher* vorher = nullptr);

// The inserts of the keyed stores: reads the keys in one pass, refuses a
// record whose key is there already, and inserts behind the last record (in
// file order) with a smaller key, through `tempPath`. Failed reads and writes are
// reported through `dlg`.
enum class Inserted { kYes, kKeyExists, kFailed };
Inserted InsertInKeyOrder(platform::Dialogs& dlg, const RecordFile& file,
                          const std::string& tempPath,
                          const std::function<std::int64_t(const std::uint8_t*)>& keyOf,
                          const std::uint8_t* record);

struct DeleteResult {
  int count = 0;         // records that matched before the delete
  bool deleted = false;  // they were removed
  bool failed = false;   // the file could not be read or rewritten (reported)
};

// The deletes: counts the matching records of a file that passes the
// file-in-use test (0 when it does not; a read-only file or one without
// access is reported and counts as failed) in one pass and, with doDelete and
// a count above 0, copies the other records through `tempPath` in a second. Failed reads and writes
// are reported through `dlg`; the counts' own messages are the caller's.
DeleteResult CountAndDelete(platform::Dialogs& dlg, const RecordFile& file,
                            const std::string& tempPath, const RecordFile::Match& match,
                            bool doDelete);

// Field visitors for record layouts: a layout lists its fields once, as
// calls on a visitor, and packing and unpacking both walk that one list.
namespace record_image {

struct Packer {
  std::uint8_t* rec;
  void i32(std::size_t off, std::int32_t v) { PutInt32(rec, off, v); }
  void i16(std::size_t off, std::int16_t v) { PutInt16(rec, off, v); }
  void real(std::size_t off, double v) { PutReal48(rec, off, v); }
  void flag(std::size_t off, bool v) { PutBool(rec, off, v); }
  void text(std::size_t off, std::size_t cap, const std::string& v) {
    PutShortString(rec, off, cap, v);
  }
};

struct Unpacker {
  const std::uint8_t* rec;
  void i32(std::size_t off, std::int32_t& v) { v = GetInt32(rec, off); }
  void i16(std::size_t off, std::int16_t& v) { v = GetInt16(rec, off); }
  void real(std::size_t off, double& v) { v = GetReal48(rec, off); }
  void flag(std::size_t off, bool& v) { v = GetBool(rec, off); }
  void text(std::size_t off, std::size_t cap, std::string& v) { GetShortString(rec, off, cap, v); }
};

}  // namespace record_image

}  // namespace lohn
