// The monthly wage tax and levy report (12/2014) and the municipal tax return
// with its XML file (2014) for an employer of 5,000 employees with a year of
// payrolls: each must cost about one read of the employee and the payroll
// file and the write of its output. Prints each time against that floor.

#include <cstdio>
#include <filesystem>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "reports/Kommunalsteuererklaerung.h"
#include "reports/LohnsteuerDbDzKommSt.h"
#include "support/Fakes.h"

using namespace lohn;

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer(); });
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
  std::vector<bench::BerichtLauf> laeufe{
      {"LSt/DB/DZ 12/2014", [&] { return PrintLohnsteuerDbDzKommSt(env.state, o); }},
      {"Kommunalsteuererklärung + XML",
       [&] { return PrintKommunalsteuerErklaerung(env.state, o); },
       {"quan.doc", "XML/BENCH_KommSt20140.XML"}},
  };
  const int rc = bench::MesseBerichte(ordner, laeufe);
  if (ordner.Peak().empty()) std::printf("messages: %zu\n", env.dialogs.shown.size());
  return rc;
}
