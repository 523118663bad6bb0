// The list of employees without payroll for an employer of 5,000 employees
// with a year of payrolls (every tenth employee without his December): it
// must cost about one read of the employee and the payroll file, not one
// payroll pass per employee. The same holds for the pay slips of December.
// Prints each time against its floor: that read and the synced write of the
// report's own output.

#include <cstdio>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "reports/BerichtKontext.h"
#include "reports/FehlendeAbrechnungen.h"
#include "reports/LohnGehaltsabrechnung.h"
#include "support/Fakes.h"

using namespace lohn;

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer({1, true}); });
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  BerichtKontext kontext(env.state);
  env.state.berichte = &kontext;
  BerichtOptionen zettel;
  zettel.stem = bench::kStem;
  zettel.monatVon = zettel.monatBis = 12;
  zettel.jahr = 2014;
  zettel.zeilen = 6;
  // "Nein" to the question: the copies and the viewer are ShowBericht's.
  auto fehlende = [&](int von, int modus) {
    env.dialogs.answers.assign(1, false);
    return ListMissingAbrechnungen(env.state, bench::kStem, "ABR", von, 12, 2014, 0, modus);
  };
  std::vector<bench::BerichtLauf> laeufe{
      {"Lohn-/Gehaltsabrechnungen 12/2014",
       [&] { return PrintLohnGehaltsabrechnung(env.state, zettel); }},
      {"without payroll 12/2014 (500 listed)", [&] { return fehlende(12, 1); }},
      {"without payroll 01-12/2014 (none), check", [&] { return fehlende(1, 0); }},
  };
  return bench::MesseBerichte(ordner, laeufe);
}
