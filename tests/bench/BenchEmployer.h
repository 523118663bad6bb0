#pragma once
// An employer of 5,000 employees with a year of payrolls (60,000 records,
// about 134 MB), built once in the benchmark's temporary folder, and the
// yardsticks the benchmarks compare with.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "store/AbrechnungRecord.h"
#include "store/PersonalRecord.h"
#include "support/Fakes.h"

namespace bench {

constexpr int kEmployees = 5000;
constexpr int kMonths = 12;
inline const std::string kStem = "BENCH";

// Flushed to the disk, so that no measured sync pays for the writes of the
// set-up.
inline void WriteSynced(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  testing_support::WriteBytes(path, bytes);
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0 || ::fsync(fd) != 0) std::perror(path.c_str());
  if (fd >= 0) ::close(fd);
}

// Employees are numbered schritt, 2 * schritt, ...
inline void WriteEmployer(int schritt = 1) {
  std::vector<std::uint8_t> per;
  per.reserve(std::size_t(kEmployees) * lohn::kPersonalRecordSize);
  for (int nr = 1; nr <= kEmployees; ++nr) {
    lohn::PersonalRecord p;
    p.PersNrEdit = nr * schritt;
    p.FamNameEdit = "Mitarbeiter" + std::to_string(nr);
    p.BeitragsgruppeComboBox = "D1";
    p.AngestellterCheckBox = true;
    p.GehaltEdit = 2000 + nr % 977;
    lohn::PersonalBytes b = p.pack();
    per.insert(per.end(), b.begin(), b.end());
  }
  WriteSynced(kStem + ".PER", per);

  // Month by month, as a year of payrolls is appended.
  std::vector<std::uint8_t> abr;
  abr.reserve(std::size_t(kEmployees) * kMonths * lohn::kAbrechnungRecordSize);
  for (int monat = 1; monat <= kMonths; ++monat)
    for (int nr = 1; nr <= kEmployees; ++nr) {
      lohn::AbrechnungRecord r;
      r.PersNrEdit = nr * schritt;
      r.MonatComboBox = monat;
      r.JahrComboBox = 2014;
      r.BruttoEdit = 2000 + nr % 977;
      r.SonderzahlungEdit = monat == 6 ? 1000 : 0;
      r.FamNameEdit = "Mitarbeiter" + std::to_string(nr);
      lohn::AbrechnungBytes b = r.pack();
      abr.insert(abr.end(), b.begin(), b.end());
    }
  WriteSynced(kStem + ".ABR", abr);
}

// The yardsticks use the best buffer a plain reader can have: 4 MiB aligned
// to the page.
struct AlignedBuffer {
  static constexpr std::size_t kBytes = std::size_t(4) << 20;
  std::unique_ptr<char, decltype(&std::free)> data{
      static_cast<char*>(std::aligned_alloc(4096, kBytes)), &std::free};
};

// One sequential read of the whole file.
inline void ReadOnce(const std::string& path) {
  static AlignedBuffer buf;
  int fd = ::open(path.c_str(), O_RDONLY);
  while (::read(fd, buf.data.get(), AlignedBuffer::kBytes) > 0) {
  }
  ::close(fd);
}

// One read of the file into a new file beside it, synced and renamed over
// it: the least that a rewrite costs.
inline void RewriteOnce(const std::string& path) {
  static AlignedBuffer buf;
  const std::string temp = path + ".bench";
  int in = ::open(path.c_str(), O_RDONLY);
  int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ssize_t n;
  bool ok = in >= 0 && out >= 0;
  while (ok && (n = ::read(in, buf.data.get(), AlignedBuffer::kBytes)) > 0)
    ok = ::write(out, buf.data.get(), std::size_t(n)) == n;
  ok = ok && ::fsync(out) == 0;
  if (in >= 0) ::close(in);
  if (out >= 0) ok = ::close(out) == 0 && ok;
  if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) std::perror(temp.c_str());
}

}  // namespace bench

namespace bench {

// One report of a benchmark: its name and the run (false: no report).
struct BerichtLauf {
  const char* name;
  std::function<bool()> bericht;
  Samples t{};
};

// Times one read of .PER + .ABR and each report in turn, five times, and
// prints each median as a ratio to the read, with the report's size.
inline void MesseBerichte(std::vector<BerichtLauf>& laeufe) {
  auto lesen = [] {
    ReadOnce(kStem + ".PER");
    ReadOnce(kStem + ".ABR");
  };
  lesen();
  Samples tRead;
  for (int i = 0; i < 5; ++i) {
    tRead.Time(lesen);
    for (BerichtLauf& l : laeufe)
      l.t.Time([&] {
        if (!l.bericht()) std::printf("%s: no report\n", l.name);
      });
  }
  const double read = tRead.Median();
  std::printf("one read of .PER + .ABR: %.1f ms\n", read);
  for (BerichtLauf& l : laeufe) {
    l.bericht();
    std::error_code ec;
    const auto bytes = std::filesystem::file_size("quan.doc", ec);
    std::printf("%s: %.1f ms, ratio %.2f (%zu bytes)\n", l.name, l.t.Median(), l.t.Median() / read,
                ec ? std::size_t(0) : std::size_t(bytes));
  }
}

}  // namespace bench
