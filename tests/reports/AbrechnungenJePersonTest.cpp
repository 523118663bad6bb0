// The one payroll pass of the reports: last record per key, refused rows,
// file order of the records kept.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "reports/AbrechnungenJePerson.h"
#include "support/Fakes.h"

namespace {

using namespace lohn;

// Every report test of this program reads payroll fields a report did not
// choose as marks, so a forgotten field changes the report's output.
const bool kMarken = (gAbrechnungFelderMarkieren = true);

struct Satz {
  int nr, monat, jahr, teil;
  double brutto;
};

TEST(AbrechnungenJePerson, KeepsTheLastRecordPerKeyInFileOrder) {
  testing_support::TempWorkDir dir;
  std::vector<Satz> saetze{
      {2, 3, 2014, 0, 10},     {1, 3, 2014, 0, 20},  {2, 3, 2014, 1, 30},
      {2, 3, 2014, 0, 40},                           // replaces the first record; now after part 1
      {1, 4, 2014, 0, 50},     {1, 3, 2013, 0, 60},  // filtered out by year
      {3, 3, 2014, 0, 70},     {3, 3, 2014, 0, -1},  // refused: key 3 is gone
      {70000, 3, 2014, 0, 80}, {-5, 3, 2014, 0, 90}, {256, 3, 2014, 0, 95},
      {5, 3, 2014, 0, -1},     {5, 3, 2014, 0, 55},  // a refused record replaced
  };
  // An employee with more records than a few years' months.
  for (int i = 0; i < 70; ++i) saetze.push_back({4, 1, 1900 + i, 0, double(i)});
  saetze.push_back({4, 1, 1900, 0, 100});
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
  const AbrechnungFelder brutto(&AbrechnungRecord::BruttoEdit);
  ASSERT_TRUE(AbrechnungenJePerson<double>(
      "F", "ABR", brutto, [](const AbrechnungKey& k) { return k.Jahr == 2014 || k.PersNr == 4; },
      [](const AbrechnungRecord& r) -> std::optional<double> {
        if (r.BruttoEdit < 0) return std::nullopt;
        return r.BruttoEdit;
      },
      zeilen));
  std::map<std::int32_t, std::vector<double>> gelesen;
  std::vector<std::int32_t> reihe;
  for (const auto& [nr, z] : zeilen) {
    gelesen[nr].assign(z.begin(), z.end());
    reihe.push_back(nr);
  }
  EXPECT_EQ(reihe, (std::vector<std::int32_t>{-5, 1, 2, 4, 5, 256, 70000}));
  std::vector<double> vierter;
  for (int i = 1; i < 70; ++i) vierter.push_back(i);
  vierter.push_back(100);
  const std::map<std::int32_t, std::vector<double>> erwartet{
      {1, {20, 50}}, {2, {30, 40}}, {4, vierter}, {-5, {90}},
      {5, {55}},     {256, {95}},   {70000, {80}}};
  EXPECT_EQ(gelesen, erwartet);
  EXPECT_EQ(zeilen[3].size(), 0u);

  // A file read in several runs: the same rows whichever fields are chosen,
  // and a key repeated in a later run replaces the first run's row.
  abr.clear();
  for (int i = 0; i < 5000; ++i) {
    AbrechnungRecord r;
    const int k = i == 4999 ? 0 : i;  // the last repeats the first one's key
    r.PersNrEdit = 1 + k % 700;
    r.MonatComboBox = 1 + k / 700;
    r.JahrComboBox = 2014;
    r.AbrechngComboBox = k % 3 == 0;
    r.BruttoEdit = i;
    auto b = r.pack();
    abr.insert(abr.end(), b.begin(), b.end());
  }
  testing_support::WriteBytes("G.ABR", abr);
  std::vector<std::vector<std::pair<std::int32_t, std::vector<double>>>> ergebnisse;
  for (const AbrechnungFelder& felder : {brutto, AbrechnungFelder::Alle()}) {
    ASSERT_TRUE(AbrechnungenJePerson<double>(
        "G", "ABR", felder, {},
        [](const AbrechnungRecord& r) { return std::optional<double>(r.BruttoEdit); }, zeilen));
    auto& e = ergebnisse.emplace_back();
    for (const auto& [nr, z] : zeilen) e.push_back({nr, {z.begin(), z.end()}});
  }
  EXPECT_EQ(ergebnisse[0], ergebnisse[1]);
  EXPECT_EQ(ergebnisse[0].size(), 700u);
  EXPECT_EQ(zeilen[1].front(), 700);
  EXPECT_EQ(zeilen[1].back(), 4999);
  EXPECT_FALSE(AbrechnungenJePerson<double>(
      "FEHLT", "ABR", brutto, {}, [](const AbrechnungRecord&) { return std::optional<double>(0); },
      zeilen));
  EXPECT_TRUE(zeilen.empty());
}

}  // namespace
