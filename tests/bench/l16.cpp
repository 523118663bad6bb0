// The annual wage slips on form L16 of all 5,000 employees for 2014, each
// slip handed to a recording preview and "Ja" to every next one: the run
// should cost about one read of the employee and the payroll file and the
// write of its list. Prints the time against that floor.

#include "reports/L16.h"

#include <cstdio>

#include "bench/BenchEmployer.h"
#include "output/L16Formular.h"
#include "support/Fakes.h"

using namespace lohn;

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer(); });
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  BerichtKontext kontext(env.state);
  env.state.berichte = &kontext;
  std::size_t slips = 0;
  kontext.hooks.ZeigeL16 = [&](const L16Blatt&, bool) { ++slips; };
  BerichtOptionen o;
  o.stem = bench::kStem;
  o.monatVon = 1, o.monatBis = 12, o.jahr = 2014;
  o.vonTag = 1, o.bisTag = 31;
  std::vector<bench::BerichtLauf> laeufe{{"L16, all employees", [&] {
                                            slips = 0;
                                            env.dialogs.questions.clear();
                                            env.dialogs.shown.clear();
                                            return PrintL16(env.state, o) &&
                                                   slips == std::size_t(bench::kEmployees);
                                          }}};
  return bench::MesseBerichte(ordner, laeufe);
}
