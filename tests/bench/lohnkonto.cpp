// The wage accounts of all 5,000 employees, the totals sheet, the hours
// list and the holiday list of a year of payrolls: each must cost about one
// read of the employee and the payroll file, not a payroll pass per
// employee. Prints the times as ratios to one sequential read of both.

#include "reports/Lohnkonto.h"

#include <cstdio>
#include <filesystem>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "reports/DienstnehmerListen.h"
#include "support/Fakes.h"

using namespace lohn;

int main() {
  testing_support::TempWorkDir dir;
  bench::WriteEmployer();
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  BerichtOptionen o;
  o.stem = bench::kStem;
  o.monatVon = 1, o.monatBis = 12, o.jahr = 2014;
  o.db = 4.5, o.dz = 0.4;
  std::vector<bench::BerichtLauf> laeufe{
      {"accounts of all employees", [&] { return PrintLohnkonto(env.state, o, false); }},
      {"totals sheet", [&] { return PrintLohnkonto(env.state, o, true); }},
      {"hours list", [&] { return PrintDienstnehmerZeiten(env.state, o); }},
      {"holiday list", [&] { return PrintUrlaubsZeitkonto(env.state, o); }},
  };
  bench::MesseBerichte(laeufe);
  return 0;
}
