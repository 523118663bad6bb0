// The registration panel's create button at 5,000 employees x 12 months:
// the save of employee 2,500 alone and the save with his registration file,
// as ratios to one sequential read of .PER + .ABR, and the bytes each reads
// (/proc/self/io): the registration file takes the employee from the window
// and reads neither file again.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "elda/EldaPanel.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormStammdaten.h"
#include "support/Fakes.h"

using namespace lohn;
using bench::kStem;

namespace {

// Bytes this process has read through read() and its kin so far.
long long GeleseneBytes() {
  std::ifstream io("/proc/self/io");
  std::string name;
  long long wert = 0;
  while (io >> name >> wert)
    if (name == "rchar:") return wert;
  return -1;
}

}  // namespace

int main() {
  testing_support::TempWorkDir dir;
  bench::WriteEmployer();
  const std::string per = kStem + ".PER", abr = kStem + ".ABR";
  const auto perSize = std::filesystem::file_size(per);

  testing_support::TestEnv env;
  env.state.DataFileStem = kStem;
  env.state.ProgramVersion = "2014.01";
  env.state.Dienstgeber.DienstgeberDvrNr = "1234567";
  env.state.Dienstgeber.DienstgeberVersTraegerCode = "11";
  PersFormKontext k(env.state);
  PersFormCreate(env.state, k.form);
  PersFormModel& f = k.form;
  f.SetText("MonatComboBox", "12");
  f.SetText("JahrComboBox", "2014");
  SelectPersonal(env.state, f, 2500);
  f.SetText("SVNrEdit", "1237010180");
  f.UserSetText("ComboBox1", "03 Anmeldung");
  f.SetText("ADAT", "1.12.2014");
  f.SetText("BETR", "2500,00");
  f.SetText("BSTD", "38,50");

  const int runs = 7;
  bench::ReadOnce(per);
  bench::ReadOnce(abr);
  Samples read, save, create;
  long long bytesSave = 0, bytesCreate = 0;
  bool right = true;
  for (int i = 0; i < runs; ++i) {
    read.Time([&] {
      bench::ReadOnce(per);
      bench::ReadOnce(abr);
    });
    long long vorher = GeleseneBytes();
    save.Time([&] { right = Button2Click(env.state, f) && right; });
    bytesSave = GeleseneBytes() - vorher;
    vorher = GeleseneBytes();
    create.Time([&] { BitBtn2Click(env.state, f); });
    bytesCreate = GeleseneBytes() - vorher;
  }
  // <stem>_P_<nr>_<first five letters of the name>_<kind>.VM
  bool vm = false;
  for (const auto& e : std::filesystem::directory_iterator("ELDA")) {
    const std::string name = e.path().filename().string();
    vm = vm || (name.starts_with(kStem + "_P_2500_") && name.ends_with("_03.VM"));
  }
  right = right && vm && std::filesystem::file_size(per) == perSize;

  const double tRead = read.Median();
  std::printf("employees: %d, payrolls: %zu, medians of %d runs\n", bench::kEmployees,
              std::size_t(std::filesystem::file_size(abr) / kAbrechnungRecordSize), runs);
  std::printf("one read of .PER + .ABR: %.1f ms\n", tRead);
  bench::DruckeKopf("registration panel (floor: the read)");
  bench::DruckeZeile("employee saved", save.Median(), tRead, {});
  bench::DruckeZeile("saved and .VM written", create.Median(), tRead, {});
  std::printf("bytes read: by the save %lld, by save and .VM %lld\n", bytesSave, bytesCreate);
  // Beyond the save's own reads the create may read its panel file, not a
  // data file.
  const bool keinLesen = bytesCreate - bytesSave < 64 * 1024;
  std::printf("reads beyond the save's: %lld bytes  %s\n", bytesCreate - bytesSave,
              keinLesen ? "ok" : "MISSED");
  if (!right) std::printf("WRONG RESULT\n");
  std::printf("%s\n", keinLesen && right ? "OK" : "NOT MET");
  return keinLesen && right ? 0 : 1;
}
