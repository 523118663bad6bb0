// The transfer and booking list of all 5,000 employees for December and the
// confirmation of one employee: each must cost about one read of the
// employee and the payroll file and the write of its output. Prints each
// time against that floor.

#include "reports/Ueberweisungsliste.h"

#include <cstdio>
#include <filesystem>
#include <functional>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "support/Fakes.h"

using namespace lohn;

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer(); });
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  BerichtOptionen liste;
  liste.stem = bench::kStem;
  liste.monatVon = liste.monatBis = 12, liste.jahr = 2014;
  liste.lohnartenDetail = liste.kontierung = true;
  BerichtOptionen bestaetigung = liste;
  bestaetigung.personalNr = 2500;
  std::vector<bench::BerichtLauf> laeufe{
      {"Überweisungsliste 12/2014, all employees",
       [&] { return PrintUeberweisungsliste(env.state, liste, kModusUeberweisungsliste); }},
      {"Arbeitsbestätigung 12/2014, Nr 2500",
       [&] { return PrintUeberweisungsliste(env.state, bestaetigung, kModusArbeitsbestaetigung); }},
  };
  return bench::MesseBerichte(ordner, laeufe);
}
