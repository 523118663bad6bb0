#pragma once
// Wall-clock timing, peak memory and the one table form shared by the
// benchmarks.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/Fakes.h"

// Average milliseconds of `runs` calls of f.
inline double Millis(const std::function<void()>& f, int runs) {
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) f();
  auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(t1 - t0).count() / runs;
}

// The times of one operation over several runs. Benchmarks take the runs of
// the operations they compare in turn, so that all meet the same state of
// the disk, and the median keeps one slow sync from deciding a result.
class Samples {
 public:
  void Time(const std::function<void()>& f) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    auto t1 = std::chrono::steady_clock::now();
    ms_.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  double Median() const {
    std::vector<double> sorted = ms_;
    std::sort(sorted.begin(), sorted.end());
    return sorted.empty() ? 0 : sorted[sorted.size() / 2];
  }

 private:
  std::vector<double> ms_;
};

namespace bench {

inline constexpr const char* kPeakFlag = "--peak";

// Where a benchmark runs: a new temporary folder with the data `schreibe`
// writes, or, in the fresh process started by PeakInFreshProcess
// (`<program> --peak <what>...`), the folder inherited from the benchmark,
// whose data must not be written again: building it would set the peak.
class Ordner {
 public:
  Ordner(int argc, char** argv, const std::function<void()>& schreibe) {
    if (argc >= 3 && std::strcmp(argv[1], kPeakFlag) == 0) {
      peak_.assign(argv + 2, argv + argc);
    } else {
      temp_.emplace();
      schreibe();
    }
  }
  // The arguments after --peak; empty in the benchmark itself.
  const std::vector<std::string>& Peak() const { return peak_; }

 private:
  std::optional<testing_support::TempWorkDir> temp_;
  std::vector<std::string> peak_;
};

inline long MaxRssKb() {
  struct rusage ru {};
  ::getrusage(RUSAGE_SELF, &ru);
  return ru.ru_maxrss;
}

// In the fresh process: runs f once and prints how far this process's peak
// memory rose, in KB, or -1 when f failed.
inline int PrintPeakOf(const std::function<bool()>& f) {
  const long before = MaxRssKb();
  const bool ok = f();
  std::printf("%ld\n", ok ? MaxRssKb() - before : -1);
  return ok ? 0 : 1;
}

// Runs this program again in the same folder with "--peak <what>"; the KB
// its PrintPeakOf printed, or -1.
inline long PeakInFreshProcess(const std::string& what) {
  char self[4096] = {};
  if (::readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return -1;
  const std::string cmd = std::string("'") + self + "' " + kPeakFlag + " " + what;
  std::fflush(stdout);
  std::FILE* p = ::popen(cmd.c_str(), "r");
  long kb = -1;
  if (!p || std::fscanf(p, "%ld", &kb) != 1) kb = -1;
  if (p && ::pclose(p) != 0) kb = -1;
  return kb;
}

// What a line is held to: at most `verhaeltnis` times its floor and/or at
// most `ms`, its peak at most its output plus `peakUeberAusgabeMb` (0: no
// aim of that kind).
struct Ziel {
  double verhaeltnis = 0;
  double ms = 0;
  double peakUeberAusgabeMb = 0;
};

// Text widths count characters, not the bytes of UTF-8.
inline std::string Links(const std::string& text, std::size_t breite) {
  std::size_t zeichen = 0;
  for (unsigned char c : text) zeichen += (c & 0xC0) != 0x80;
  return text + std::string(breite > zeichen ? breite - zeichen : 0, ' ');
}

inline void DruckeKopf(const char* titel) {
  std::printf("%s  %8s  %8s  %6s  %7s  %9s  %s\n", Links(titel, 40).c_str(), "time ms", "floor ms",
              "ratio", "peak MB", "output", "aim");
}

// One line of the table: the median time, its floor (the same runs' reads
// plus the synced write of the operation's own output), the ratio, the rise
// of the peak memory in a fresh process (KB, < 0: not measured) and the
// bytes written (< 0: none). False when an aim is missed.
inline bool DruckeZeile(const std::string& name, double ms, double floor, const Ziel& ziel,
                        long peakKb = -1, long long bytes = -1) {
  const double ratio = floor > 0 ? ms / floor : 0;
  const double peakMb = peakKb * 1024.0 / 1e6;
  char peak[16] = "-", ausgabe[16] = "-";
  if (peakKb >= 0) std::snprintf(peak, sizeof peak, "%.1f", peakMb);
  if (bytes >= 1000000)
    std::snprintf(ausgabe, sizeof ausgabe, "%.1f MB", double(bytes) / 1e6);
  else if (bytes >= 0)
    std::snprintf(ausgabe, sizeof ausgabe, "%.1f KB", double(bytes) / 1e3);
  std::string aim, verfehlt;
  char teil[64];
  if (ziel.verhaeltnis > 0) {
    std::snprintf(teil, sizeof teil, "<= %.1f x", ziel.verhaeltnis);
    aim += teil;
    if (ratio > ziel.verhaeltnis) verfehlt += " time";
  }
  if (ziel.ms > 0) {
    std::snprintf(teil, sizeof teil, "%s<= %.0f ms", aim.empty() ? "" : ", ", ziel.ms);
    aim += teil;
    if (ms > ziel.ms) verfehlt += " time";
  }
  if (ziel.peakUeberAusgabeMb > 0) {
    std::snprintf(teil, sizeof teil, "%speak <= output + %.0f MB", aim.empty() ? "" : ", ",
                  ziel.peakUeberAusgabeMb);
    aim += teil;
    const double aus = bytes > 0 ? double(bytes) / 1e6 : 0;
    if (peakKb < 0 || peakMb > aus + ziel.peakUeberAusgabeMb) verfehlt += " memory";
  }
  std::printf("%s  %8.1f  %8.1f  %6.2f  %7s  %9s  %s%s\n", Links(name, 40).c_str(), ms, floor,
              ratio, peak, ausgabe, aim.c_str(),
              verfehlt.empty() ? "" : ("  MISSED:" + verfehlt).c_str());
  return verfehlt.empty();
}

}  // namespace bench
