#pragma once
// An employer of 5,000 employees with a year of payrolls (60,100 records,
// about 134 MB) at realistic amounts, built once in the benchmark's
// temporary folder; the yardsticks the benchmarks compare with; and the
// table of report times against their floors.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
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

// What the employer looks like beyond its size.
struct Bestand {
  int schritt = 1;               // employees are numbered schritt, 2 * schritt, ...
  bool dezemberLuecken = false;  // every tenth employee without his December
};

// A deterministic spread of values, so that every run builds the same data.
inline std::uint32_t Streuung(std::uint32_t a, std::uint32_t b = 0) {
  std::uint32_t h = a * 2654435761u ^ (b + 0x9e3779b9u) * 40503u;
  h ^= h >> 15;
  h *= 2246822519u;
  return h ^ (h >> 13);
}
inline double Cent(double x) { return std::round(x * 100) / 100; }
inline double Cents(std::uint32_t h, double von, double bis) {
  return von + double(h % std::uint32_t((bis - von) * 100)) / 100;
}

// The contribution group of an employee: mostly salaried (D1) and workers
// (A1), apprentices of both, and a few groups of their own rates.
inline const char* Gruppe(int nr) {
  static constexpr const char* kGruppen[20] = {"D2", "A2", "N72", "A3y", "A1", "A1", "A1",
                                               "A1", "A1", "A1",  "A1",  "A1", "D1", "D1",
                                               "D1", "D1", "D1",  "D1",  "D1", "D1"};
  return kGruppen[nr % 20];
}
inline bool Arbeiter(int nr) { return Gruppe(nr)[0] == 'A'; }
inline bool Lehrling(int nr) { return Gruppe(nr)[1] == '2'; }

inline std::string FamName(int nr) {
  static constexpr const char* kNamen[] = {
      "Gruber",  "Huber", "Bauer",   "Wagner", "Müller", "Pichler", "Steiner",     "Moser",
      "Mayer",   "Hofer", "Leitner", "Berger", "Fuchs",  "Eder",    "Fischer",     "Schmid",
      "Winkler", "Weber", "Schwarz", "Maier",  "Reiter", "Wimmer",  "Baumgartner", "Köhler"};
  return std::string(kNamen[Streuung(nr, 1) % std::size(kNamen)]) + " " + std::to_string(nr);
}

// The monthly pay: a salary, or an hourly wage of 173.2 hours.
inline double Monatslohn(int nr) {
  const std::uint32_t h = Streuung(nr, 2);
  if (Arbeiter(nr)) return Cent((Lehrling(nr) ? Cents(h, 4.5, 7.5) : Cents(h, 10.5, 25.5)) * 173.2);
  return Lehrling(nr) ? Cents(h, 580, 1100) : Cents(h, 1650, 6450);
}

inline lohn::PersonalRecord Dienstnehmer(int nr, int persNr) {
  const std::uint32_t h = Streuung(nr, 3);
  lohn::PersonalRecord p;
  p.PersNrEdit = persNr;
  p.FamNameEdit = FamName(nr);
  p.VornameEdit = nr % 2 ? "Eva" : "Josef";
  p.weiblichCheckBox = nr % 2;
  // A serial number, its check digit and a birth date: the ten digits the
  // slips need and the window accepts. Serials whose check would be 10 are
  // not given.
  char sv[16];
  int serie = 100 + nr % 900;
  const int tag = 1 + int(h % 28), monat = 1 + int(h / 28 % 12), jahr = 55 + int(h / 336 % 44);
  int pruef = 10;
  for (; pruef == 10; serie = serie == 999 ? 100 : serie + 1) {
    std::snprintf(sv, sizeof sv, "%03d0%02d%02d%02d", serie, tag, monat, jahr);
    static constexpr int kGewichte[10] = {3, 7, 9, 0, 5, 8, 4, 2, 1, 6};
    int summe = 0;
    for (int i = 0; i < 10; ++i) summe += (sv[i] - '0') * kGewichte[i];
    pruef = summe % 11;
  }
  sv[3] = char('0' + pruef);
  p.SVNrEdit = sv;
  p.StrasseEdit = "Hauptstraße " + std::to_string(1 + h % 180);
  p.PLZEdit = 1010 + int(h % 23) * 10;
  p.OrtEdit = "Wien";
  p.BankEdit = "BKAUATWW";
  p.BankKtoNrEdit = "AT61190430023457" + std::to_string(1000 + nr % 9000);
  std::snprintf(sv, sizeof sv, "%02d.%02d.%04d", 1 + h % 28, 1 + h / 7 % 12, 1995 + int(h % 19));
  p.EintrittsDatumEdit = sv;
  p.BeitragsgruppeComboBox = Gruppe(nr);
  p.ArbeiterCheckBox = Arbeiter(nr);
  p.AngestellterCheckBox = !Arbeiter(nr);
  p.SozialeStellungEdit = Lehrling(nr) ? 1 : Arbeiter(nr) ? 2 : 3;
  if (Arbeiter(nr))
    p.StundenlohnEdit = Cent(Monatslohn(nr) / 173.2);
  else
    p.GehaltEdit = Monatslohn(nr);
  p.KU = p.IE = p.BMVGcheckBox = true;
  p.UrlaubsAnspruchEdit = h % 5 == 0 ? 30 : 25;
  p.AnzahlKinderEdit = int(h % 4);
  return p;
}

// One payroll: the month's pay with overtime, June and November with a
// special payment of one month's pay; shares, taxes and bases to the cent.
inline lohn::AbrechnungRecord Abrechnung(int nr, int persNr, int monat, int teil) {
  const std::uint32_t h = Streuung(nr, 100 + monat * 2 + teil);
  lohn::AbrechnungRecord r;
  r.PersNrEdit = persNr;
  r.MonatComboBox = monat;
  r.JahrComboBox = 2014;
  r.AbrechngComboBox = teil;
  r.FamNameEdit = FamName(nr);
  r.VornameEdit = nr % 2 ? "Eva" : "Josef";
  r.OrtEdit = "Wien";
  r.BankEdit = "BKAUATWW";
  r.BankKtoNrEdit = "AT61190430023457" + std::to_string(1000 + nr % 9000);
  r.BeitragsgruppeComboBox = Gruppe(nr);
  const bool gering = nr % 977 < 20;
  double brutto;
  if (teil > 0) {
    // A bonus paid on its own.
    brutto = Cents(h, 250, 750);
  } else if (Arbeiter(nr)) {
    r.StundenlohnEdit = Cent(Monatslohn(nr) / 173.2);
    r.NormalstundenEdit = 173.2;
    r.Ueberstunden50Edit = double(h % 13);
    r.UrlaubstundenEdit = monat == 7 || monat == 8 ? 77 : 7.7 * (h / 13 % 3);
    r.LohnNormalstundenEdit = Cent(r.StundenlohnEdit * r.NormalstundenEdit);
    r.LohnGehaltUeberstunden50Edit = Cent(r.StundenlohnEdit * 1.5 * r.Ueberstunden50Edit);
    r.LohnUrlaubstundenEdit = Cent(r.StundenlohnEdit * r.UrlaubstundenEdit);
    brutto = r.LohnNormalstundenEdit + r.LohnGehaltUeberstunden50Edit;
  } else {
    r.GehaltEdit = Monatslohn(nr);
    r.MehrstundenEdit = double(h % 7);
    r.LohnGehaltMehrstundenEdit = Cent(r.GehaltEdit / 173.2 * 1.25 * r.MehrstundenEdit);
    brutto = r.GehaltEdit + r.LohnGehaltMehrstundenEdit;
  }
  r.ZeitKontoStdEdit = double(h % 40) / 2;
  r.UrlaubsKontoTageEdit = double(25 - monat * 2 + int(h % 5));
  r.BruttoEdit = brutto = Cent(brutto);
  const double sz = teil == 0 && (monat == 6 || monat == 11) ? Monatslohn(nr) : 0;
  r.SonderzahlungEdit = sz;
  r.SonderZlgComboBox = sz > 0 ? (monat == 6 ? "Urlaubszuschuss" : "Weihnachtsremuneration") : "";
  const double satzDn = Lehrling(nr) ? 0.1512 : Arbeiter(nr) ? 0.182 : 0.1807;
  r.SVBeitragsgrundlageEdit = std::min(brutto, 4530.0);
  r.SVBeitragsGrundlageSonderzahlungEdit = std::min(sz, 4530.0);
  r.BetragDNAnteilEdit = r.SV_DN_GesamtEdit = Cent(r.SVBeitragsgrundlageEdit * satzDn);
  r.BetragDNAnteilSonderZEdit = r.SV_DN_SZ_GesamtEdit =
      Cent(r.SVBeitragsGrundlageSonderzahlungEdit * (satzDn - 0.01));
  r.SV_AbzGesEdit = r.BetragDNAnteilEdit + r.BetragDNAnteilSonderZEdit;
  r.DGAnteilEdit = Cent((r.SVBeitragsgrundlageEdit + r.SVBeitragsGrundlageSonderzahlungEdit) *
                        (Arbeiter(nr) ? 0.2165 : 0.2178));
  r.DNAnteilEdit = r.SV_AbzGesEdit;
  // A tariff of that shape: nothing up to 1,011, then 36.5, 43.2, 50 %.
  const double lstGrundlage = Cent(brutto - r.BetragDNAnteilEdit);
  const double lst = lstGrundlage <= 1011   ? 0
                     : lstGrundlage <= 2099 ? (lstGrundlage - 1011) * 0.365
                     : lstGrundlage <= 5016 ? 397.12 + (lstGrundlage - 2099) * 0.4321
                                            : 1657.57 + (lstGrundlage - 5016) * 0.5;
  r.GrundlageLSTEdit = lstGrundlage;
  r.LohnsteuerBetragEdit = Cent(lst);
  r.InnerhSechstelEdit = sz;
  r.GrundlLstSZ = std::max(0.0, Cent(sz - r.BetragDNAnteilSonderZEdit - 620));
  r.LstSZ = Cent(r.GrundlLstSZ * 0.06);
  r.LstGesamt = r.LohnsteuerBetragEdit + r.LstSZ;
  r.BruttoGesamtEdit = brutto + sz;
  r.NettoBetragEdit = Cent(brutto - r.SV_AbzGesEdit - r.LstGesamt + sz);
  r.AuszahlungsbetragEdit = r.NettoBetragEdit;
  r.BMVGbetragEdit = Cent(r.BruttoGesamtEdit * 0.0153);
  for (lohn::Umlage u : {lohn::Umlage::KU, lohn::Umlage::WF, lohn::Umlage::IE})
    r.Grundlage(u) = r.BruttoGesamtEdit;
  r.SV_Lohn_TageEdit = 30;
  r.AMPFG_RueckVerrGruppeEdit = gering ? "N25a" : "";
  r.AMPFG_SVGrundlageEdit = gering ? r.SVBeitragsgrundlageEdit : 0;
  return r;
}

// 5,000 employees with a year of payrolls, month by month as a year is
// appended; employees numbered ..37 also have a bonus paid on its own in
// March and September.
inline void WriteEmployer(const Bestand& bestand = {}) {
  std::vector<std::uint8_t> per;
  per.reserve(std::size_t(kEmployees) * lohn::kPersonalRecordSize);
  for (int nr = 1; nr <= kEmployees; ++nr) {
    lohn::PersonalBytes b = Dienstnehmer(nr, nr * bestand.schritt).pack();
    per.insert(per.end(), b.begin(), b.end());
  }
  WriteSynced(kStem + ".PER", per);

  std::vector<std::uint8_t> abr;
  abr.reserve(std::size_t(kEmployees) * (kMonths + 1) * lohn::kAbrechnungRecordSize);
  for (int monat = 1; monat <= kMonths; ++monat)
    for (int nr = 1; nr <= kEmployees; ++nr) {
      if (bestand.dezemberLuecken && monat == 12 && nr % 10 == 0) continue;
      const int teile = nr % 100 == 37 && (monat == 3 || monat == 9) ? 2 : 1;
      for (int teil = 0; teil < teile; ++teil) {
        lohn::AbrechnungBytes b = Abrechnung(nr, nr * bestand.schritt, monat, teil).pack();
        abr.insert(abr.end(), b.begin(), b.end());
      }
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

// The least a report's output costs: each file's bytes written to a new
// file, synced and renamed over the one written before (in "floor/", so
// that no report meets them).
inline void WriteSyncedRenamed(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directory("floor");
  const std::string path = "floor/" + std::filesystem::path(name).filename().string();
  const std::string temp = path + ".bench";
  int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  bool ok = out >= 0 && ::write(out, bytes.data(), bytes.size()) == ssize_t(bytes.size());
  ok = ok && ::fsync(out) == 0;
  if (out >= 0) ok = ::close(out) == 0 && ok;
  if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) std::perror(temp.c_str());
}

inline void ReadData() {
  ReadOnce(kStem + ".PER");
  ReadOnce(kStem + ".ABR");
}

// One report of a benchmark: its name, the run (false: no report) and the
// files it writes.
struct BerichtLauf {
  std::string name;
  std::function<bool()> bericht;
  std::vector<std::string> ausgaben{"quan.doc"};
  Samples t{}, schreiben{};
  long long bytes = 0;
};

// Times one read of .PER + .ABR, each report and the synced write of its
// output in turn, `runs` times, and prints one table line per report: the
// medians, the floor (read + write), the ratio, the peak memory of the
// report in a fresh process and its output's size. In that fresh process
// (--peak <index>) it runs the one report instead. 0 when every aim holds.
inline int MesseBerichte(const Ordner& ordner, std::vector<BerichtLauf>& laeufe, int runs = 5) {
  // LOHN_BENCH_NUR=<index> keeps one report, for a profiler.
  if (const char* nur = std::getenv("LOHN_BENCH_NUR")) {
    const std::size_t i = std::size_t(std::atoi(nur));
    if (i < laeufe.size()) laeufe = {laeufe[i]};
  }
  if (!ordner.Peak().empty()) {
    const std::size_t i = std::size_t(std::atoi(ordner.Peak()[0].c_str()));
    return i < laeufe.size() ? PrintPeakOf(laeufe[i].bericht) : 1;
  }
  // Warm: the cache, the store's buffer, and the outputs in place, so that
  // every timed run replaces them as a second run in the program does.
  ReadData();
  bool right = true;
  for (BerichtLauf& l : laeufe) right = l.bericht() && right;
  Samples tRead;
  for (int i = 0; i < runs; ++i) {
    tRead.Time(ReadData);
    for (BerichtLauf& l : laeufe) {
      l.t.Time([&] { right = l.bericht() && right; });
      std::vector<std::vector<std::uint8_t>> inhalte;
      l.bytes = 0;
      for (const std::string& a : l.ausgaben) {
        right = std::filesystem::exists(a) && right;
        inhalte.push_back(testing_support::ReadBytes(a));
        l.bytes += (long long)inhalte.back().size();
      }
      l.schreiben.Time([&] {
        for (std::size_t k = 0; k < inhalte.size(); ++k)
          WriteSyncedRenamed(l.ausgaben[k], inhalte[k]);
      });
    }
  }
  const double read = tRead.Median();
  std::printf("%d employees x %d months (.PER %.1f MB, .ABR %.1f MB), medians of %d runs\n",
              kEmployees, kMonths, double(std::filesystem::file_size(kStem + ".PER")) / 1e6,
              double(std::filesystem::file_size(kStem + ".ABR")) / 1e6, runs);
  std::printf("one read of .PER + .ABR: %.1f ms\n", read);
  DruckeKopf("report");
  bool ok = right;
  for (std::size_t i = 0; i < laeufe.size(); ++i) {
    const BerichtLauf& l = laeufe[i];
    ok = DruckeZeile(l.name, l.t.Median(), read + l.schreiben.Median(), {2.0, 0, 40},
                     PeakInFreshProcess(std::to_string(i)), l.bytes) &&
         ok;
  }
  if (!right) std::printf("WRONG RESULT: a report failed or wrote not all its files\n");
  return ok ? 0 : 1;
}

}  // namespace bench
