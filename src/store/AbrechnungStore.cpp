#include "store/AbrechnungStore.h"

namespace lohn {

namespace {

RecordFile AbrFile(const std::string& stem, const std::string& ext) {
  return RecordFile(DataFileName(stem, ext), kAbrechnungRecordSize);
}

std::string TempName(const std::string& stem) { return DataFileName(stem, kAbrechnungTempExt); }

RecordFile::Match KeyIs(const AbrechnungKey& key, bool ignoreTeilabrechnung = false) {
  return [key, ignoreTeilabrechnung](const std::uint8_t* rec) {
    AbrechnungKey k = AbrechnungKeyOf(rec);
    if (ignoreTeilabrechnung) k.Teilabrechnung = key.Teilabrechnung;
    return k == key;
  };
}

RecordFile::Match PersonalIs(std::int32_t persNr) {
  return [persNr](const std::uint8_t* rec) { return AbrechnungKeyOf(rec).PersNr == persNr; };
}

}  // namespace

bool AbrechnungRecordExists(const std::string& stem, const std::string& ext, std::int32_t persNr,
                            std::int32_t teilabrechnung, std::int32_t jahr, std::int32_t monat) {
  RecordFile file = AbrFile(stem, ext);
  if (!FileCanRead(file.path())) return false;
  return file.FindFirst(KeyIs({persNr, monat, jahr, teilabrechnung})).has_value();
}

std::optional<AbrechnungRecord> ReadAbrechnungRecord(const std::string& stem,
                                                     const std::string& ext, std::int32_t persNr,
                                                     bool ignoreTeilabrechnung,
                                                     std::int32_t teilabrechnung, std::int32_t jahr,
                                                     std::int32_t monat) {
  RecordFile file = AbrFile(stem, ext);
  if (!FileCanRead(file.path())) return std::nullopt;
  auto found = file.FindLast(KeyIs({persNr, monat, jahr, teilabrechnung}, ignoreTeilabrechnung));
  if (!found) return std::nullopt;
  return AbrechnungRecord::unpack(found->bytes.data());
}

std::optional<std::vector<std::uint8_t>> ReadAbrechnungImage(const std::string& stem,
                                                             const std::string& ext,
                                                             const AbrechnungKey& key) {
  RecordFile file = AbrFile(stem, ext);
  if (!FileCanRead(file.path())) return std::nullopt;
  auto found = file.FindLast(KeyIs(key));
  if (!found) return std::nullopt;
  return std::move(found->bytes);
}

bool ReplaceAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem,
                             const std::string& ext, const AbrechnungRecord& record) {
  RecordFile file = AbrFile(stem, ext);
  AbrechnungBytes bytes = record.pack();
  Overwritten done = OverwriteMatch(dlg, file, KeyIs(AbrechnungKeyOf(record)), bytes.data());
  if (done == Overwritten::kNoMatch)
    dlg.ShowMessage(
        "Keine Abrechnung mit diesem Schlüssel vorhanden - es wurde nichts "
        "gespeichert!");
  return done == Overwritten::kYes;
}

bool AppendAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                            const AbrechnungRecord& record) {
  RecordFile file = AbrFile(stem, ext);
  if (!FileCanOpen(file.path())) {
    dlg.ShowMessage(FileInUseMessage(file.path()));
    return false;
  }
  AbrechnungBytes bytes = record.pack();
  int err = 0;
  if (!file.Append(bytes.data(), &err)) {
    dlg.ShowMessage(WriteFailedMessage(file.path(), err));
    return false;
  }
  return true;
}

bool SaveAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                          const AbrechnungRecord& record, bool update, const Vorher* vorher) {
  if (update) {
    AbrechnungBytes bytes = record.pack();
    Overwritten done = OverwriteMatch(dlg, AbrFile(stem, ext), KeyIs(AbrechnungKeyOf(record)),
                                      bytes.data(), Which::kLast, vorher);
    if (done != Overwritten::kNoMatch) return done == Overwritten::kYes;
  }
  return AppendAbrechnungRecord(dlg, stem, ext, record);
}

bool SaveAbrechnungRecordAt(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                            const AbrechnungRecord& record, std::optional<std::size_t> position) {
  if (!position) return AppendAbrechnungRecord(dlg, stem, ext, record);
  RecordFile file = AbrFile(stem, ext);
  if (!FileCanOpen(file.path())) {
    dlg.ShowMessage(FileInUseMessage(file.path()));
    return false;
  }
  auto there = file.ReadAt(*position);
  if (!there || !(AbrechnungKeyOf(there->data()) == AbrechnungKeyOf(record)))
    return SaveAbrechnungRecord(dlg, stem, ext, record, true);
  AbrechnungBytes bytes = record.pack();
  int err = 0;
  if (!file.Overwrite(*position, bytes.data(), &err)) {
    dlg.ShowMessage(WriteFailedMessage(file.path(), err));
    return false;
  }
  return true;
}

DeleteResult DeleteAbrechnungRecord(platform::Dialogs& dlg, const std::string& stem,
                                    const std::string& ext, std::int32_t persNr, bool showMessage,
                                    bool doDelete, std::int32_t teilabrechnung, std::int32_t jahr,
                                    std::int32_t monat) {
  DeleteResult r = CountAndDelete(dlg, AbrFile(stem, ext), TempName(stem),
                                  KeyIs({persNr, monat, jahr, teilabrechnung}), doDelete);
  if (r.count == 0 && !r.failed)
    dlg.ShowMessage("Keine Datensätze mit diesem Schlüssel gefunden!");
  else if (r.deleted && showMessage)
    dlg.ShowMessage("Datensatz(sätze) wurde(n) gelöscht!");
  return r;
}

DeleteResult DeleteAbrechnungRecordsOfPersonal(platform::Dialogs& dlg, const std::string& stem,
                                               const std::string& ext, std::int32_t persNr,
                                               bool showMessage, bool doDelete) {
  DeleteResult r =
      CountAndDelete(dlg, AbrFile(stem, ext), TempName(stem), PersonalIs(persNr), doDelete);
  if (r.deleted && showMessage) dlg.ShowMessage("Abrechnungsdaten wurden gelöscht!");
  return r;
}

bool ScanAbrechnungRecords(const std::string& stem, const std::string& ext,
                           const std::function<void(const AbrechnungRecord&)>& visit,
                           const std::function<bool(const AbrechnungKey&)>& filter) {
  RecordFile file = AbrFile(stem, ext);
  if (!FileCanRead(file.path())) return false;
  return file.Scan([&](std::size_t, const std::uint8_t* rec) {
    if (!filter || filter(AbrechnungKeyOf(rec))) visit(AbrechnungRecord::unpack(rec));
  });
}

bool ScanAbrechnungRecords(
    const std::string& stem, const std::string& ext, const AbrechnungFelder& felder,
    const std::function<void(const AbrechnungRecord&, const std::uint8_t* bild)>& visit,
    const std::function<bool(const AbrechnungKey&)>& filter) {
  RecordFile file = AbrFile(stem, ext);
  if (!FileCanRead(file.path())) return false;
  AbrechnungRecord r;
  if (gAbrechnungFelderMarkieren) r.markiereAusser(felder);
  return file.Scan([&](std::size_t, const std::uint8_t* rec) {
    if (filter && !filter(AbrechnungKeyOf(rec))) return;
    r.unpack(rec, felder);
    visit(r, rec);
  });
}

}  // namespace lohn
