#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "payroll/Jahressechstel.h"
#include "store/AbrechnungStore.h"
#include "store/Numbers.h"
#include "store/RecordFile.h"
#include "support/Fakes.h"

namespace {

using lohn::AbrechnungRecord;

AbrechnungRecord Rec(int monat, double brutto, int teil = 0, int persNr = 7, int jahr = 2014) {
  AbrechnungRecord r;
  r.PersNrEdit = persNr;
  r.MonatComboBox = monat;
  r.JahrComboBox = jahr;
  r.AbrechngComboBox = teil;
  r.BruttoEdit = brutto;
  return r;
}

// A new employer's payroll file holding the records in this order.
void Store(const std::vector<AbrechnungRecord>& records) {
  testing_support::WriteBytes("FIRMA.ABR", {});
  testing_support::FakeDialogs dlg;
  for (const AbrechnungRecord& r : records)
    ASSERT_TRUE(lohn::AppendAbrechnungRecord(dlg, "FIRMA", lohn::kAbrechnungExt, r));
}

double General(const char* text) { return lohn::StrToFloat(text); }

// The sixth as the calculation gets it: the earlier records from one pass
// over FIRMA.ABR for employee 7 in 2014, then the computation.
std::optional<lohn::Jahressechstel> Lese(std::int32_t monat, double gehalt, double sz) {
  auto jahr = lohn::LeseJahresAbrechnungen("FIRMA", {7, monat, 2014, 0});
  if (!jahr) return std::nullopt;
  return lohn::ComputeJahressechstel({monat, gehalt, sz}, jahr->frueher);
}

TEST(Jahressechstel, ExtrapolatesFromTheMonthsPaidSoFar) {
  AbrechnungRecord mitSachbezug = Rec(1, 2500);
  mitSachbezug.SachbezuegeAbreEdit = 500;
  AbrechnungRecord spaeterGespeichert = Rec(2, 1000);
  struct Case {
    const char* what;
    int monat;
    std::vector<AbrechnungRecord> records;
    double sechstel;
  };
  const Case cases[] = {
      {"January", 1, {}, 6000},
      {"January ignores stored records", 1, {Rec(1, 9000)}, 6000},
      {"March after January and February", 3, {Rec(1, 3000), Rec(2, 3000)}, 6000},
      {"benefits in kind count", 3, {mitSachbezug, Rec(2, 3000)}, 6000},
      {"March after February only", 3, {Rec(2, 2000)}, 5000},
      {"March without earlier records", 3, {}, 6000},
      {"part payroll in February counts once",
       3,
       {Rec(1, 3000), Rec(2, 3000), Rec(2, 1000, 1)},
       General("6666,66666666667")},
      {"gaps between the months count", 6, {Rec(1, 3000), Rec(4, 3000)}, 3000},
      {"all digits of the general format", 7, {Rec(1, 0)}, General("857,142857142857")},
      {"the current month's own record is not read", 3, {Rec(2, 3000), Rec(3, 9000)}, 6000},
      {"later months are not read", 3, {Rec(2, 3000), Rec(5, 9000)}, 6000},
      {"other employees and years are not read",
       3,
       {Rec(2, 3000), Rec(1, 9000, 0, 8), Rec(1, 9000, 0, 7, 2013)},
       6000},
      {"the later of two records with one key wins", 3, {Rec(2, 9000), spaeterGespeichert}, 4000},
  };
  for (const Case& c : cases) {
    testing_support::TempWorkDir dir;
    Store(c.records);
    auto s = Lese(c.monat, 3000, 0);
    ASSERT_TRUE(s.has_value()) << c.what;
    EXPECT_DOUBLE_EQ(s->JahressechstelEdit, c.sechstel) << c.what;
  }
}

TEST(Jahressechstel, SumsTheEarlierSpecialPayments) {
  AbrechnungRecord jan = Rec(1, 3000);
  jan.SonderzahlungEdit = 1500;
  jan.SZSVfreiEdit = 200;
  jan.LstFreibetragSZ = 620;
  jan.GrundlLstSZ = 700.5;
  AbrechnungRecord febTeil = Rec(2, 500, 1);
  febTeil.SonderzahlungEdit = 100;
  febTeil.GrundlLstSZ = 90;
  AbrechnungRecord febAlt = Rec(2, 3000);
  febAlt.SonderzahlungEdit = 5000;  // replaced by the record appended later
  AbrechnungRecord febNeu = Rec(2, 3000);
  AbrechnungRecord maerz = Rec(3, 3000);  // the month itself
  maerz.SonderzahlungEdit = 3000;

  testing_support::TempWorkDir dir;
  Store({jan, febAlt, febTeil, febNeu, maerz});
  auto s = Lese(3, 3000, 0);
  ASSERT_TRUE(s.has_value());
  EXPECT_DOUBLE_EQ(s->JahressechstelEdit, 9500.0 * 2 / 3);
  EXPECT_DOUBLE_EQ(s->SummeSonderZlgEdit, 1800);
  EXPECT_DOUBLE_EQ(s->SummeSonderzahlungenSV, 1600);
  EXPECT_DOUBLE_EQ(s->SummeLstFreibetrSZEdit, 620);
  EXPECT_DOUBLE_EQ(s->SummeGrundlLstSZ, 790.5);

  // The pure function gives the same over the records handed to it.
  std::vector<AbrechnungRecord> records{jan, febAlt, febTeil, febNeu, maerz};
  auto direkt = lohn::ComputeJahressechstel({3, 3000, 0}, records);
  EXPECT_DOUBLE_EQ(direkt.JahressechstelEdit, s->JahressechstelEdit);
  EXPECT_DOUBLE_EQ(direkt.SummeSonderZlgEdit, s->SummeSonderZlgEdit);
}

TEST(Jahressechstel, APartPayrollCountsTheMainPayrollOfItsMonth) {
  AbrechnungRecord maerz = Rec(3, 3000);
  maerz.SonderzahlungEdit = 2000;
  maerz.LstFreibetragSZ = 620;
  maerz.GrundlLstSZ = 1000;
  AbrechnungRecord maerzTeil = Rec(3, 1000, 1);
  maerzTeil.SonderzahlungEdit = 500;
  struct Case {
    const char* what;
    int monat, teil;
    std::vector<AbrechnungRecord> records;
    double sechstel, summeSZ, freiVerbraucht, grundlLstSZ;
  };
  const Case cases[] = {
      // The part payroll of March after its main payroll: March's pay is
      // both records' pay, its special payment and free amount are used.
      {"part payroll after the main one", 3, 1, {Rec(2, 3000), maerz}, 7000, 2000, 620, 1000},
      {"January's part payroll", 1, 1, {Rec(1, 3000)}, 8000, 0, 0, 0},
      // The main payroll comes first: its part payroll is not counted.
      {"main payroll beside a part payroll", 3, 0, {Rec(2, 3000), maerzTeil}, 4000, 0, 0, 0},
  };
  for (const Case& c : cases) {
    testing_support::TempWorkDir dir;
    Store(c.records);
    auto jahr = lohn::LeseJahresAbrechnungen("FIRMA", {7, c.monat, 2014, c.teil});
    ASSERT_TRUE(jahr) << c.what;
    EXPECT_FALSE(jahr->position) << c.what;
    auto s = lohn::ComputeJahressechstel({c.monat, 1000, 0, c.teil}, jahr->frueher);
    EXPECT_DOUBLE_EQ(s.JahressechstelEdit, c.sechstel) << c.what;
    EXPECT_DOUBLE_EQ(s.SummeSonderZlgEdit, c.summeSZ) << c.what;
    EXPECT_DOUBLE_EQ(s.SummeLstFreibetrSZEdit, c.freiVerbraucht) << c.what;
    EXPECT_DOUBLE_EQ(s.SummeGrundlLstSZ, c.grundlLstSZ) << c.what;
  }
}

TEST(Jahressechstel, MissingFileMeansNoEarlierPayroll) {
  testing_support::TempWorkDir dir;
  auto s = Lese(5, 2000, 100);
  ASSERT_TRUE(s.has_value());
  EXPECT_DOUBLE_EQ(s->JahressechstelEdit, 4200);
  EXPECT_DOUBLE_EQ(s->SummeSonderZlgEdit, 0);
}

// Makes a file unopenable for writing, also for root (immutable flag), and
// undoes it at the end so that the folder can be removed.
class Unoeffenbar {
 public:
  explicit Unoeffenbar(const std::string& path) : path_(path) {
    ::chmod(path.c_str(), 0);
    if (!lohn::FileCanOpen(path)) return;
    int fd = ::open(path.c_str(), O_RDONLY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      immutable_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (fd >= 0) ::close(fd);
  }
  ~Unoeffenbar() {
    if (immutable_) {
      int fd = ::open(path_.c_str(), O_RDONLY);
      int flags = 0;
      if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags &= ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
      }
      if (fd >= 0) ::close(fd);
    }
    ::chmod(path_.c_str(), 0644);
  }

 private:
  std::string path_;
  bool immutable_ = false;
};

TEST(Jahressechstel, FileInUseGivesNoSixthInsteadOfAWrongOne) {
  testing_support::TempWorkDir dir;
  Store({Rec(1, 3000), Rec(2, 3000)});
  Unoeffenbar sperre("FIRMA.ABR");
  if (lohn::FileCanOpen("FIRMA.ABR")) GTEST_SKIP() << "cannot make a file unopenable here";
  EXPECT_FALSE(Lese(3, 3000, 0).has_value());
}

TEST(Jahressechstel, SplitsThisMonthsSpecialPaymentsAgainstTheSixth) {
  struct Case {
    const char* what;
    double sechstel, summe, svFrei, sz;
    double innerhSvFrei, innerh, ueber, summeNeu;
  };
  const Case cases[] = {
      {"all within", 6000, 0, 0, 3000, 0, 3000, 0, 0},
      {"partly over", 6000, 5000, 0, 3000, 0, 1000, 2000, 5000},
      {"sixth used up", 6000, 7000, 0, 3000, 0, 0, 3000, 7000},
      {"SV-free first, liable then", 1200, 0, 500, 1000, 500, 700, 300, 500},
      {"SV-free over the sixth", 500, 0, 800, 1000, 500, 0, 1300, 800},
      {"sixth with all digits", 6000.0 * 2 / 7, 0, 0, 2000, 0, 1714.29, 285.71, 0},
      {"nothing paid", 6000, 100, 0, 0, 0, 0, 0, 100},
  };
  for (const Case& c : cases) {
    auto a = lohn::TeileSonderzahlungen(c.sechstel, c.summe, c.svFrei, c.sz);
    EXPECT_DOUBLE_EQ(a.InnerhSechstelSVfreiEdit, c.innerhSvFrei) << c.what;
    EXPECT_DOUBLE_EQ(a.InnerhSechstelEdit, c.innerh) << c.what;
    EXPECT_DOUBLE_EQ(a.SueberschreitungEdit, c.ueber) << c.what;
    EXPECT_DOUBLE_EQ(a.SummeSonderZlgEdit, c.summeNeu) << c.what;
  }
}

}  // namespace
