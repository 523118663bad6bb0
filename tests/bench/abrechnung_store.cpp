// The payroll store on a file of 60,000 payrolls (about 134 MB): finding one
// record must cost no more than one sequential read of the file; appending
// and replacing must not rewrite it. Prints timings and ratios to one read.

#include <cstdio>
#include <filesystem>
#include <functional>

#include "bench/BenchEmployer.h"
#include "bench/BenchTiming.h"
#include "store/AbrechnungStore.h"
#include "support/Fakes.h"

using namespace lohn;

using bench::ReadOnce;

int main() {
  testing_support::TempWorkDir dir;
  testing_support::FakeDialogs dlg;
  const int kRecords = 60000;  // 500 employees, 10 years, 12 months
  {
    std::vector<std::uint8_t> all;
    all.reserve(std::size_t(kRecords) * kAbrechnungRecordSize);
    for (int i = 0; i < kRecords; ++i) {
      AbrechnungRecord r;
      r.PersNrEdit = 1 + i % 500;
      r.MonatComboBox = 1 + (i / 500) % 12;
      r.JahrComboBox = 2005 + i / 6000;
      r.BruttoEdit = 2000 + i % 977;
      r.FamNameEdit = "Mitarbeiter";
      AbrechnungBytes b = r.pack();
      all.insert(all.end(), b.begin(), b.end());
    }
    bench::WriteSynced("BENCH.ABR", all);
  }
  const std::string stem = "BENCH";
  auto size = std::filesystem::file_size("BENCH.ABR");
  // Warm the cache and the store's read buffer, which a program allocates once.
  ReadOnce("BENCH.ABR");
  AbrechnungRecordExists(stem, kAbrechnungExt, 1, 0, 2005, 1);

  const int runs = 5;
  double tRead = Millis([] { ReadOnce("BENCH.ABR"); }, runs);
  bool found = false;
  double tFind = Millis(
      [&] {
        found = ReadAbrechnungRecord(stem, kAbrechnungExt, 250, false, 0, 2014, 6).has_value();
      },
      runs);
  double tExists = Millis(
      [&] { found = found && AbrechnungRecordExists(stem, kAbrechnungExt, 250, 0, 2014, 6); },
      runs);
  int yearRecords = 0;
  double tYear = Millis(
      [&] {
        yearRecords = 0;
        ScanAbrechnungRecords(
            stem, kAbrechnungExt, [&](const AbrechnungRecord&) { ++yearRecords; },
            [](const AbrechnungKey& k) { return k.PersNr == 250 && k.Jahr == 2014; });
      },
      runs);
  AbrechnungRecord changed;
  changed.PersNrEdit = 250;
  changed.MonatComboBox = 6;
  changed.JahrComboBox = 2014;
  changed.BruttoEdit = 1234.5;
  bool replaced = false;
  double tReplace =
      Millis([&] { replaced = ReplaceAbrechnungRecord(dlg, stem, kAbrechnungExt, changed); }, runs);
  AbrechnungRecord extra;
  extra.PersNrEdit = 999;
  extra.MonatComboBox = 1;
  extra.JahrComboBox = 2015;
  double tAppend = Millis([&] { AppendAbrechnungRecord(dlg, stem, kAbrechnungExt, extra); }, runs);
  double tDelete = Millis(
      [&] { DeleteAbrechnungRecordsOfPersonal(dlg, stem, kAbrechnungExt, 999, false, true); }, 1);

  std::printf("records: %d, file: %.1f MB\n", kRecords, double(size) / 1e6);
  std::printf("read the file once            %8.2f ms  (1.00)\n", tRead);
  std::printf("ReadAbrechnungRecord          %8.2f ms  (%.2f)\n", tFind, tFind / tRead);
  std::printf("AbrechnungRecordExists        %8.2f ms  (%.2f)\n", tExists, tExists / tRead);
  std::printf("one employee's year, one scan %8.2f ms  (%.2f, %d records)\n", tYear, tYear / tRead,
              yearRecords);
  std::printf("ReplaceAbrechnungRecord       %8.2f ms  (%.2f, in place)\n", tReplace,
              tReplace / tRead);
  std::printf("AppendAbrechnungRecord        %8.2f ms  (%.2f, no rewrite)\n", tAppend,
              tAppend / tRead);
  std::printf("delete (rewrite and rename)   %8.2f ms  (%.2f)\n", tDelete, tDelete / tRead);
  bool ok = found && replaced && yearRecords == 12 && tFind < 1.5 * tRead && tAppend < 0.1 * tRead;
  std::printf("%s\n",
              ok ? "OK: a lookup costs one read of the file at most" : "TOO SLOW or wrong result");
  return ok ? 0 : 1;
}
