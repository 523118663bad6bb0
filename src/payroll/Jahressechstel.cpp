#include "payroll/Jahressechstel.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "payroll/FormatBetrag.h"
#include "store/AbrechnungStore.h"
#include "store/FileUtil.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"

namespace lohn {

namespace {

// As the general-format field reads it back.
double AlsFeld(double value) { return StrToFloat(FloatToStrGeneral(value)); }

}  // namespace

Jahressechstel ComputeJahressechstel(const JahressechstelInput& in,
                                     std::span<const AbrechnungRecord> records) {
  Jahressechstel out;
  const int m = in.MonatComboBox;
  const double laufend = in.BruttoEdit + in.SachbezuegeAbreEdit;
  if (m < 1) {
    out.JahressechstelEdit = AlsFeld(laufend * 2);
    return out;
  }
  // The last record of each month and part payroll, from one pass. Of the
  // month itself only a main payroll counts, for its part payroll: the two
  // share the month's sixth and its free amount.
  std::array<std::array<const AbrechnungRecord*, 2>, 13> letzter{};
  for (const AbrechnungRecord& r : records) {
    if (r.MonatComboBox < 1 || r.MonatComboBox > m || r.MonatComboBox > 12) continue;
    if (r.AbrechngComboBox != 0 && r.AbrechngComboBox != 1) continue;
    if (r.MonatComboBox == m && r.AbrechngComboBox >= in.AbrechngComboBox) continue;
    letzter[r.MonatComboBox][r.AbrechngComboBox] = &r;
  }
  int first = m;
  double regular = 0;
  for (int k = std::min(m, 12); k >= 1; --k) {
    for (const AbrechnungRecord* r : letzter[k]) {
      if (!r) continue;
      first = k;
      regular += r->BruttoEdit + r->SachbezuegeAbreEdit;
      out.SummeLstFreibetrSZEdit += r->LstFreibetragSZ;
      out.SummeSonderZlgEdit += r->SonderzahlungEdit + r->SZSVfreiEdit;
      out.SummeSonderzahlungenSV += r->SonderzahlungEdit;
      out.SummeGrundlLstSZ += r->GrundlLstSZ;
    }
  }
  regular += laufend;
  out.JahressechstelEdit = AlsFeld(regular * 2 / (m - first + 1));
  out.SummeLstFreibetrSZEdit = AlsFeld(out.SummeLstFreibetrSZEdit);
  out.SummeSonderZlgEdit = AlsFeld(out.SummeSonderZlgEdit);
  return out;
}

std::optional<JahresAbrechnungen> LeseJahresAbrechnungen(const std::string& stem,
                                                         const AbrechnungKey& key) {
  JahresAbrechnungen out;
  const RecordFile file(DataFileName(stem, kAbrechnungExt), kAbrechnungRecordSize);
  // Without the earlier months the sixth would come out wrong.
  std::error_code ec;
  if (!std::filesystem::exists(file.path(), ec)) return out;
  if (!FileCanOpen(file.path())) return std::nullopt;
  const bool ok = file.Scan([&](std::size_t index, const std::uint8_t* rec) {
    const AbrechnungKey k = AbrechnungKeyOf(rec);
    if (k == key) {
      out.position = index;
      out.bild.assign(rec, rec + kAbrechnungRecordSize);
    }
    if (k.PersNr == key.PersNr && k.Jahr == key.Jahr &&
        (k.Monat < key.Monat || (k.Monat == key.Monat && k.Teilabrechnung < key.Teilabrechnung)))
      out.frueher.push_back(AbrechnungRecord::unpack(rec));
  });
  if (!ok) return std::nullopt;
  return out;
}

SechstelAufteilung TeileSonderzahlungen(double JahressechstelEdit, double SummeSonderZlgEdit,
                                        double SZSVfreiEdit, double SonderzahlungEdit) {
  const double s6 = JahressechstelEdit;
  double sum = SummeSonderZlgEdit;
  double innerhSVfrei = 0, innerh = 0, ueber = 0;
  auto restImSechstel = [&] { return sum >= s6 ? 0.0 : s6 - sum; };

  const double F = SZSVfreiEdit;
  if (s6 >= sum + F) {
    innerhSVfrei = F;
  } else if (F > 0) {
    innerhSVfrei = restImSechstel();
    ueber = F - innerhSVfrei;
  }
  sum += F;

  const double Z = SonderzahlungEdit;
  if (s6 >= sum + Z) {
    innerh = Z;
  } else if (Z > 0) {
    innerh = restImSechstel();
    ueber += Z - innerh;
  }
  return {RoundBetrag(innerhSVfrei), RoundBetrag(innerh), RoundBetrag(ueber), RoundBetrag(sum)};
}

}  // namespace lohn
