#include "store/PersonalStore.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <unordered_set>
#include <vector>

#include "store/RecordFile.h"

namespace lohn {

namespace {

RecordFile PerFile(const std::string& stem, const std::string& ext) {
  return RecordFile(DataFileName(stem, ext), kPersonalRecordSize);
}

RecordFile::Match KeyIs(std::int32_t persNr) {
  return [persNr](const std::uint8_t* rec) { return PersonalNrOf(rec) == persNr; };
}

}  // namespace

bool PersonalFileCanOpen(const std::string& name) { return FileCanOpen(name); }

bool PersonalRecordExists(const std::string& stem, const std::string& ext, std::int32_t persNr) {
  return ReadPersonalRecord(stem, ext, persNr).has_value();
}

std::optional<PersonalRecord> ReadPersonalRecord(const std::string& stem, const std::string& ext,
                                                 std::int32_t persNr) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanRead(file.path())) return std::nullopt;
  auto found = file.FindLast(KeyIs(persNr));
  if (!found) return std::nullopt;
  return PersonalRecord::unpack(found->bytes.data());
}

bool PersonalIsArbeiter(const std::string& stem, std::int32_t persNr) {
  auto rec = ReadPersonalRecord(stem, kPersonalExt, persNr);
  return rec && rec->ArbeiterCheckBoxNeu;
}

std::optional<PersonalRecord> ReadPersonalRecord(platform::Dialogs& dlg, const std::string& stem,
                                                 const std::string& ext, std::int32_t persNr) {
  auto bild = ReadPersonalImage(dlg, stem, ext, persNr);
  if (!bild) return std::nullopt;
  return PersonalRecord::unpack(bild->data());
}

std::optional<std::vector<std::uint8_t>> ReadPersonalImage(platform::Dialogs& dlg,
                                                           const std::string& stem,
                                                           const std::string& ext,
                                                           std::int32_t persNr) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanRead(file.path())) {
    dlg.ShowMessage(FileInUseMessage(file.path()));
    return std::nullopt;
  }
  auto found = file.FindLast(KeyIs(persNr));
  if (!found) return std::nullopt;
  return std::move(found->bytes);
}

bool PersonalNrExists(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                      std::int32_t persNr) {
  return ReadPersonalImage(dlg, stem, ext, persNr).has_value();
}

std::optional<std::int32_t> NextPersonalNr(platform::Dialogs& dlg, const std::string& stem,
                                           const std::string& ext) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanRead(file.path())) {
    dlg.ShowMessage(FileInUseMessage(file.path()));
    return std::nullopt;
  }
  std::int32_t highest = 0;
  int err = 0;
  if (!file.Scan([&](std::size_t,
                     const std::uint8_t* rec) { highest = std::max(highest, PersonalNrOf(rec)); },
                 &err)) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    return std::nullopt;
  }
  if (highest == std::numeric_limits<std::int32_t>::max()) {
    dlg.ShowMessage("Es ist keine höhere Personal-Nr als " + std::to_string(highest) + " möglich!");
    return std::nullopt;
  }
  return highest + 1;
}

std::optional<PersonalNrNachbarn> FindPersonalNrNachbarn(platform::Dialogs& dlg,
                                                         const std::string& stem,
                                                         const std::string& ext,
                                                         std::int64_t current) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanRead(file.path())) {
    dlg.ShowMessage(FileInUseMessage(file.path()));
    return std::nullopt;
  }
  PersonalNrNachbarn n;
  using Nachbar = PersonalNrNachbarn::Nachbar;
  // A later record of the number found moves its place there.
  auto kleinste = [](std::optional<Nachbar>& v, std::int32_t nr, std::size_t i) {
    if (!v || nr <= v->nr) v = Nachbar{nr, i};
  };
  auto groesste = [](std::optional<Nachbar>& v, std::int32_t nr, std::size_t i) {
    if (!v || nr >= v->nr) v = Nachbar{nr, i};
  };
  int err = 0;
  bool ok = file.Scan(
      [&](std::size_t i, const std::uint8_t* rec) {
        const std::int32_t nr = PersonalNrOf(rec);
        if (nr < 1) return;
        kleinste(n.erste, nr, i);
        groesste(n.letzte, nr, i);
        if (nr < current) groesste(n.vorherige, nr, i);
        if (nr > current) kleinste(n.naechste, nr, i);
      },
      &err);
  if (!ok) {
    dlg.ShowMessage(ReadFailedMessage(file.path(), err));
    return std::nullopt;
  }
  return n;
}

std::optional<std::vector<std::uint8_t>> ReadPersonalNachbar(platform::Dialogs& dlg,
                                                             const std::string& stem,
                                                             const std::string& ext,
                                                             const PersonalNrNachbarn::Nachbar& n) {
  auto bild = PerFile(stem, ext).ReadAt(n.stelle);
  if (bild && PersonalNrOf(bild->data()) == n.nr) return bild;
  return ReadPersonalImage(dlg, stem, ext, n.nr);
}

bool ReplacePersonalRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                           const PersonalRecord& record) {
  RecordFile file = PerFile(stem, ext);
  PersonalBytes bytes = record.pack();
  Overwritten done = OverwriteMatch(dlg, file, KeyIs(record.PersNrEdit), bytes.data());
  if (done == Overwritten::kNoMatch)
    dlg.ShowMessage("Kein Dienstnehmer mit der Personal-Nr " + std::to_string(record.PersNrEdit) +
                    " vorhanden - es wurde nichts gespeichert!");
  return done == Overwritten::kYes;
}

bool InsertPersonalRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                          const PersonalRecord& record, bool showMessage) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanOpen(file.path())) {
    dlg.ShowMessage(FileInUseMessage(file.path()));
    return false;
  }
  if (record.PersNrEdit == 0) {
    dlg.ShowMessage(
        "Schlüssel mit Wert: 0 kann nicht angelegt werden! Drücken Sie bitte den Button [ Neu ] "
        "bevor Sie Daten eines neuen Dienstnehmers eingeben.");
    return false;
  }
  PersonalBytes bytes = record.pack();
  if (InsertInKeyOrder(dlg, file, DataFileName(stem, kPersonalTempExt), PersonalNrOf,
                       bytes.data()) != Inserted::kYes)
    return false;  // an existing key is refused silently
  if (showMessage) dlg.ShowMessage("Datensatz wurde hinzugefügt!");
  return true;
}

bool SavePersonalRecord(platform::Dialogs& dlg, const std::string& stem, const std::string& ext,
                        const PersonalRecord& record, bool update, const Vorher* vorher) {
  if (update) {
    PersonalBytes bytes = record.pack();
    Overwritten done = OverwriteMatch(dlg, PerFile(stem, ext), KeyIs(record.PersNrEdit),
                                      bytes.data(), Which::kLast, vorher);
    if (done != Overwritten::kNoMatch) return done == Overwritten::kYes;
  }
  return InsertPersonalRecord(dlg, stem, ext, record, true);
}

DeleteResult DeletePersonalRecord(platform::Dialogs& dlg, const std::string& stem,
                                  const std::string& ext, std::int32_t persNr, bool showMessage,
                                  bool doDelete) {
  DeleteResult r = CountAndDelete(dlg, PerFile(stem, ext), DataFileName(stem, kPersonalTempExt),
                                  KeyIs(persNr), doDelete);
  if (r.count == 0 && !r.failed)
    dlg.ShowMessage("Kein Dienstnehmer mit dieser PersonalNr vorhanden!");
  else if (r.deleted && showMessage)
    dlg.ShowMessage("Dienstnehmer wurde gelöscht!");
  return r;
}

bool ScanPersonalRecords(const std::string& stem, const std::string& ext,
                         const std::function<void(const PersonalRecord&)>& visit) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanRead(file.path())) return false;
  PersonalRecord r;  // one for every record: its texts keep their room
  return file.Scan([&](std::size_t, const std::uint8_t* rec) {
    r.unpackFrom(rec);
    visit(r);
  });
}

bool ScanPersonalImages(const std::string& stem, const std::string& ext,
                        const std::function<void(const std::uint8_t*)>& visit) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanRead(file.path())) return false;
  return file.Scan([&](std::size_t, const std::uint8_t* rec) { visit(rec); });
}

bool ScanLetztePersonalImages(const std::string& stem, const std::string& ext,
                              const std::function<void(const std::uint8_t*)>& visit) {
  RecordFile file = PerFile(stem, ext);
  if (!FileCanRead(file.path())) return false;
  // The numbers first: the file is small beside the payrolls, and only
  // they tell which record of a number is its last.
  std::vector<std::int32_t> nummern;
  if (!file.Scan(
          [&](std::size_t, const std::uint8_t* rec) { nummern.push_back(PersonalNrOf(rec)); }))
    return false;
  // Ascending without a repeat (the insert keeps it so): every record
  // counts. Otherwise only the last of each number.
  std::vector<bool> frueher;
  if (std::adjacent_find(nummern.begin(), nummern.end(), std::greater_equal<>()) != nummern.end()) {
    // From the end: a number seen already has a later record.
    std::unordered_set<std::int32_t> gesehen;
    frueher.resize(nummern.size());
    for (std::size_t i = nummern.size(); i-- > 0;) frueher[i] = !gesehen.insert(nummern[i]).second;
  }
  // A record that differs from the first pass (the file changed between
  // them) is left out, so no number is visited twice.
  return file.Scan([&](std::size_t i, const std::uint8_t* rec) {
    if (i >= nummern.size() || PersonalNrOf(rec) != nummern[i] || (!frueher.empty() && frueher[i]))
      return;
    visit(rec);
  });
}

}  // namespace lohn
