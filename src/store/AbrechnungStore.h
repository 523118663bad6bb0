#pragma once
// The payroll store: AbrechnungRecords in <stem>.<ext> (ext "ABR") in the
// order of appending. Key: Personal-Nr, month, year, Teilabrechnung; with
// several records of one key the last one counts. Appends add one record at
// the end, a replace overwrites one record in place, deletes write a new file
// <stem>.TMA beside the old one and rename it over it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "store/AbrechnungRecord.h"
#include "store/PersonalStore.h"
#include "store/RecordFile.h"

namespace lohn {

inline constexpr const char* kAbrechnungExt = "ABR";
inline constexpr const char* kAbrechnungTempExt = "TMA";

// Silent lookups: false / nothing also when the file cannot be opened.
bool AbrechnungRecordExists(const std::string& stem, const std::string& ext, std::int32_t persNr,
                            std::int32_t teilabrechnung, std::int32_t jahr, std::int32_t monat);
// The last record with this key; with ignoreTeilabrechnung the part payroll
// number is not compared.
std::optional<AbrechnungRecord> ReadAbrechnungRecord(const std::string& stem,
                                                     const std::string& ext, std::int32_t persNr,
                                                     bool ignoreTeilabrechnung,
                                                     std::int32_t teilabrechnung, std::int32_t jahr,
                                                     std::int32_t monat);
// The image of the last record with exactly this key, as it stands in the
// file.
std::optional<std::vector<std::uint8_t>> ReadAbrechnungImage(const std::string& stem,
                                                             const std::string& ext,
                                                             const AbrechnungKey& key);

// Overwrites the last record with the record's key in place (one positioned
// write). Without such a record nothing is written and the user is told.
bool ReplaceAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem,
                             const std::string& ext, const AbrechnungRecord& record);
// Adds the record at the end; no key check.
bool AppendAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                            const AbrechnungRecord& record);
// With update: replace when the key exists, else append; without: append.
// With `vorher` (update only), a record that another program changed since it
// was read is written only after its question (OverwriteMatch).
bool SaveAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                          const AbrechnungRecord& record, bool update,
                          const Vorher* vorher = nullptr);

// The same save for a caller that has just read the whole file under the
// lock files .SAB and .SPE and so knows where the key is: `position` is the
// number of the last record with the record's key, none when the file has
// no such record. Replaces that record in place or appends, without another
// pass over the file; a position that no longer holds the key (the file
// changed in between) falls back to the save with update.
bool SaveAbrechnungRecordAt(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                            const AbrechnungRecord& record, std::optional<std::size_t> position);

// Counts the records with the four-part key and, with doDelete, removes them.
DeleteResult DeleteAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem,
                                    const std::string& ext, std::int32_t persNr, bool showMessage,
                                    bool doDelete, std::int32_t teilabrechnung, std::int32_t jahr,
                                    std::int32_t monat);
// The same for every record of the employee; silent when there is none.
DeleteResult DeleteAbrechnungRecordsOfPersonal(platform::Dialogs& dlg, const std::string& stem,
                                               const std::string& ext, std::int32_t persNr,
                                               bool showMessage, bool doDelete);

// Every record in file order, in one pass; `filter` (on the key, read
// without unpacking) skips records cheaply. This is how all records of one
// employee and year are read at once. False when the file cannot be opened
// or read; nothing is reported.
bool ScanAbrechnungRecords(const std::string& stem, const std::string& ext,
                           const std::function<void(const AbrechnungRecord&)>& visit,
                           const std::function<bool(const AbrechnungKey&)>& filter = {});
// The same unpacking only `felder` into one record that every visit sees
// again, beside the record's image; the other fields hold 0 (or, with
// gAbrechnungFelderMarkieren, the marks of AbrechnungRecord::markiereAusser).
bool ScanAbrechnungRecords(
    const std::string& stem, const std::string& ext, const AbrechnungFelder& felder,
    const std::function<void(const AbrechnungRecord&, const std::uint8_t* bild)>& visit,
    const std::function<bool(const AbrechnungKey&)>& filter = {});

// Test seam: the report tests set it, so a report that reads a field it did
// not choose shows a mark instead of a silent 0.
inline bool gAbrechnungFelderMarkieren = false;

}  // namespace lohn
