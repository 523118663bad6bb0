// The monthly wage tax and levy report (12/2014) and the municipal tax return
// with its XML file (2014) for an employer of 5,000 employees with a year of
// payrolls: each must cost about one read of the employee and the payroll
// file. Prints the times as ratios to one sequential read of both files.

#include <cstdio>
#include <filesystem>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "reports/Kommunalsteuererklaerung.h"
#include "reports/LohnsteuerDbDzKommSt.h"
#include "support/Fakes.h"

using namespace lohn;

int main() {
  testing_support::TempWorkDir dir;
  bench::WriteEmployer();
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  env.state.Dienstgeber.DienstgeberOrt = "Wien";
  env.state.Dienstgeber.DienstgeberPlz = "1010";
  env.state.Dienstgeber.DienstgeberGemeindeKz = "90001";
  env.state.Dienstgeber.DienstgeberFinanzamtNr = "3";
  env.state.Dienstgeber.DienstgeberSteuerNr = "123/4567";
  BerichtOptionen o;
  o.stem = bench::kStem;
  o.monatVon = o.monatBis = 12;
  o.jahr = 2014;
  o.db = 4.5, o.dz = 0.4, o.kommunalsteuer = 3;
  auto lesen = [] {
    bench::ReadOnce(bench::kStem + ".PER");
    bench::ReadOnce(bench::kStem + ".ABR");
  };
  lesen();

  Samples tRead, tMonat, tJahr;
  for (int i = 0; i < 5; ++i) {
    tRead.Time(lesen);
    tMonat.Time([&] { PrintLohnsteuerDbDzKommSt(env.state, o); });
    tJahr.Time([&] { PrintKommunalsteuerErklaerung(env.state, o); });
  }
  const double read = tRead.Median();
  std::printf("one read of .PER + .ABR: %.1f ms\n", read);
  std::printf("Lohnsteuer DB DZ Kommunalsteuer 12/2014: %.1f ms, ratio %.2f\n", tMonat.Median(),
              tMonat.Median() / read);
  std::printf("Kommunalsteuererklaerung 2014 with XML: %.1f ms, ratio %.2f\n", tJahr.Median(),
              tJahr.Median() / read);
  std::printf("messages: %zu, XML files: %d\n", env.dialogs.shown.size(),
              int(std::filesystem::exists("XML/BENCH_KommSt20140.XML")));
  return 0;
}
