// The one payroll pass of the reports: last record per key, refused rows,
// file order of the records kept.
#include <gtest/gtest.h>

#include "reports/AbrechnungenJePerson.h"
#include "support/Fakes.h"

namespace {

using namespace lohn;

struct Satz {
  int nr, monat, jahr, teil;
  double brutto;
};

TEST(AbrechnungenJePerson, KeepsTheLastRecordPerKeyInFileOrder) {
  testing_support::TempWorkDir dir;
  const std::vector<Satz> saetze{
      {2, 3, 2014, 0, 10}, {1, 3, 2014, 0, 20},
      {2, 3, 2014, 1, 30}, {2, 3, 2014, 0, 40},  // replaces the first record; now after part 1
      {1, 4, 2014, 0, 50}, {1, 3, 2013, 0, 60},  // filtered out by year
      {3, 3, 2014, 0, 70}, {3, 3, 2014, 0, -1},  // refused: key 3 is gone
  };
  std::vector<std::uint8_t> abr;
  for (const Satz& s : saetze) {
    AbrechnungRecord r;
    r.PersNrEdit = s.nr;
    r.MonatComboBox = s.monat;
    r.JahrComboBox = s.jahr;
    r.AbrechngComboBox = s.teil;
    r.BruttoEdit = s.brutto;
    auto b = r.pack();
    abr.insert(abr.end(), b.begin(), b.end());
  }
  testing_support::WriteBytes("F.ABR", abr);
  ZeilenJePerson<double> zeilen;
  ASSERT_TRUE(AbrechnungenJePerson<double>(
      "F", "ABR", [](const AbrechnungKey& k) { return k.Jahr == 2014; },
      [](const AbrechnungRecord& r) -> std::optional<double> {
        if (r.BruttoEdit < 0) return std::nullopt;
        return r.BruttoEdit;
      },
      zeilen));
  const ZeilenJePerson<double> erwartet{{1, {20, 50}}, {2, {30, 40}}};
  EXPECT_EQ(zeilen, erwartet);
  EXPECT_FALSE(AbrechnungenJePerson<double>(
      "FEHLT", "ABR", {}, [](const AbrechnungRecord&) { return std::optional<double>(0); },
      zeilen));
  EXPECT_TRUE(zeilen.empty());
}

}  // namespace
