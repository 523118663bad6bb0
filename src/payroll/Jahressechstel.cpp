#include "payroll/Jahressechstel.h"

#include <algorithm>
#include <array>
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
  if (m <= 1) {
    out.JahressechstelEdit = AlsFeld(laufend * 2);
    return out;
  }
  // The last record of each month and part payroll, from one pass.
  std::array<std::array<const AbrechnungRecord*, 2>, 13> letzter{};
  for (const AbrechnungRecord& r : records) {
    if (r.MonatComboBox < 1 || r.MonatComboBox >= m || r.MonatComboBox > 12) continue;
    if (r.AbrechngComboBox != 0 && r.AbrechngComboBox != 1) continue;
    letzter[r.MonatComboBox][r.AbrechngComboBox] = &r;
  }
  int first = m;
  double regular = 0;
  for (int k = std::min(m - 1, 12); k >= 1; --k) {
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

std::optional<Jahressechstel> ReadJahressechstel(const std::string& stem, std::int32_t persNr,
                                                 std::int32_t jahr, const JahressechstelInput& in) {
  std::vector<AbrechnungRecord> records;
  if (in.MonatComboBox > 1 && FileExists(DataFileName(stem, kAbrechnungExt))) {
    const std::int32_t monat = in.MonatComboBox;
    bool ok = ScanAbrechnungRecords(
        stem, kAbrechnungExt, [&](const AbrechnungRecord& r) { records.push_back(r); },
        [&](const AbrechnungKey& k) {
          return k.PersNr == persNr && k.Jahr == jahr && k.Monat < monat;
        });
    if (!ok) return std::nullopt;
  }
  return ComputeJahressechstel(in, records);
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
