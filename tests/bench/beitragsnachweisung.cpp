// The contribution statement with its .BN file for an employer of 5,000
// employees with a year of payrolls (60,000 records, about 134 MB): one
// payroll pass must do, not one per contribution group. Prints the times of
// January and of the whole year as ratios to one sequential read of the
// employee and the payroll file.

#include "elda/Beitragsnachweisung.h"

#include <cstdio>
#include <filesystem>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "store/AbrechnungStore.h"
#include "support/Fakes.h"

using namespace lohn;

int main() {
  testing_support::TempWorkDir dir;
  bench::WriteEmployer();
  {
    // The employer's payrolls with the groups, bases and levies the
    // statement sums, a few marginal employments among them.
    static constexpr const char* kGruppen[] = {"D1", "A1", "D2", "A2", "N72", "A3y"};
    std::vector<std::uint8_t> abr;
    abr.reserve(std::size_t(bench::kEmployees) * bench::kMonths * kAbrechnungRecordSize);
    for (int monat = 1; monat <= bench::kMonths; ++monat)
      for (int nr = 1; nr <= bench::kEmployees; ++nr) {
        AbrechnungRecord r;
        r.PersNrEdit = nr;
        r.MonatComboBox = monat;
        r.JahrComboBox = 2014;
        r.BeitragsgruppeComboBox = kGruppen[nr % 6];
        r.BruttoEdit = r.SVBeitragsgrundlageEdit = 1000 + nr % 977;
        r.SVBeitragsGrundlageSonderzahlungEdit = monat == 6 ? 1000 : 0;
        r.AMPFG_RueckVerrGruppeEdit = nr % 977 < 20 ? "N25a" : "";
        r.AMPFG_SVGrundlageEdit = nr % 977 < 20 ? r.BruttoEdit : 0;
        for (Umlage u : {Umlage::KU, Umlage::WF, Umlage::IE}) r.Grundlage(u) = r.BruttoEdit;
        r.BMVGbetragEdit = r.BruttoEdit * 0.0153;
        r.FamNameEdit = "Mitarbeiter" + std::to_string(nr);
        AbrechnungBytes b = r.pack();
        abr.insert(abr.end(), b.begin(), b.end());
      }
    bench::WriteSynced(bench::kStem + ".ABR", abr);
  }
  testing_support::TestEnv env;
  env.state.DataFileStem = bench::kStem;
  env.state.Dienstgeber.DienstgeberDvrNr = "1234567";
  auto lesen = [] {
    bench::ReadOnce(bench::kStem + ".PER");
    bench::ReadOnce(bench::kStem + ".ABR");
  };
  auto lauf = [&](int bis) {
    BerichtOptionen o;
    o.bericht = Bericht::Beitragsnachweisung;
    o.stem = bench::kStem;
    o.monatVon = 1;
    o.monatBis = bis;
    o.jahr = 2014;
    o.eldaDatei = true;
    // Yes to the range question and to replacing the file, No to opening
    // the folder.
    env.dialogs.answers =
        bis > 1 ? std::deque<bool>{true, true, false} : std::deque<bool>{true, false};
    if (!PrintBeitragsnachweisung(env.state, o)) std::printf("statement failed\n");
  };
  lesen();

  Samples tRead, tUnpack, tJanuar, tJahr;
  for (int i = 0; i < 5; ++i) {
    tRead.Time(lesen);
    // The least a pass costs that unpacks every record.
    tUnpack.Time(
        [] { ScanAbrechnungRecords(bench::kStem, "ABR", [](const AbrechnungRecord&) {}); });
    tJanuar.Time([&] { lauf(1); });
    tJahr.Time([&] { lauf(12); });
  }
  const double read = tRead.Median();
  std::printf("one read of .PER + .ABR: %.1f ms\n", read);
  std::printf("one pass unpacking every payroll: %.1f ms, ratio %.2f\n", tUnpack.Median(),
              tUnpack.Median() / read);
  std::printf("statement 01-01 with .BN: %.1f ms, ratio %.2f\n", tJanuar.Median(),
              tJanuar.Median() / read);
  std::printf("statement 01-12 with .BN: %.1f ms, ratio %.2f\n", tJahr.Median(),
              tJahr.Median() / read);
  std::error_code ec;
  std::printf("report: %zu bytes, .BN: %zu bytes\n",
              std::size_t(std::filesystem::file_size("quan.doc", ec)),
              std::size_t(std::filesystem::file_size("ELDA/BENCH20140112.BN", ec)));
  return 0;
}
