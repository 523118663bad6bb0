#pragma once
// The employer store <stem>.ADR (records in number order) and the employer
// globals. The employer's own record is the FIRST record numbered 1: the
// load, the employer data window and the replace all use that one rule.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "store/AppState.h"
#include "store/DienstgeberRecord.h"

namespace lohn {

inline constexpr const char* kDienstgeberExt = "ADR";
inline constexpr const char* kDienstgeberTempExt = "TMD";

// The first record with this number in <stem>.ADR; nothing when there is
// none or the file is missing. *err is set when the file exists but cannot
// be read.
std::optional<DienstgeberRecord> ReadDienstgeberRecord(const std::string& stem, std::int16_t number,
                                                       int* err = nullptr);

// The same record's image as it stands in the file.
std::optional<std::vector<std::uint8_t>> ReadDienstgeberImage(const std::string& stem,
                                                              std::int16_t number,
                                                              int* err = nullptr);

// True when <stem>.ADR holds a record with this number (false when missing).
bool DienstgeberRecordExists(const std::string& stem, std::int16_t number);

// Overwrites the first record with the record's number in place. A missing
// file: "Dienstgeber-Daten nicht verfügbar!"; no record with that number: a
// message and nothing written. True when written.
bool ReplaceDienstgeberRecord(platform::Dialogs& dlg, const std::string& stem,
                              const DienstgeberRecord& record);

// Inserts behind the last record with a smaller number (through <stem>.TMD).
// A missing file: "Dienstgeber-Daten nicht verfügbar!"; number 0: "Adresse
// mit Nummer: 0 kann nicht angelegt werden!"; an existing number is refused
// silently. True when inserted.
bool InsertDienstgeberRecord(platform::Dialogs& dlg, const std::string& stem,
                             const DienstgeberRecord& record);

// Loads record 1 of <DataFileStem>.ADR into state.CurrentDienstgeber and sets
// the employer globals from it. Without a record 1 (a missing file included)
// both are reset to DienstgeberDefaults, so no other employer's data remain.
void LoadDienstgeberDaten(AppState& state);

}  // namespace lohn
