#include "store/StandortRecord.h"

#include "store/FileUtil.h"
#include "store/RecordFile.h"

namespace lohn {

namespace {

template <class R, class V>
void Fields(R& r, V&& v) {
  v.i32(0, r.Nummer);
  v.text(66, 50, r.Geschaeftsfuehrer);
  v.text(168, 50, r.Strasse);
  v.i32(220, r.Plz);
  v.text(224, 50, r.Ort);
  v.text(326, 50, r.KommStNr);
  v.text(377, 50, r.AdressZusatz);
  v.text(650, 50, r.GemeindeKz);
  v.i32(1192, r.AnzahlDienstnehmer);
}

}  // namespace

StandortRecord StandortRecord::unpack(const std::uint8_t* bytes) {
  StandortRecord r;
  Fields(r, record_image::Unpacker{bytes});
  return r;
}

std::array<std::uint8_t, kStandortRecordSize> StandortRecord::pack() const {
  std::array<std::uint8_t, kStandortRecordSize> b{};
  Fields(*this, record_image::Packer{b.data()});
  return b;
}

std::optional<StandortRecord> ReadStandortRecord(const std::string& stem, const std::string& ext,
                                                 std::int32_t number) {
  RecordFile file(DataFileName(stem, ext), kStandortRecordSize);
  if (!FileExists(file.path())) return std::nullopt;
  auto found =
      file.FindLast([number](const std::uint8_t* rec) { return GetInt32(rec, 0) == number; });
  if (!found) return std::nullopt;
  return StandortRecord::unpack(found->bytes.data());
}

std::map<std::int32_t, StandortRecord> ReadAllStandortRecords(const std::string& stem,
                                                              const std::string& ext) {
  std::map<std::int32_t, StandortRecord> alle;
  RecordFile file(DataFileName(stem, ext), kStandortRecordSize);
  if (!FileExists(file.path())) return alle;
  const bool ok = file.Scan([&](std::size_t, const std::uint8_t* rec) {
    StandortRecord r = StandortRecord::unpack(rec);
    alle.insert_or_assign(r.Nummer, std::move(r));
  });
  if (!ok) alle.clear();
  return alle;
}

}  // namespace lohn
