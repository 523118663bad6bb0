// The employee window at 5,000 employees x 12 months (about 146 MB of data):
// refilling the employee list, a calculate-and-save click, deleting one
// payroll and deleting an employee with all his payrolls. Prints each time as
// a ratio to one sequential read of .PER + .ABR (list, click) or to one
// read+write+fsync+rename of .ABR (deletes), and the peak memory of each
// delete, measured in a fresh process that does nothing else.

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "payroll/BerechnenButton.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "store/AbrechnungStore.h"
#include "store/PersonalStore.h"
#include "support/Fakes.h"

using namespace lohn;
using bench::kStem;

namespace {

long MaxRssKb() {
  struct rusage ru {};
  getrusage(RUSAGE_SELF, &ru);
  return ru.ru_maxrss;
}

// The store calls of one delete as the window makes them (count, then
// delete), in this fresh process; prints how far the peak memory rose.
int PeakOfDelete(const std::string& what, std::int32_t nr) {
  testing_support::FakeDialogs dlg;
  const long before = MaxRssKb();
  bool ok;
  if (what == "abrechnung") {
    ok = DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, nr, false, false, 0, 2014, 12).count ==
             1 &&
         DeleteAbrechnungRecord(dlg, kStem, kAbrechnungExt, nr, true, true, 0, 2014, 12).deleted;
  } else {
    ok = DeletePersonalRecord(dlg, kStem, kPersonalExt, nr, false, false).count == 1 &&
         DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, nr, false, false).count ==
             bench::kMonths &&
         DeleteAbrechnungRecordsOfPersonal(dlg, kStem, kAbrechnungExt, nr, true, true).deleted &&
         DeletePersonalRecord(dlg, kStem, kPersonalExt, nr, true, true).deleted;
  }
  std::printf("%ld\n", ok ? MaxRssKb() - before : -1);
  return ok ? 0 : 1;
}

// Runs this program again for PeakOfDelete; KB, or -1.
long PeakInFreshProcess(const char* what, std::int32_t nr) {
  char self[4096] = {};
  if (::readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return -1;
  const std::string cmd = std::string("'") + self + "' --peak " + what + " " + std::to_string(nr);
  std::FILE* p = ::popen(cmd.c_str(), "r");
  long kb = -1;
  if (!p || std::fscanf(p, "%ld", &kb) != 1) kb = -1;
  if (p && ::pclose(p) != 0) kb = -1;
  return kb;
}

bool Line(const char* what, double ms, double base, double target) {
  const double ratio = ms / base;
  const bool ok = ratio <= target;
  std::printf("%-44s %8.2f ms  %5.2f x  (target <= %.1f)  %s\n", what, ms, ratio, target,
              ok ? "ok" : "MISSED");
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak") == 0)
    return PeakOfDelete(argv[2], std::atoi(argv[3]));

  testing_support::TempWorkDir dir;
  bench::WriteEmployer();
  const std::string per = kStem + ".PER", abr = kStem + ".ABR";
  const auto perSize = std::filesystem::file_size(per);
  const auto abrSize = std::filesystem::file_size(abr);

  testing_support::TestEnv env;
  env.state.DataFileStem = kStem;
  PersFormKontext k(env.state);
  PersFormCreate(env.state, k.form);
  auto waehle = [&](std::int32_t nr) {
    k.form.SetText("MonatComboBox", "12");
    k.form.SetText("JahrComboBox", "2014");
    k.form.SetText("AbrechngComboBox", "0");
    SelectPersonal(env.state, k.form, nr);
  };

  const int runs = 7;
  bench::ReadOnce(per);
  bench::ReadOnce(abr);
  waehle(2500);  // his December is stored
  env.dialogs.messages.clear();
  Samples read, list, click;
  bool listOk = true;
  for (int i = 0; i < runs; ++i) {
    read.Time([&] {
      bench::ReadOnce(per);
      bench::ReadOnce(abr);
    });
    list.Time([&] { FillPersonalNrList(env.state, k.form); });
    listOk = listOk && k.form.Items("PersonalNrComboBox").size() == bench::kEmployees + 1;
    // Recalculating the stored month: the overwrite question (answered Yes
    // by the fake), the employee saved, the payroll replaced in place.
    k.form.SetText("GehaltEdit", "2345,6" + std::to_string(i));
    click.Time([&] { BerechnenButonClick(k); });
  }
  const bool clickOk = env.dialogs.messages.empty() && std::filesystem::file_size(abr) == abrSize &&
                       k.form.Text("BruttoEdit") == "2345,66";

  // Each run deletes another employee's December, then another employee.
  env.dialogs.messages.clear();
  Samples rewrite, abrDelete, persDelete;
  for (int i = 0; i < runs; ++i) {
    rewrite.Time([&] { bench::RewriteOnce(abr); });
    waehle(100 + i);
    abrDelete.Time([&] { Button6Click(k); });
    waehle(1000 + i);
    persDelete.Time([&] { Button5Click(env.state, k.form); });
  }
  const bool deletesOk = std::filesystem::file_size(per) == perSize - runs * kPersonalRecordSize &&
                         std::filesystem::file_size(abr) ==
                             abrSize - runs * (1 + bench::kMonths) * kAbrechnungRecordSize;

  const long kbAbr = PeakInFreshProcess("abrechnung", 3000);
  const long kbPers = PeakInFreshProcess("dienstnehmer", 3001);

  std::printf("employees: %d (%.1f MB), payrolls: %d (%.1f MB), median of %d runs\n",
              bench::kEmployees, double(perSize) / 1e6, bench::kEmployees * bench::kMonths,
              double(abrSize) / 1e6, runs);
  const double tRead = read.Median(), tRewrite = rewrite.Median();
  std::printf("%-44s %8.2f ms\n", "one read of .PER + .ABR (the read)", tRead);
  std::printf("%-44s %8.2f ms\n", "one read+write+fsync+rename of .ABR (rewrite)", tRewrite);
  bool ok = Line("employee list filled / read", list.Median(), tRead, 1.2);
  ok = Line("calculate-and-save click / read", click.Median(), tRead, 4.0) && ok;
  ok = Line("payroll deleted / rewrite", abrDelete.Median(), tRewrite, 1.5) && ok;
  ok =
      Line("employee and his payrolls deleted / rewrite", persDelete.Median(), tRewrite, 2.5) && ok;
  std::printf("peak memory of a delete: payroll %.1f MB, employee %.1f MB\n", kbAbr / 1024.0,
              kbPers / 1024.0);
  const bool memOk = kbAbr >= 0 && kbPers >= 0 && kbAbr < 16 * 1024 && kbPers < 16 * 1024;
  const bool right = listOk && clickOk && deletesOk;
  if (!right)
    std::printf("WRONG RESULT: list %d, click %d, deletes %d\n", listOk, clickOk, deletesOk);
  std::printf("%s\n", ok && memOk && right ? "OK" : "NOT MET");
  return ok && memOk && right ? 0 : 1;
}
