#pragma once
// Wall-clock timing shared by the benchmarks.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

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
