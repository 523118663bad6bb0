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
#include <vector>

#include "store/AbrechnungRecord.h"

namespace lohn {

struct JahressechstelInput {
  std::int32_t MonatComboBox = 0;
  double BruttoEdit = 0;
  double SachbezuegeAbreEdit = 0;
  // The payroll's own part (Teilabrechnung): a main payroll of the month
  // comes before its part payroll and counts for it like an earlier month.
  std::int32_t AbrechngComboBox = 0;
};

// The three values with all the digits of the general number format (15
// significant digits); the window shows them with two decimals, and the
// calculation goes on with these values, not with what the fields show.
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
// one key the last; a part payroll also counts the main payroll of its month. The divisor counts
// the months from the earliest month with a record up to the current one, gaps included.
Jahressechstel ComputeJahressechstel(const JahressechstelInput& in,
                                     std::span<const AbrechnungRecord> records);

// What the calculation and the save need from <stem>.ABR, gathered in one
// pass over the file.
struct JahresAbrechnungen {
  // The employee's records of the year for the months before the key's month,
  // and for a part payroll the main payroll of its month.
  std::vector<AbrechnungRecord> frueher;
  // Record number of the last record with exactly the key (the payroll that
  // a save replaces); none when the month has no stored payroll yet.
  std::optional<std::size_t> position;
  // That record's image, for the save to compare with what the window read.
  std::vector<std::uint8_t> bild;
};
// A missing file holds no payroll. Nothing when the file exists but cannot
// be opened for reading and writing (the save that follows writes it) or
// read; the caller tells the user (FileInUseMessage).
std::optional<JahresAbrechnungen> LeseJahresAbrechnungen(const std::string& stem,
                                                         const AbrechnungKey& key);

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
