// The annual wage slips of 5,000 employees with a year of payrolls (60,000
// records, about 134 MB): one pass of each file must do, not scans per
// employee. Prints the time of the export 1-12 for all as a ratio to one
// sequential read of the employee and the payroll file, and the records of
// the pair.

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "elda/Lohnzettel.h"
#include "store/AbrechnungStore.h"
#include "support/Fakes.h"

using namespace lohn;

int main() {
  testing_support::TempWorkDir dir;
  bench::WriteEmployer();
  {
    // The same employees with the ten-digit SV numbers the slips need.
    std::vector<std::uint8_t> per;
    for (int nr = 1; nr <= bench::kEmployees; ++nr) {
      PersonalRecord p;
      p.PersNrEdit = nr;
      p.FamNameEdit = "Mitarbeiter" + std::to_string(nr);
      p.VornameEdit = "Eva";
      p.SVNrEdit = std::to_string(1000000000 + nr);
      p.BeitragsgruppeComboBox = "D1";
      p.GehaltEdit = 2000 + nr % 977;
      PersonalBytes b = p.pack();
      per.insert(per.end(), b.begin(), b.end());
    }
    bench::WriteSynced(bench::kStem + ".PER", per);
  }
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  env.state.Dienstgeber.DienstgeberDvrNr = "1234567";
  const std::string name = "ELDA/" + bench::kStem + "20140112";
  auto lesen = [] {
    bench::ReadOnce(bench::kStem + ".PER");
    bench::ReadOnce(bench::kStem + ".ABR");
  };
  auto lauf = [&] {
    BerichtOptionen o;
    o.bericht = Bericht::JahreslohnzettelElda;
    o.stem = bench::kStem;
    o.monatVon = 1, o.monatBis = 12, o.jahr = 2014, o.vonTag = 1, o.bisTag = 31;
    // Yes to replacing the pair, No to opening the folder.
    env.dialogs.answers = std::filesystem::exists(name + ".BG") ? std::deque<bool>{true, false}
                                                                : std::deque<bool>{false};
    if (!ExportEldaLohnzettel(env.state, o)) std::printf("export failed\n");
  };
  lesen();

  Samples tRead, tUnpack, tExport;
  for (int i = 0; i < 5; ++i) {
    tRead.Time(lesen);
    // The least a pass costs that unpacks every payroll.
    tUnpack.Time(
        [] { ScanAbrechnungRecords(bench::kStem, "ABR", [](const AbrechnungRecord&) {}); });
    tExport.Time(lauf);
  }
  const double read = tRead.Median();
  std::printf("one read of .PER + .ABR: %.1f ms\n", read);
  std::printf("one pass unpacking every payroll: %.1f ms, ratio %.2f\n", tUnpack.Median(),
              tUnpack.Median() / read);
  std::printf("wage slips 01-12 (.BG + .LF): %.1f ms, ratio %.2f\n", tExport.Median(),
              tExport.Median() / read);
  auto datei = [](const std::string& pfad) {
    auto b = testing_support::ReadBytes(pfad);
    return std::string(b.begin(), b.end());
  };
  const std::string bg = datei(name + ".BG"), lf = datei(name + ".LF");
  auto saetze = [](const std::string& d) {
    std::size_t n = 1;
    for (std::size_t p = d.find("\r\n"); p != std::string::npos; p = d.find("\r\n", p + 2)) ++n;
    return n;
  };
  const std::size_t i1 = lf.find("\r\n") + 2;
  std::printf(".BG: %zu records, .LF: %zu records, I1 count %s\n", saetze(bg), saetze(lf),
              lf.substr(i1 + 236, 7).c_str());
  return 0;
}
