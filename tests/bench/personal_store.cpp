// Timings of the employee store on a file of 5,000 employees (about 12 MB).
// Each operation reads the file once; none may take more than a few
// milliseconds on a desktop disk.

#include <cstdio>
#include <functional>

#include "bench/BenchTiming.h"
#include "store/PersonalStore.h"
#include "support/Fakes.h"

using namespace lohn;

int main() {
  testing_support::TempWorkDir dir;
  testing_support::FakeDialogs dlg;
  const int kEmployees = 5000;
  std::vector<std::uint8_t> all;
  all.reserve(kEmployees * kPersonalRecordSize);
  for (int nr = 1; nr <= kEmployees; ++nr) {
    PersonalRecord r;
    r.PersNrEdit = nr;
    r.FamNameEdit = "Mitarbeiter " + std::to_string(nr);
    r.GehaltEdit = 2000 + nr;
    PersonalBytes b = r.pack();
    all.insert(all.end(), b.begin(), b.end());
  }
  testing_support::WriteBytes("BENCH.PER", all);

  const int runs = 20;
  std::int32_t next = 0;
  double tNext =
      Millis([&] { next = NextPersonalNr(dlg, "BENCH", kPersonalExt).value_or(-1); }, runs);
  bool found = false;
  double tRead =
      Millis([&] { found = ReadPersonalRecord("BENCH", kPersonalExt, 4999).has_value(); }, runs);
  PersonalRecord changed;
  changed.PersNrEdit = 2500;
  changed.FamNameEdit = "Geändert";
  bool replaced = false;
  double tReplace =
      Millis([&] { replaced = ReplacePersonalRecord(dlg, "BENCH", kPersonalExt, changed); }, runs);

  std::printf("employees: %d, file: %zu bytes\n", kEmployees, all.size());
  std::printf("NextPersonalNr        %8.3f ms  (result %d)\n", tNext, next);
  std::printf("ReadPersonalRecord    %8.3f ms  (found %d)\n", tRead, found);
  std::printf("ReplacePersonalRecord %8.3f ms  (written %d)\n", tReplace, replaced);
  bool ok =
      next == kEmployees + 1 && found && replaced && tNext < 50 && tRead < 50 && tReplace < 50;
  std::printf("%s\n", ok ? "OK: every operation under 50 ms" : "TOO SLOW or wrong result");
  return ok ? 0 : 1;
}
