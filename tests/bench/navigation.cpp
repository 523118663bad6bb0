// The employee window's "nächste Personal Nr." at 5,000 employees numbered
// 1000, 2000, ... with a year of payrolls: the lookup of the next number,
// the employee and his payroll of the period shown, against its floor: one
// sequential read of .PER (aim: at most 1.5 times that).

#include <cstdio>
#include <string>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "payroll/PersFormAbrechnung.h"
#include "payroll/PersFormFenster.h"
#include "payroll/PersFormNavigation.h"
#include "payroll/PersFormStammdaten.h"
#include "support/Fakes.h"

using namespace lohn;
using bench::kStem;

int main() {
  testing_support::TempWorkDir dir;
  constexpr int kSchritt = 1000;
  bench::WriteEmployer({kSchritt});
  const std::string per = kStem + ".PER", abr = kStem + ".ABR";

  testing_support::TestEnv env;
  env.state.DataFileStem = kStem;
  PersFormKontext k(env.state);
  PersFormCreate(env.state, k.form);
  k.form.SetText("MonatComboBox", "12");
  k.form.SetText("JahrComboBox", "2014");

  const int runs = 7;
  bench::ReadOnce(per);
  bench::ReadOnce(abr);
  Samples read, naechste;
  bool right = true;
  for (int i = 0; i < runs; ++i) {
    read.Time([&] { bench::ReadOnce(per); });
    // From the middle of the file, so that half of it follows.
    const int von = (2500 + i) * kSchritt;
    k.form.SetText("PersNrEdit", std::to_string(von));
    naechste.Time([&] { SpeedButton15Click(k); });
    right = right && k.form.Text("PersNrEdit") == std::to_string(von + kSchritt) &&
            k.form.Text("BruttoEdit") != "0";
  }
  right = right && env.dialogs.messages.empty();

  std::printf("employees: %d numbered %d, %d, ..., medians of %d runs\n", bench::kEmployees,
              kSchritt, 2 * kSchritt, runs);
  std::printf("one read of .PER: %.1f ms\n", read.Median());
  bench::DruckeKopf("employee window (floor)");
  const bool ok = bench::DruckeZeile("\"nächste\" with its payroll (.PER read)", naechste.Median(),
                                     read.Median(), {1.5});
  if (!right) std::printf("WRONG RESULT\n");
  for (const std::string& m : env.dialogs.messages) std::printf("message: %s\n", m.c_str());
  std::printf("%s\n", ok && right ? "OK" : "NOT MET");
  return ok && right ? 0 : 1;
}
