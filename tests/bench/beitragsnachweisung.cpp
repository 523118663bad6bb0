// The contribution statement for an employer of 5,000 employees with a year
// of payrolls: January with its .BN file, and 01-12 printed only (a year's
// bases of 5,000 employees overflow the fields of the .BN file). One payroll
// pass must do, not one per contribution group. Prints each time against
// its floor: one read of the employee and the payroll file and the synced
// write of the statement's own output.

#include "elda/Beitragsnachweisung.h"

#include <cstdio>
#include <filesystem>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "store/AbrechnungStore.h"
#include "support/Fakes.h"

using namespace lohn;

int main(int argc, char** argv) {
  bench::Ordner ordner(argc, argv, [] { bench::WriteEmployer(); });
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  env.state.Dienstgeber.DienstgeberDvrNr = "1234567";
  env.state.Dienstgeber.DienstgeberVersTraegerCode = "11";
  const std::string bn = "ELDA/" + bench::kStem + "20140101.BN";
  auto lauf = [&](int bis) {
    BerichtOptionen o;
    o.bericht = Bericht::Beitragsnachweisung;
    o.stem = bench::kStem;
    o.monatVon = 1;
    o.monatBis = bis;
    o.jahr = 2014;
    o.eldaDatei = bis == 1;
    // Yes to replacing the file, No to opening the folder.
    env.dialogs.answers =
        std::filesystem::exists(bn) ? std::deque<bool>{true, false} : std::deque<bool>{false};
    return PrintBeitragsnachweisung(env.state, o);
  };
  std::vector<bench::BerichtLauf> laeufe{
      {"Beitragsnachweisung 01 with .BN", [&] { return lauf(1); }, {"quan.doc", bn}},
      {"Beitragsnachweisung 01-12, printed", [&] { return lauf(12); }},
  };
  const int rc = bench::MesseBerichte(ordner, laeufe);
  if (ordner.Peak().empty()) {
    // The least a pass costs that unpacks every payroll.
    const double unpack = Millis(
        [] { ScanAbrechnungRecords(bench::kStem, "ABR", [](const AbrechnungRecord&) {}); }, 5);
    std::printf("(one pass unpacking every payroll: %.1f ms)\n", unpack);
    if (!env.dialogs.messages.empty())
      std::printf("last message: %s\n", env.dialogs.messages.back().c_str());
  }
  return rc;
}
