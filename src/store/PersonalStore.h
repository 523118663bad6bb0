#pragma once
// The employee store: PersonalRecords in <stem>.<ext> (ext "PER"), kept in
// ascending Personal-Nr order by the insert. Every operation tests the file
// first, reads it in one pass (inserts and deletes: one to decide, one to
// copy) and closes it; inserts and deletes write a new file <stem>.TMP beside
// it and rename it over it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "store/PersonalRecord.h"
#include "store/RecordFile.h"

namespace lohn {

inline constexpr const char* kPersonalExt = "PER";
inline constexpr const char* kPersonalTempExt = "TMP";

// The file-in-use test of the employee store.
bool PersonalFileCanOpen(const std::string& name);

// Silent lookups: false (not found) also when the file cannot be opened.
bool PersonalRecordExists(const std::string& stem, const std::string& ext, std::int32_t persNr);
// The last record with this key, if any.
std::optional<PersonalRecord> ReadPersonalRecord(const std::string& stem, const std::string& ext,
                                                 std::int32_t persNr);
// The same, but a file that cannot be read is reported.
std::optional<PersonalRecord> ReadPersonalRecord(platform::Dialogs& dlg, const std::string& stem,
                                                 const std::string& ext, std::int32_t persNr);
// The same record's image as it stands in the file.
std::optional<std::vector<std::uint8_t>> ReadPersonalImage(platform::Dialogs& dlg,
                                                           const std::string& stem,
                                                           const std::string& ext,
                                                           std::int32_t persNr);
// True when a record with this key has ArbeiterCheckBoxNeu set.
bool PersonalIsArbeiter(const std::string& stem, std::int32_t persNr);

// As PersonalRecordExists, but a file that cannot be opened is reported.
bool PersonalNrExists(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                      std::int32_t persNr);

// Highest Personal-Nr plus 1 (1 for an empty file); nothing, after a message,
// when the file cannot be opened or no higher number exists.
std::optional<std::int32_t> NextPersonalNr(platform::Dialogs& dlg, const std::string& stem,
                                           const std::string& ext);

// The numbers that the navigation steps to, around `current`; keys below 1
// are no employees and are skipped.
struct PersonalNrNachbarn {
  struct Nachbar {
    std::int32_t nr = 0;
    std::size_t stelle = 0;  // the place of the number's last record in the file
  };
  std::optional<Nachbar> erste;      // smallest number
  std::optional<Nachbar> letzte;     // highest number
  std::optional<Nachbar> vorherige;  // largest number below `current`
  std::optional<Nachbar> naechste;   // smallest number above `current`
};
// All four in one pass of the file; none, after one message, when it cannot
// be opened or read.
std::optional<PersonalNrNachbarn> FindPersonalNrNachbarn(platform::Dialogs& dlg,
                                                         const std::string& stem,
                                                         const std::string& ext,
                                                         std::int64_t current);

// The neighbour's record image, read from its place; when the file has
// changed there meanwhile, as ReadPersonalImage finds it.
std::optional<std::vector<std::uint8_t>> ReadPersonalNachbar(platform::Dialogs& dlg,
                                                             const std::string& stem,
                                                             const std::string& ext,
                                                             const PersonalNrNachbarn::Nachbar& n);

// Overwrites the last record with the record's key in place. Without such a
// record nothing is written and the user is told. True when written.
bool ReplacePersonalRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                           const PersonalRecord& record);

// Inserts behind the last record with a smaller key. Key 0 is refused with a
// message, an existing key silently. With showMessage, "Datensatz wurde
// hinzugefügt!" after a successful insert. True when inserted.
bool InsertPersonalRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                          const PersonalRecord& record, bool showMessage);

// With update: replace when the key exists, else insert; without: insert.
// Inserts here always confirm with "Datensatz wurde hinzugefügt!". With
// `vorher` (update only), a record that another program changed since it was
// read is written only after its question (OverwriteMatch).
bool SavePersonalRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                        const PersonalRecord& record, bool update, const Vorher* vorher = nullptr);

// Counts the records with the key and, with doDelete, removes all of them.
DeleteResult DeletePersonalRecord(platform::Dialogs& dlg, const std::string& stem,
                                  const std::string& ext, std::int32_t persNr, bool showMessage,
                                  bool doDelete);

// Every record in file order (ascending Personal-Nr), in one pass. False when
// the file cannot be opened or read; nothing is reported.
bool ScanPersonalRecords(const std::string& stem, const std::string& ext,
                         const std::function<void(const PersonalRecord&)>& visit);
// The same pass over the record images, for a caller that needs a few
// fields only (PersonalNrOf, PersonalFamNameOf) and so unpacks nothing.
bool ScanPersonalImages(const std::string& stem, const std::string& ext,
                        const std::function<void(const std::uint8_t*)>& visit);
// Every Personal-Nr once, by its last record (the one the lookups find), at
// that record's place in the file: how the reports and filings count an
// employee stored twice. Two passes, the first reading only the numbers.
bool ScanLetztePersonalImages(const std::string& stem, const std::string& ext,
                              const std::function<void(const std::uint8_t*)>& visit);

}  // namespace lohn
