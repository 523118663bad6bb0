// The wage accounts of all 5,000 employees, the totals sheet, the hours
// list and the holiday list of a year of payrolls: each must cost about one
// read of the employee and the payroll file, not a payroll pass per
// employee. Prints each time against its floor: one read of both files
// and the synced write of the report's own output.

#include "reports/Lohnkonto.h"

#include <cstdio>
#include <filesystem>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "reports/DienstnehmerListen.h"
#include "support/Fakes.h"

using namespace lohn;

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer(); });
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  BerichtOptionen o;
  o.stem = bench::kStem;
  o.monatVon = 1, o.monatBis = 12, o.jahr = 2014;
  o.db = 4.5, o.dz = 0.4;
  std::vector<bench::BerichtLauf> laeufe{
      {"Lohnkonten, all employees", [&] { return PrintLohnkonto(env.state, o, false); }},
      {"Summenblatt", [&] { return PrintLohnkonto(env.state, o, true); }},
      {"Stundenliste", [&] { return PrintDienstnehmerZeiten(env.state, o); }},
      {"Urlaubsliste", [&] { return PrintUrlaubsZeitkonto(env.state, o); }},
  };
  return bench::MesseBerichte(ordner, laeufe);
}
