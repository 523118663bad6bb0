#pragma once
// The annual sixth (Jahressechstel): the amount up to which the year's
// special payments are taxed at the fixed rates, one sixth of the year's
// regular pay extrapolated from the months paid so far; with it the sums of
// the earlier months' special payments, and the split of this month's special
// payments into the part within the sixth and the excess.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "store/AbrechnungRecord.h"

namespace lohn {

struct JahressechstelInput {
  std::int32_t MonatComboBox = 0;
  double BruttoEdit = 0;
  double SachbezuegeAbreEdit = 0;
};

// The three fields are shown in the general number format (all digits, not
// two decimals); the values here are what those texts read back as.
struct Jahressechstel {
  double JahressechstelEdit = 0;
  double SummeLstFreibetrSZEdit = 0;  // tax-free special-payment amount already used
  double SummeSonderZlgEdit = 0;      // earlier special payments, liable and SV-free
  // Working values of the calculation.
  double SummeSonderzahlungenSV = 0;  // earlier liable special payments alone
  double SummeGrundlLstSZ = 0;        // earlier taxable parts within the sixth
};

// Over the employee's payroll records of the year in file order (records of
// other employees or years must not be among them). Only months before the
// current one count, part payrolls 0 and 1 each, and of several records with
// one key the last. The divisor counts the months from the earliest month with
// a record up to the current one, gaps included.
Jahressechstel ComputeJahressechstel(const JahressechstelInput& in,
                                     std::span<const AbrechnungRecord> records);

// Reads the employee's records of the year from <stem>.ABR in one pass and
// computes the sixth. A missing file means no earlier payroll; nothing comes
// back when the file exists but cannot be read (the caller shows
// kFileInUseMessage and does not calculate).
std::optional<Jahressechstel> ReadJahressechstel(const std::string& stem, std::int32_t persNr,
                                                 std::int32_t jahr, const JahressechstelInput& in);

// This month's special payments against the sixth: the SV-free one first,
// then the liable one, each inside as far as the sixth still reaches, the rest
// over it. Fields, rounded as written.
struct SechstelAufteilung {
  double InnerhSechstelSVfreiEdit = 0;
  double InnerhSechstelEdit = 0;
  double SueberschreitungEdit = 0;
  double SummeSonderZlgEdit = 0;  // the earlier sum plus the SV-free payment
};
SechstelAufteilung TeileSonderzahlungen(double JahressechstelEdit, double SummeSonderZlgEdit,
                                        double SZSVfreiEdit, double SonderzahlungEdit);

}  // namespace lohn
