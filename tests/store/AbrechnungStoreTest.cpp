#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>

#include "store/AbrechnungStore.h"
#include "support/Fakes.h"

using namespace lohn;
using testing_support::FakeDialogs;
using testing_support::ReadBytes;
using testing_support::TempWorkDir;
using testing_support::WriteBytes;

namespace {

const std::string kStem = "MUSTER";
const std::string kFile = "MUSTER.ABR";

AbrechnungRecord Abr(std::int32_t persNr, std::int32_t monat, std::int32_t teil = 0,
                     double brutto = 0, std::int32_t jahr = 2014) {
  AbrechnungRecord r;
  r.PersNrEdit = persNr;
  r.MonatComboBox = monat;
  r.JahrComboBox = jahr;
  r.AbrechngComboBox = teil;
  r.BruttoEdit = brutto;
  return r;
}

// The (Personal-Nr, month, part, gross) of every record in file order.
std::vector<std::string> Rows() {
  std::vector<std::string> rows;
  ScanAbrechnungRecords(kStem, kAbrechnungExt, [&](const AbrechnungRecord& r) {
    rows.push_back(std::to_string(r.PersNrEdit) + "/" + std::to_string(r.MonatComboBox) + "/" +
                   std::to_string(r.AbrechngComboBox) + "=" + std::to_string(int(r.BruttoEdit)));
  });
  return rows;
}

using Rowlist = std::vector<std::string>;

class AbrechnungStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(kFile, {}); }
  void Append(const AbrechnungRecord& r) {
    ASSERT_TRUE(AppendAbrechnungRecord(dlg, kStem, kAbrechnungExt, r));
  }
  std::optional<AbrechnungRecord> Read(std::int32_t p, std::int32_t m, std::int32_t t,
                                       bool ignoreTeil = false) {
    return ReadAbrechnungRecord(kStem, kAbrechnungExt, p, ignoreTeil, t, 2014, m);
  }
  TempWorkDir dir;
  FakeDialogs dlg;
};

}  // namespace

TEST_F(AbrechnungStoreTest, FourPartKeyAndPartPayrolls) {
  Append(Abr(1, 3, 0, 3000));
  Append(Abr(1, 3, 1, 500));
  Append(Abr(1, 3, 0, 9999, 2013));  // another year
  Append(Abr(2, 3, 0, 2000));
  EXPECT_EQ(ReadBytes(kFile).size(), 4 * kAbrechnungRecordSize);
  EXPECT_EQ(Read(1, 3, 0)->BruttoEdit, 3000);
  EXPECT_EQ(Read(1, 3, 1)->BruttoEdit, 500);
  EXPECT_EQ(Read(1, 3, 7, true)->BruttoEdit, 500);  // ignoring the part: the later one
  EXPECT_FALSE(Read(1, 4, 0));
  EXPECT_FALSE(Read(3, 3, 0));
  EXPECT_TRUE(AbrechnungRecordExists(kStem, kAbrechnungExt, 1, 1, 2014, 3));
  EXPECT_FALSE(AbrechnungRecordExists(kStem, kAbrechnungExt, 1, 2, 2014, 3));
  EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(AbrechnungStoreTest, SaveWithAndWithoutUpdate) {
  for (double brutto : {100.0, 200.0})
    EXPECT_TRUE(SaveAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(1, 5, 0, brutto), true));
  EXPECT_EQ(Rows(), Rowlist{"1/5/0=200"});
  for (double brutto : {300.0, 400.0})
    EXPECT_TRUE(SaveAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(1, 6, 0, brutto), false));
  EXPECT_EQ(Rows(), (Rowlist{"1/5/0=200", "1/6/0=300", "1/6/0=400"}));
  EXPECT_EQ(Read(1, 6, 0)->BruttoEdit, 400);
  EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(AbrechnungStoreTest, ReplaceOverwritesTheLastMatchInPlace) {
  Append(Abr(1, 1, 0, 10));
  Append(Abr(1, 2, 0, 20));
  Append(Abr(1, 1, 0, 11));
  Append(Abr(2, 1, 0, 30));
  auto before = ReadBytes(kFile);
  EXPECT_TRUE(ReplaceAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(1, 1, 0, 99)));
  auto after = ReadBytes(kFile);
  ASSERT_EQ(after.size(), before.size());
  // Only the third record changed.
  const std::size_t n = kAbrechnungRecordSize;
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 2 * n, after.begin()));
  EXPECT_TRUE(std::equal(before.begin() + 3 * n, before.end(), after.begin() + 3 * n));
  EXPECT_EQ(Rows(), (Rowlist{"1/1/0=10", "1/2/0=20", "1/1/0=99", "2/1/0=30"}));

  EXPECT_FALSE(ReplaceAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(1, 12, 0, 5)));
  ASSERT_EQ(dlg.messages.size(), 1u);
  EXPECT_NE(dlg.messages[0].find("nichts gespeichert"), std::string::npos);
  EXPECT_EQ(ReadBytes(kFile), after);
}

TEST_F(AbrechnungStoreTest, DeleteOnePayroll) {
  Append(Abr(1, 3, 0, 1));
  Append(Abr(1, 3, 1, 2));
  Append(Abr(1, 3, 1, 3));
  Append(Abr(2, 3, 1, 4));
  DeleteResult counted =
      DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, 1, true, false, 1, 2014, 3);
  EXPECT_EQ(counted.count, 2);
  EXPECT_EQ(Rows().size(), 4u);
  DeleteResult r = DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, 1, true, true, 1, 2014, 3);
  EXPECT_TRUE(r.deleted);
  EXPECT_EQ(Rows(), (Rowlist{"1/3/0=1", "2/3/1=4"}));
  EXPECT_EQ(dlg.messages, Rowlist{"Datensatz(sätze) wurde(n) gelöscht!"});
  EXPECT_FALSE(std::filesystem::exists("MUSTER.TMA"));

  dlg.messages.clear();
  EXPECT_EQ(DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, 1, true, true, 1, 2014, 3).count, 0);
  EXPECT_EQ(dlg.messages, Rowlist{"Keine Datensätze mit diesem Schlüssel gefunden!"});
}

TEST_F(AbrechnungStoreTest, DeleteAllPayrollsOfAnEmployee) {
  Append(Abr(1, 1, 0, 1));
  Append(Abr(2, 1, 0, 2));
  Append(Abr(1, 2, 1, 3, 2013));
  EXPECT_EQ(DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, 1, true, false).count, 2);
  EXPECT_TRUE(dlg.messages.empty());
  DeleteResult r = DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, 1, true, true);
  EXPECT_EQ(r.count, 2);
  EXPECT_EQ(Rows(), Rowlist{"2/1/0=2"});
  EXPECT_EQ(dlg.messages, Rowlist{"Abrechnungsdaten wurden gelöscht!"});

  // An employee without payrolls: silent, and the file is not even rewritten.
  dlg.messages.clear();
  auto before = std::filesystem::last_write_time(kFile);
  auto bytes = ReadBytes(kFile);
  std::filesystem::last_write_time(kFile, before - std::chrono::hours(1));
  EXPECT_EQ(DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, 9, true, true).count, 0);
  EXPECT_TRUE(dlg.messages.empty());
  EXPECT_EQ(ReadBytes(kFile), bytes);
  EXPECT_EQ(std::filesystem::last_write_time(kFile), before - std::chrono::hours(1));
}

TEST_F(AbrechnungStoreTest, MissingFile) {
  std::filesystem::remove(kFile);
  EXPECT_FALSE(FileCanOpen(kFile));
  EXPECT_FALSE(AbrechnungRecordExists(kStem, kAbrechnungExt, 1, 0, 2014, 1));
  EXPECT_FALSE(Read(1, 1, 0));
  EXPECT_FALSE(AppendAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(1, 1)));
  EXPECT_FALSE(ReplaceAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(1, 1)));
  EXPECT_FALSE(SaveAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(1, 1), true));
  EXPECT_EQ(DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, 1, true, true).count, 0);
  EXPECT_EQ(DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, 1, true, true, 0, 2014, 1).count, 0);
  Rowlist want(3, kFileInUseMessage);
  want.push_back("Keine Datensätze mit diesem Schlüssel gefunden!");
  EXPECT_EQ(dlg.messages, want);
  EXPECT_FALSE(std::filesystem::exists(kFile));  // nothing created it
}

TEST_F(AbrechnungStoreTest, FailedRewriteKeepsTheFile) {
  Append(Abr(1, 1, 0, 1));
  Append(Abr(2, 1, 0, 2));
  auto before = ReadBytes(kFile);
  std::filesystem::create_directory("MUSTER.TMA");
  EXPECT_FALSE(
      DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, 1, true, true, 0, 2014, 1).deleted);
  EXPECT_FALSE(
      DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, 2, true, true).deleted);
  EXPECT_EQ(ReadBytes(kFile), before);
  ASSERT_EQ(dlg.messages.size(), 2u);
  for (const auto& m : dlg.messages)
    EXPECT_NE(m.find("\"MUSTER.ABR\" konnte nicht geschrieben werden"), std::string::npos) << m;
}

TEST_F(AbrechnungStoreTest, FailedAppendIsCutBack) {
  Append(Abr(1, 1, 0, 1));
  auto before = ReadBytes(kFile);
  // A file-size limit lets the write stop half-way through the record.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit lim = old;
  lim.rlim_cur = before.size() + 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lim), 0);
  bool ok = AppendAbrechnungRecord(dlg, kStem, kAbrechnungExt, Abr(2, 1, 0, 2));
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(ReadBytes(kFile), before);
  ASSERT_EQ(dlg.messages.size(), 1u);
  EXPECT_NE(dlg.messages[0].find("unverändert"), std::string::npos);
}

TEST_F(AbrechnungStoreTest, OnePassOverAnEmployeesYear) {
  for (int m = 1; m <= 4; ++m) {
    Append(Abr(1, m, 0, 100 * m));
    Append(Abr(2, m, 0, 1));
  }
  Append(Abr(1, 2, 1, 50));
  Append(Abr(1, 1, 0, 7, 2013));
  std::vector<double> seen;
  ASSERT_TRUE(ScanAbrechnungRecords(
      kStem, kAbrechnungExt, [&](const AbrechnungRecord& r) { seen.push_back(r.BruttoEdit); },
      [](const AbrechnungKey& k) { return k.PersNr == 1 && k.Jahr == 2014 && k.Monat < 4; }));
  EXPECT_EQ(seen, (std::vector<double>{100, 200, 300, 50}));
}

// Selective unpacking against the full one: the chosen fields (and the key)
// as a full unpack gives them, every other field as it was. Images of random
// bytes give every field a value of its own, so a field decoded in the place
// of its neighbour shows.
TEST(AbrechnungFelder, UnpacksOnlyTheChosenFields) {
  std::mt19937 zufall(34);
  AbrechnungBytes bild, anderes;
  for (auto& b : bild) b = std::uint8_t(zufall());
  for (auto& b : anderes) b = std::uint8_t(zufall());
  const AbrechnungRecord voll = AbrechnungRecord::unpack(bild.data());
  const AbrechnungRecord vorher = AbrechnungRecord::unpack(anderes.data());
  using R = AbrechnungRecord;
  struct Fall {
    AbrechnungFelder felder;
    std::function<void(R&, const R&)> kopie;
  };
  const Fall faelle[] = {
      {AbrechnungFelder(), [](R&, const R&) {}},
      {AbrechnungFelder(&R::BruttoEdit), [](R& e, const R& v) { e.BruttoEdit = v.BruttoEdit; }},
      {AbrechnungFelder(&R::GehaltEdit, &R::ExekutionEdit, &R::FamNameEdit, &R::SV_Lohn_TageEdit),
       [](R& e, const R& v) {
         e.GehaltEdit = v.GehaltEdit, e.ExekutionEdit = v.ExekutionEdit;
         e.FamNameEdit = v.FamNameEdit, e.SV_Lohn_TageEdit = v.SV_Lohn_TageEdit;
       }},
      {AbrechnungFelder(&R::Lohnarten, &R::UmlagenGrundlagen, &R::Alleinverdiener),
       [](R& e, const R& v) {
         e.Lohnarten = v.Lohnarten, e.UmlagenGrundlagen = v.UmlagenGrundlagen;
         e.Alleinverdiener = v.Alleinverdiener;
       }},
      {AbrechnungFelder::Alle(), [](R& e, const R& v) { e = v; }},
  };
  for (const Fall& f : faelle) {
    R gelesen = vorher;
    gelesen.unpack(bild.data(), f.felder);
    R erwartet = vorher;
    erwartet.PersNrEdit = voll.PersNrEdit, erwartet.MonatComboBox = voll.MonatComboBox;
    erwartet.JahrComboBox = voll.JahrComboBox, erwartet.AbrechngComboBox = voll.AbrechngComboBox;
    f.kopie(erwartet, voll);
    EXPECT_EQ(gelesen, erwartet);
  }
  R markiert;
  markiert.markiereAusser(AbrechnungFelder(&R::BruttoEdit));
  EXPECT_EQ(markiert.BruttoEdit, 0);
  EXPECT_EQ(markiert.PersNrEdit, 0);
  EXPECT_EQ(markiert.GehaltEdit, 4711.17);
  EXPECT_EQ(markiert.Lohnarten[9], "#?#");
}
