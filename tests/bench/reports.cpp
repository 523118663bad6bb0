// The list of employees without payroll for an employer of 5,000 employees
// with a year of payrolls (60,000 records less every tenth employee's
// December, about 130 MB): it must cost about one read of the employee and
// the payroll file, not one payroll pass per employee. The same holds for
// the pay slips of December. Prints the times as ratios to one sequential
// read of both files.

#include <cstdio>
#include <filesystem>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "reports/BerichtKontext.h"
#include "reports/FehlendeAbrechnungen.h"
#include "reports/LohnGehaltsabrechnung.h"
#include "support/Fakes.h"

using namespace lohn;

int main() {
  testing_support::TempWorkDir dir;
  {
    std::vector<std::uint8_t> per, abr;
    for (int nr = 1; nr <= bench::kEmployees; ++nr) {
      PersonalRecord p;
      p.PersNrEdit = nr;
      p.FamNameEdit = "Mitarbeiter" + std::to_string(nr);
      p.EintrittsDatumEdit = "01.01.2010";
      PersonalBytes b = p.pack();
      per.insert(per.end(), b.begin(), b.end());
    }
    for (int monat = 1; monat <= bench::kMonths; ++monat)
      for (int nr = 1; nr <= bench::kEmployees; ++nr) {
        if (monat == 12 && nr % 10 == 0) continue;
        AbrechnungRecord r;
        r.PersNrEdit = nr;
        r.MonatComboBox = monat;
        r.JahrComboBox = 2014;
        r.BruttoEdit = 2000 + nr % 977;
        AbrechnungBytes b = r.pack();
        abr.insert(abr.end(), b.begin(), b.end());
      }
    bench::WriteSynced(bench::kStem + ".PER", per);
    bench::WriteSynced(bench::kStem + ".ABR", abr);
  }
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  BerichtKontext kontext(env.state);
  env.state.berichte = &kontext;
  auto lesen = [] {
    bench::ReadOnce(bench::kStem + ".PER");
    bench::ReadOnce(bench::kStem + ".ABR");
  };
  lesen();

  // "No" to the question: the copies and the viewer are ShowBericht's.
  env.dialogs.answers.assign(5, false);
  BerichtOptionen zettel;
  zettel.stem = bench::kStem;
  zettel.monatVon = zettel.monatBis = 12;
  zettel.jahr = 2014;
  zettel.zeilen = 6;
  Samples tRead, tMode1, tMode0, tZettel;
  for (int i = 0; i < 5; ++i) {
    tRead.Time(lesen);
    tZettel.Time([&] { PrintLohnGehaltsabrechnung(env.state, zettel); });
    tMode1.Time(
        [&] { ListMissingAbrechnungen(env.state, bench::kStem, "ABR", 12, 12, 2014, 0, 1); });
    tMode0.Time(
        [&] { ListMissingAbrechnungen(env.state, bench::kStem, "ABR", 1, 12, 2014, 0, 0); });
  }
  const double read = tRead.Median();
  std::printf("one read of .PER + .ABR: %.1f ms\n", read);
  std::printf("mode 1, 12/2014 (%zu questions, 500 listed): %.1f ms, ratio %.2f\n",
              env.dialogs.questions.size(), tMode1.Median(), tMode1.Median() / read);
  std::printf("mode 0, 1-12/2014 (nobody listed): %.1f ms, ratio %.2f\n", tMode0.Median(),
              tMode0.Median() / read);
  std::printf("pay slips, 12/2014 (4,500 slips): %.1f ms, ratio %.2f\n", tZettel.Median(),
              tZettel.Median() / read);
  std::printf("report: %zu bytes\n", std::size_t(std::filesystem::file_size("quan.doc")));
  return 0;
}
