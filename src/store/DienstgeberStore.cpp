#include "store/DienstgeberStore.h"

#include "store/FileUtil.h"
#include "store/RecordFile.h"

namespace lohn {

namespace {

inline constexpr const char* kNichtVerfuegbar = "Dienstgeber-Daten nicht verfügbar!";

RecordFile AdrFile(const std::string& stem) {
  return RecordFile(DataFileName(stem, kDienstgeberExt), kDienstgeberRecordSize);
}

RecordFile::Match NummerIs(std::int16_t number) {
  return [number](const std::uint8_t* rec) { return DienstgeberNummerOf(rec) == number; };
}

}  // namespace

std::optional<DienstgeberRecord> ReadDienstgeberRecord(const std::string& stem, std::int16_t number,
                                                       int* err) {
  auto bild = ReadDienstgeberImage(stem, number, err);
  if (!bild) return std::nullopt;
  return DienstgeberRecord::unpack(bild->data());
}

std::optional<std::vector<std::uint8_t>> ReadDienstgeberImage(const std::string& stem,
                                                              std::int16_t number, int* err) {
  if (err) *err = 0;
  RecordFile file = AdrFile(stem);
  if (!FileExists(file.path())) return std::nullopt;
  auto found = file.FindFirst(NummerIs(number), err);
  if (!found) return std::nullopt;
  return std::move(found->bytes);
}

bool DienstgeberRecordExists(const std::string& stem, std::int16_t number) {
  return ReadDienstgeberRecord(stem, number).has_value();
}

bool ReplaceDienstgeberRecord(platform::Dialogs& dlg, const std::string& stem,
                              const DienstgeberRecord& record) {
  RecordFile file = AdrFile(stem);
  if (!FileExists(file.path())) {
    dlg.ShowMessage(kNichtVerfuegbar);
    return false;
  }
  DienstgeberBytes bytes = record.pack();
  Overwritten done =
      OverwriteMatch(dlg, file, NummerIs(record.Nummer), bytes.data(), Which::kFirst);
  if (done == Overwritten::kNoMatch)
    dlg.ShowMessage("Keine Adresse mit Nummer: " + std::to_string(record.Nummer) +
                    " vorhanden - es wurde nichts gespeichert!");
  return done == Overwritten::kYes;
}

bool InsertDienstgeberRecord(platform::Dialogs& dlg, const std::string& stem,
                             const DienstgeberRecord& record) {
  RecordFile file = AdrFile(stem);
  if (!FileExists(file.path())) {
    dlg.ShowMessage(kNichtVerfuegbar);
    return false;
  }
  if (record.Nummer == 0) {
    dlg.ShowMessage("Adresse mit Nummer: 0 kann nicht angelegt werden!");
    return false;
  }
  DienstgeberBytes bytes = record.pack();
  // An existing number is refused silently.
  return InsertInKeyOrder(dlg, file, DataFileName(stem, kDienstgeberTempExt), DienstgeberNummerOf,
                          bytes.data()) == Inserted::kYes;
}

void LoadDienstgeberDaten(AppState& state) {
  int err = 0;
  auto own = ReadDienstgeberRecord(state.DataFileStem, kDienstgeberEigeneNummer, &err);
  if (err)
    state.dialogs().ShowMessage(
        ReadFailedMessage(DataFileName(state.DataFileStem, kDienstgeberExt), err));
  state.CurrentDienstgeber = own.value_or(DienstgeberDefaults());
  state.Dienstgeber = DienstgeberGlobalsFrom(state.CurrentDienstgeber);
}

}  // namespace lohn
