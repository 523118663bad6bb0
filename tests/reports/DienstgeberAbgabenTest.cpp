// The employer levies: free amount, over-60 exclusion, sites, rounding.
#include <gtest/gtest.h>

#include "reports/DienstgeberAbgaben.h"

namespace {

using namespace lohn;

TEST(DienstgeberAbgaben, MonthBasesFreeAmountAndRounding) {
  struct Fall {
    const char* was;
    std::vector<std::pair<double, bool>> entgelte;  // pay, over 60
    bool mitFreibetrag;
    Abgaben erwartet;
  };
  const AbgabenSaetze saetze{4.5, 0.4, 3.0};
  const std::vector<Fall> faelle{
      // Levies round half a cent up: 16.425, 4.725 and 15.525.
      {"not above the limit", {{1460.00, false}}, true, {365.00, 365.00, 16.43, 1.46, 10.95}},
      {"105.00 after the free amount", {{1200.00, false}}, true, {105, 105, 4.73, 0.42, 3.15}},
      {"345.00 after the free amount", {{1440.00, false}}, true, {345, 345, 15.53, 1.38, 10.35}},
      {"above the limit", {{1460.01, false}}, true, {1460.01, 1460.01, 65.70, 5.84, 43.80}},
      {"below the free amount", {{800.00, false}}, true, {0, 0, 0, 0, 0}},
      {"over 60 adds nothing to DB/DZ",
       {{1000.00, false}, {1000.00, true}},
       true,
       {0, 2000.00, 0, 0, 60.00}},
      {"cost centre: no free amount",
       {{1460.00, false}},
       false,
       {1460.00, 1460.00, 65.70, 5.84, 43.80}},
      {"below a half cent", {{3333.33, false}}, true, {3333.33, 3333.33, 150.00, 13.33, 100.00}},
      {"negative month", {{-200.00, false}}, true, {0, 0, 0, 0, 0}},
  };
  for (const Fall& f : faelle) {
    AbgabenMonat m;
    for (auto [entgelt, alt] : f.entgelte) m.Add(entgelt, alt);
    const Abgaben a = BerechneAbgaben(m, saetze, f.mitFreibetrag);
    EXPECT_DOUBLE_EQ(a.dbDzBasis, f.erwartet.dbDzBasis) << f.was;
    EXPECT_DOUBLE_EQ(a.kommStBasis, f.erwartet.kommStBasis) << f.was;
    EXPECT_DOUBLE_EQ(a.db, f.erwartet.db) << f.was;
    EXPECT_DOUBLE_EQ(a.dz, f.erwartet.dz) << f.was;
    EXPECT_DOUBLE_EQ(a.kommSt, f.erwartet.kommSt) << f.was;
  }
}

TEST(DienstgeberAbgaben, LiablePayAndSiteShare) {
  AbrechnungRecord r;
  r.BruttoEdit = 2000;
  r.SonderzahlungEdit = 1000;
  r.SZSVfreiEdit = 50;
  r.SachbezuegeAbreEdit = 100;
  r.DbDzKommStFreierBetragEdit = 150;
  r.SonstSZEdit = 500;  // not liable
  EXPECT_DOUBLE_EQ(AbgabepflichtigesEntgelt(r), 3000.00);
  // The enterprise decides the free amount, not the site.
  EXPECT_DOUBLE_EQ(StandortKommStBasis(1000.00, 6000.00), 1000.00);
  EXPECT_DOUBLE_EQ(StandortKommStBasis(1000.00, 1000.00), 0.00);
  EXPECT_DOUBLE_EQ(StandortKommStBasis(730.00, 1460.00), 182.50);
  // The Vienna levy: 4.33 weeks x 3 employments x 2.00.
  EXPECT_DOUBLE_EQ(DgaAbgabe(4.33, 3, 0, 2.00), 25.98);
  EXPECT_DOUBLE_EQ(DgaAbgabe(4.33, 3, 1.5, 2.00), 22.98);
  // The levy per week as entered, the product rounded once, half a cent up.
  EXPECT_DOUBLE_EQ(DgaAbgabe(4, 25, 0, 0.725), 72.50);
  EXPECT_DOUBLE_EQ(DgaAbgabe(1, 1, 0, 0.725), 0.73);
  EXPECT_DOUBLE_EQ(Abgabe(100038517.56, 3), 3001155.53);
}

}  // namespace
