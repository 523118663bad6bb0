// One click on "Berechnen" for an employer with 5,000 employees and 60,000
// payrolls (about 134 MB): the calculation with the employee save and the
// payroll save must read the payroll file at most once and never rewrite it.
// Prints the time as a ratio to one sequential read of the payroll file and
// the bytes the process read (from /proc/self/io) in payroll-file passes.

#include "payroll/Berechnung.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
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

namespace {

using bench::kEmployees;
using bench::kMonths;
using bench::kStem;
using bench::ReadOnce;

// Bytes this process has read through system calls so far.
long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return -1;
}

struct Messung {
  double ms = 0;
  double abrPasses = 0;  // bytes read / size of the payroll file
};

}  // namespace

int main() {
  testing_support::TempWorkDir dir;
  bench::WriteEmployer();
  const std::string abr = kStem + ".ABR";
  const auto abrSize = std::filesystem::file_size(abr);
  const auto perSize = std::filesystem::file_size(kStem + ".PER");
  ReadOnce(abr);

  testing_support::TestEnv env;
  env.state.DataFileStem = kStem;
  PersFormKontext k(env.state);
  PersFormCreate(env.state, k.form);
  k.form.SetText("MonatComboBox", "12");
  k.form.SetText("JahrComboBox", "2014");
  SelectPersonal(env.state, k.form, 2500);  // shows his stored December payroll

  const int runs = 5;
  const double tRead = Millis([&] { ReadOnce(abr); }, runs);
  // The click's only pass over the payroll file, on its own.
  const double tPass = Millis([&] { LeseJahresAbrechnungen(kStem, {2500, 12, 2014, 0}); }, runs);

  // Recalculating the stored month: the overwrite question (answered Yes by
  // the fake) and a replace in place.
  auto click = [&](const char* teil) {
    k.form.SetText("AbrechngComboBox", teil);
    k.form.SetText("GehaltEdit", "2345,67");
    env.dialogs.messages.clear();
    Messung m;
    const long long before = BytesRead();
    m.ms = Millis([&] { BerechnenButonClick(k); }, 1);
    // Everything the click read, the employee file included, in sizes of
    // the payroll file.
    m.abrPasses = double(BytesRead() - before) / double(abrSize);
    return m;
  };
  Messung ersetzen;
  for (int i = 0; i < runs; ++i) {
    Messung m = click("0");
    ersetzen.ms += m.ms / runs;
    ersetzen.abrPasses = m.abrPasses;
  }
  const bool ersetzt = env.dialogs.messages.empty() && std::filesystem::file_size(abr) == abrSize;
  // A new part payroll of the same month: appended.
  Messung anhaengen = click("1");
  const bool angehaengt = env.dialogs.messages.empty() &&
                          std::filesystem::file_size(abr) == abrSize + kAbrechnungRecordSize;

  std::printf("employees: %d (%.1f MB), payrolls: %d (%.1f MB)\n", kEmployees,
              double(perSize) / 1e6, kEmployees * kMonths, double(abrSize) / 1e6);
  std::printf("read the payroll file once       %8.2f ms  (1.00)\n", tRead);
  std::printf(
      "click, stored month replaced     %8.2f ms  (%.2f), bytes read = %.2f payroll files\n",
      ersetzen.ms, ersetzen.ms / tRead, ersetzen.abrPasses);
  std::printf(
      "click, new part payroll appended %8.2f ms  (%.2f), bytes read = %.2f payroll files\n",
      anhaengen.ms, anhaengen.ms / tRead, anhaengen.abrPasses);
  std::printf("one pass for the year alone        %8.2f ms  (%.2f)\n", tPass, tPass / tRead);
  std::printf(
      "(the rest: the synced writes of both records and the employee file, %.2f of the "
      "payroll file's size, which the employee save reads twice)\n",
      double(perSize) / double(abrSize));
  const bool ok = ersetzt && angehaengt && k.form.Text("NettoBetragEdit") != "0";
  std::printf("%s\n", ok ? "OK: saved without rewriting the payroll file" : "WRONG RESULT");
  return ok ? 0 : 1;
}
